#pragma once

#include <iosfwd>

namespace vantrel::cli {

struct ServiceVerbOptions;

// `vantrel-cli tune`: reads the radio (or loads the archive), answers with a line saying it
// is ready, then runs a TuneScript over the request lines of `in` until they end, a stop
// signal comes or the answers can no longer be written, and closes the open screen on every
// one of these ways out. Returns the exit status.
int tuneCommand(const ServiceVerbOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace vantrel::cli
