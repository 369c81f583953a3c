#pragma once

#include "cli/CliOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

// The options of the verbs that work over a whole session or the service log: `tune` and
// `history`. They take `--name value` and `--name=value` alike.
struct ServiceVerbOptions {
    std::string verb;                       // tune or history
    CliOptions port;                        // --port / --device, as every radio command has them
    std::optional<std::string> archive;     // tune --archive FILE: start from the archive, not a read
    std::optional<std::string> serviceLog;  // --service-log FILE instead of the program folder's
    std::optional<std::string> serial;      // history SERIAL
    bool json = false;                      // history --json
    bool help = false;
};

// Nothing when the first argument is not one of these verbs; UsageError for what it cannot take.
std::optional<ServiceVerbOptions> parseServiceVerbOptions(const std::vector<std::string>& arguments);

extern const char* const kTuneUsage;
extern const char* const kHistoryUsage;
// The lines the general help gives these verbs.
extern const char* const kServiceVerbsSummary;

}  // namespace vantrel::cli
