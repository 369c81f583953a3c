#include "link/PortConfigurationFile.h"

#include "link/FileLocations.h"

#include <fstream>

namespace vantrel {

std::filesystem::path portConfigurationPath() { return fileLocations().configuration / kPortConfigurationFileName; }

std::int32_t parsePortNumber(std::string_view text) {
    std::size_t at = text.find(':');
    if (at == std::string_view::npos) return kPortNumberUnreadable;
    ++at;
    while (at < text.size() && text[at] == ' ') ++at;
    if (at >= text.size()) return 0;
    const char c = text[at];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

std::string formatPortNumber(std::int32_t number) { return "COM Port Id :" + std::to_string(number) + "\n "; }

std::int32_t readPortNumber() { return readPortNumber(portConfigurationPath()); }

std::int32_t readPortNumber(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return kPortNumberUnreadable;
    std::string head(kPortConfigurationReadLimit, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return parsePortNumber(head);
}

void writePortNumber(std::int32_t number) { writePortNumber(portConfigurationPath(), number); }

void writePortNumber(const std::filesystem::path& file, std::int32_t number) {
    // A per-user configuration folder does not exist before the first choice.
    if (file.has_parent_path()) ensureFolder(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string text = formatPortNumber(number);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace vantrel
