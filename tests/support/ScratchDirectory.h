#pragma once

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace vantrel::testing {

// An empty folder of its own for the life of a test, removed with everything in it afterwards.
// The name carries the process and a counter, so suites running side by side never share one.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& purpose = "scratch") {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("vantrel-" + purpose + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace vantrel::testing
