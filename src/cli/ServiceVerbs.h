#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

// Runs `tune` or `history`, whose options and help are their own; nothing when the command
// line names another command. `in` carries a tune session's requests.
std::optional<int> runServiceVerb(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                                  std::ostream& err);

}  // namespace vantrel::cli
