#include "app/IniFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

namespace vantrel {

namespace {

std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The section a "[Name]" line opens, if it is one.
std::optional<std::string_view> sectionOf(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<std::string> IniFile::read(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (const std::string& line : readLines(path_)) {
        if (const auto name = sectionOf(line)) {
            inSection = equalsIgnoringCase(*name, section);
        } else if (inSection) {
            const auto entry = keyOf(line);
            if (entry && equalsIgnoringCase(entry->key, key)) return std::string(entry->value);
        }
    }
    return std::nullopt;
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) const {
    std::vector<std::string> lines = readLines(path_);
    const std::string entry = std::string(key) + "=" + std::string(value);

    bool inSection = false;
    std::optional<std::size_t> sectionEnd;  // where a new key of our section goes
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        if (const auto name = sectionOf(lines[i])) {
            inSection = equalsIgnoringCase(*name, section);
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        const auto existing = keyOf(lines[i]);
        if (existing && equalsIgnoringCase(existing->key, key)) {
            lines[i] = entry;
            done = true;
        } else if (!trimmed(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (!done) {
        if (sectionEnd) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
        } else {
            std::string header("[");
            header += section;
            header += ']';
            lines.push_back(header);
            lines.push_back(entry);
        }
    }

    std::ostringstream text;
    for (const std::string& line : lines) text << line << '\n';
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << text.str();
    out.close();
    return static_cast<bool>(out);
}

}  // namespace vantrel
