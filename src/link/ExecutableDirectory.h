#pragma once

#include <filesystem>

namespace vantrel {

// The folder of the running executable, as the host tells it; supplied by the platform
// (PosixExecutableDirectory.cpp, Win32ExecutableDirectory.cpp).
std::filesystem::path executableDirectory();

}  // namespace vantrel
