#pragma once

#include <filesystem>

namespace vantrel {

// The folder the program runs from: where the port configuration file, the `com<N>` port links,
// the baseband offset configuration and the pictures are looked for. It is the folder of the
// running executable unless the application (or a test) sets another one.
std::filesystem::path programDirectory();
// An empty path goes back to the folder of the running executable.
void setProgramDirectory(const std::filesystem::path& path);

}  // namespace vantrel
