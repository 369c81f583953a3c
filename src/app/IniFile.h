#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// A section-and-key text file ("[Section]" lines, then "Key=Value" lines), read afresh at every
// access and rewritten whole at every change, so two writers never keep stale copies. Section
// and key names compare without regard to case; lines the file holds besides ours are kept.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

    std::optional<std::string> read(std::string_view section, std::string_view key) const;
    // False when the file cannot be written.
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vantrel
