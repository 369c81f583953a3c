#include "files/reportPages.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

std::vector<std::string> splitReportLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line.substr(0, kReportLineLimit));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

int reportLinesPerPage(double pageHeight, double lineHeight) {
    if (!(pageHeight > 0) || !(lineHeight > 0)) return 0;
    return static_cast<int>(std::lround(pageHeight / lineHeight));
}

int reportPageCount(std::size_t lines, int linesPerPage) {
    if (linesPerPage <= 0 || lines == 0) return 1;
    const auto perPage = static_cast<std::size_t>(linesPerPage);
    return static_cast<int>((lines + perPage - 1) / perPage);
}

ReportPageLines reportPageLines(int page, int linesPerPage, std::size_t lines) {
    if (page < 1 || linesPerPage <= 0) return {};
    const auto perPage = static_cast<std::size_t>(linesPerPage);
    const std::size_t first = std::min(lines, static_cast<std::size_t>(page - 1) * perPage);
    return {first, std::min(lines, first + perPage)};
}

}  // namespace vantrel
