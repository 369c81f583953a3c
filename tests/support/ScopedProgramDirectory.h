#pragma once

#include "link/ProgramDirectory.h"

#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace vantrel::testing {

// A fresh, empty program folder for the life of a test; the usual one is restored afterwards.
class ScopedProgramDirectory {
public:
    ScopedProgramDirectory() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("vantrel-program-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        setProgramDirectory(path_);
    }
    ~ScopedProgramDirectory() {
        setProgramDirectory({});
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScopedProgramDirectory(const ScopedProgramDirectory&) = delete;
    ScopedProgramDirectory& operator=(const ScopedProgramDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace vantrel::testing
