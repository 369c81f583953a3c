#pragma once

#include <iosfwd>

namespace vantrel::cli {

struct ServiceVerbOptions;

// `vantrel-cli history [SERIAL] [--json]`: the changes of the service log, of one radio or of
// all. Damaged lines are skipped with a warning on `err`. Returns the exit status.
int historyCommand(const ServiceVerbOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vantrel::cli
