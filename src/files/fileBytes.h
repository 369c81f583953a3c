#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// At most `limit` bytes from the start of a file; nothing when it cannot be opened or read.
std::optional<std::string> readFileHead(const std::filesystem::path& path, std::size_t limit);

// Writes the bytes to a temporary file beside `path` and renames it over `path` only when
// every byte reached the disk, so a failed write never leaves a half-written file behind.
// Returns false (and leaves any old file untouched) on any failure.
bool replaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vantrel
