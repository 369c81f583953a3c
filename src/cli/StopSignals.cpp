#include "cli/StopSignals.h"

#include <csignal>

namespace vantrel::cli {

namespace {

volatile std::sig_atomic_t requested = 0;

using Handler = void (*)(int);
Handler previousInterrupt = SIG_DFL;
Handler previousTerminate = SIG_DFL;

extern "C" void noteStop(int signal) {
    requested = signal;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

}  // namespace

StopSignals::StopSignals() {
    requested = 0;
    previousInterrupt = std::signal(SIGINT, noteStop);
    previousTerminate = std::signal(SIGTERM, noteStop);
}

StopSignals::~StopSignals() {
    std::signal(SIGINT, previousInterrupt == SIG_ERR ? SIG_DFL : previousInterrupt);
    std::signal(SIGTERM, previousTerminate == SIG_ERR ? SIG_DFL : previousTerminate);
}

int stopSignal() { return requested; }

}  // namespace vantrel::cli
