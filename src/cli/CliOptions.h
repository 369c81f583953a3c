#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel::cli {

struct CliOptions {
    std::string command;             // read, program, report, info, help
    std::string archive;             // the archive of program and report
    std::optional<std::string> output;
    std::optional<std::string> pdf;  // --pdf FILE: the report's printed pages as a PDF file
    std::optional<int> port;         // --port N: COM N instead of the configured port
    std::optional<std::string> device;  // --device PATH (POSIX): this device, whatever com.ini says
    std::optional<int> key;          // --key N: the archive key, for reproducible files
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises UsageError with a one-line reason for anything it cannot take.
CliOptions parseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace vantrel::cli
