#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel::cli {

struct CliOptions {
    std::string command;                // read, program, report, info, compare, service-report; help, version
    std::string helpTopic;              // the command whose help was asked for; empty for all
    std::string archive;                // the archive of program and report; the first of two
    std::string secondArchive;          // compare and service-report: the archive after the work
    std::optional<std::string> output;  // "-" is standard output
    std::optional<int> port;            // --port N: COM N instead of the configured port
    std::optional<std::string> pdf;     // --pdf FILE: the report's printed pages as a PDF file
    std::optional<std::string> device;  // --device PATH (POSIX): this device, whatever com.ini says
    std::optional<int> key;             // --key N: the archive key, for reproducible files
    bool quiet = false;
    bool verbose = false;
    bool json = false;
    bool anyRadio = false;  // --any-radio: archives of different radios may be compared

    bool toStandardOutput() const { return output && *output == "-"; }
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises UsageError with a one-line reason for anything it cannot take, an option the command
// does not take included: an option silently ignored is a bench script silently wrong.
CliOptions parseOptions(const std::vector<std::string>& arguments);

// The help of one command, or of the program when the topic is empty.
std::string usageText(const std::string& topic = {});
// The value of a numeric option; UsageError naming the option for anything but a whole number.
int parseNumber(const std::string& option, const std::string& text);
std::string versionText();

}  // namespace vantrel::cli
