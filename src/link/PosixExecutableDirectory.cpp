#include "link/ExecutableDirectory.h"

#include <system_error>

namespace vantrel {

// Linux names the running executable in /proc; where that is missing the working directory is
// the best remaining guess, as it is the folder a program started by hand usually sits in.
std::filesystem::path executableDirectory() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && exe.has_parent_path()) return exe.parent_path();
    const std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : here;
}

}  // namespace vantrel
