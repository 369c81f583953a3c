#pragma once

#include "cli/ComparisonCommands.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

// The exit status of vantrel-cli, one per kind of failure, so a bench script can tell a radio
// that needs attention from a cable that is not plugged in.
namespace status {
inline constexpr int kDone = 0;
inline constexpr int kRadio = 1;
inline constexpr int kUsage = 2;
inline constexpr int kPort = 3;
inline constexpr int kFile = 4;
// 128 + the signal, as shells report a command ended by one.
inline constexpr int kSignalBase = 128;
}  // namespace status

// Runs one command line of vantrel-cli (the arguments without the program name) and returns
// the process exit status. Results go to `out`, progress and messages to `err`; progress is
// one line rewritten in place, and only when `err` is a terminal.
//
// `pdf` writes the report's printed pages as a PDF file (false when the file cannot be written);
// a build without it refuses --pdf; `servicePdf` does the same for service-report.
using PdfWriter = std::function<bool(const std::vector<std::string>& lines, const std::string& path)>;
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, bool errIsTerminal = false,
           const PdfWriter& pdf = {}, const ServiceReportPdfWriter& servicePdf = {});

}  // namespace vantrel::cli
