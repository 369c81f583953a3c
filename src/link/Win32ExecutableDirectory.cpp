#include "link/ExecutableDirectory.h"

#include <string>
#include <system_error>

#include <windows.h>

namespace vantrel {

std::filesystem::path executableDirectory() {
    // The module name has no length limit we could know in advance: grow until it fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) break;
        if (length < name.size()) {
            name.resize(length);
            const std::filesystem::path exe(name);
            if (exe.has_parent_path()) return exe.parent_path();
            break;
        }
        name.resize(name.size() * 2);
    }
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : here;
}

}  // namespace vantrel
