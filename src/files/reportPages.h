#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// How the softpot report is cut into printed pages. The print dialog's page range, the printed
// pages and the preview all take their numbers from here, so they cannot disagree.

// A report line is drawn with at most this many characters.
inline constexpr std::size_t kReportLineLimit = 255;

// The lines of the report text: split at line ends (a carriage return before one is dropped),
// each cut to kReportLineLimit characters. A last line without a line end counts when it holds
// anything.
std::vector<std::string> splitReportLines(std::string_view text);

// Whole lines on a page: the page height over the line height, rounded to the nearest whole
// number (halves away from zero). 0 when either is not positive.
int reportLinesPerPage(double pageHeight, double lineHeight);

// Pages for the report: every line on a page, the last page holding what is left over. At least
// one page, also for an empty report or a page without room for a line.
int reportPageCount(std::size_t lines, int linesPerPage);

// The lines [first, end) that page `page` (counted from 1) holds; empty beyond the report.
struct ReportPageLines {
    std::size_t first = 0;
    std::size_t end = 0;
};
ReportPageLines reportPageLines(int page, int linesPerPage, std::size_t lines);

}  // namespace vantrel
