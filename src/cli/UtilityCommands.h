#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

// Whether the first word names one of the radio utilities' commands.
bool isUtilityCommand(const std::string& word);

// Runs bbo-config, serial-number, temp-comp or bbo over the core's utility sessions, with the
// exit statuses of runCli.
int runUtilityCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

extern const char* const kUtilityUsage;

}  // namespace vantrel::cli
