#include "files/fileBytes.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <system_error>

namespace vantrel {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A name beside the target that no other file uses ("x" opens only a file that is new), so
// the temporary never overwrites something of the user's.
FileHandle createTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
    const auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        temporary = path;
        std::string suffix(".");
        suffix += std::to_string((stamp + attempt) % 1000000007ULL);
        suffix += ".tmp";
        temporary += suffix;
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) return FileHandle(file);
    }
    return nullptr;
}

}  // namespace

std::optional<std::string> readFileHead(const std::filesystem::path& path, std::size_t limit) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    FileHandle file(std::fopen(path.string().c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes(limit, '\0');
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get())) return std::nullopt;
    bytes.resize(got);
    return bytes;
}

SaveTarget saveTargetOf(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    SaveTarget target{path};
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        target.file = fs::canonical(path, error);
        if (error) return {path, SaveRefusal::BrokenLink};
    }
    const fs::file_status status = fs::status(target.file, error);
    if (fs::is_directory(status))
        target.refusal = SaveRefusal::Directory;
    else if (fs::exists(status) && !fs::is_regular_file(status))
        target.refusal = SaveRefusal::NotARegularFile;
    return target;
}

SaveRefusal probeSave(const std::filesystem::path& path) {
    const SaveTarget target = saveTargetOf(path);
    if (target.refusal != SaveRefusal::None) return target.refusal;
    std::filesystem::path temporary;
    if (!createTemporaryBeside(target.file, temporary)) return SaveRefusal::CannotCreate;
    std::error_code error;
    std::filesystem::remove(temporary, error);
    return SaveRefusal::None;
}

bool replaceFile(const std::filesystem::path& path, std::string_view bytes) {
    const SaveTarget target = saveTargetOf(path);
    if (target.refusal != SaveRefusal::None) return false;
    std::filesystem::path temporary;
    FileHandle file = createTemporaryBeside(target.file, temporary);
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    written = std::fflush(file.get()) == 0 && written;
    // fclose reports the last write errors (a full disk, a lost network share).
    written = std::fclose(file.release()) == 0 && written;
    std::error_code error;
    if (written) std::filesystem::rename(temporary, target.file, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace vantrel
