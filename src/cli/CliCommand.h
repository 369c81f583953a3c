#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

// Runs one command line of vantrel-cli (the arguments without the program name) and returns
// the process exit status: 0 on success, 1 when the radio or a file refused, 2 for a usage
// error. Results go to `out`, progress and messages to `err`.
//
// `pdf` writes the report's printed pages as a PDF file (false when the file cannot be written);
// a build without it refuses --pdf.
using PdfWriter = std::function<bool(const std::vector<std::string>& lines, const std::string& path)>;
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const PdfWriter& pdf = {});

}  // namespace vantrel::cli
