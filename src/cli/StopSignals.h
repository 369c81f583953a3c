#pragma once

namespace vantrel::cli {

// SIGINT and SIGTERM while vantrel-cli talks to a radio: the first one is only noted, so the
// exchange in flight can finish and the radio can be reset out of test mode; a second one ends
// the program at once, as the technician then clearly wants.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
};

// The signal that asked to stop, or 0.
int stopSignal();

// Raised in place of the next request once a stop was asked for; not a line failure, so no
// repetition and no operation's handling takes it for one.
struct Interrupted {
    int signal;
};

}  // namespace vantrel::cli
