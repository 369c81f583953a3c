#pragma once

#include <iosfwd>

namespace vantrel {
class radioStorage;
}

namespace vantrel::cli {

// The identity and frequency plan that `info` prints: as lines for a person, or as one JSON
// object for a script. Texts the radio sent are escaped, whatever bytes they hold.
void printIdentity(const radioStorage& storage, std::ostream& out);
void printIdentityJson(const radioStorage& storage, std::ostream& out);

}  // namespace vantrel::cli
