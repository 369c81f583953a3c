#include "link/ProgramDirectory.h"

#include "link/ExecutableDirectory.h"

#include <mutex>
#include <optional>

namespace vantrel {

namespace {

std::mutex& guard() {
    static std::mutex mutex;
    return mutex;
}

std::optional<std::filesystem::path>& chosen() {
    static std::optional<std::filesystem::path> path;
    return path;
}

}  // namespace

std::filesystem::path programDirectory() {
    std::lock_guard lock(guard());
    if (!chosen()) chosen() = executableDirectory();
    return *chosen();
}

void setProgramDirectory(const std::filesystem::path& path) {
    std::lock_guard lock(guard());
    if (path.empty()) {
        chosen().reset();
    } else {
        chosen() = path;
    }
}

}  // namespace vantrel
