#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace vantrel {
struct ServiceReport;
}

namespace vantrel::cli {

class CliConsole;
struct CliOptions;

// Writes a service report's pages as a PDF file; false when the file cannot be written.
using ServiceReportPdfWriter = std::function<bool(const ServiceReport& report, const std::string& path)>;

bool isComparisonCommand(const std::string& command);

// compare and service-report: two archives (or one, for the report) loaded as the archive
// reader loads them, refused when they come from different radios unless --any-radio is given.
int runComparisonCommand(const CliOptions& options, const ServiceReportPdfWriter& pdf, std::ostream& out,
                         CliConsole& console);

}  // namespace vantrel::cli
