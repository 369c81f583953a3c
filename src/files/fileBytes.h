#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// At most `limit` bytes from the start of a file; nothing when it cannot be opened or read.
std::optional<std::string> readFileHead(const std::filesystem::path& path, std::size_t limit);

// Why a file cannot be saved at a path.
enum class SaveRefusal { None, Directory, NotARegularFile, BrokenLink, CannotCreate };

// Where a save to `path` lands: the path itself, or the file a symbolic link there names, so the
// link stays a link. Renaming over a directory, a device or a link to nothing would destroy
// something that was never a saved file; those are refused.
struct SaveTarget {
    std::filesystem::path file;
    SaveRefusal refusal = SaveRefusal::None;
};
SaveTarget saveTargetOf(const std::filesystem::path& path);

// Whether a save to `path` would succeed as far as can be known without writing it: the target
// is acceptable and a new file can be created beside it. Nothing is left behind.
SaveRefusal probeSave(const std::filesystem::path& path);

// Writes the bytes to a temporary file beside the save target of `path` and renames it over the
// target only when every byte reached the disk, so a failed write never leaves a half-written
// file behind. Returns false (and leaves any old file untouched) on any failure or refusal.
bool replaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vantrel
