#include "cli/ScriptInput.h"

#include <csignal>
#include <iostream>
#include <utility>

#ifndef _WIN32
#include <sys/select.h>
#include <unistd.h>
#endif

namespace vantrel::cli {

namespace {

volatile std::sig_atomic_t caughtSignal = 0;

extern "C" void onStopSignal(int signal) { caughtSignal = signal; }

#ifndef _WIN32
sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

sigset_t heldMask;  // the mask before the stop signals were held back

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM}) sigaction(signal, &action, nullptr);
    // A reader that went away is noticed when an answer cannot be written, not by dying.
    std::signal(SIGPIPE, SIG_IGN);
    const sigset_t held = stopSignals();
    sigprocmask(SIG_BLOCK, &held, &heldMask);
}

void releaseStopSignals() { sigprocmask(SIG_SETMASK, &heldMask, nullptr); }
#else
void catchStopSignals() {
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
}
void releaseStopSignals() {}
#endif

}  // namespace

ScriptInput::ScriptInput(std::istream& in) : in_(in), standardInput_(&in == &std::cin) {
    caughtSignal = 0;
    if (standardInput_) catchStopSignals();
}

ScriptInput::~ScriptInput() {
    if (standardInput_) releaseStopSignals();
}

int ScriptInput::stopSignal() const { return caughtSignal; }

std::optional<std::string> ScriptInput::nextLine() {
    if (caughtSignal != 0) return std::nullopt;
#ifndef _WIN32
    if (standardInput_) return nextStandardLine();
#endif
    std::string line;
    if (!std::getline(in_, line) || caughtSignal != 0) return std::nullopt;
    return line;
}

#ifndef _WIN32
// The stop signals get through only while waiting here: pselect lets them in and holds them
// back again in one step, so none is lost between a check and the wait.
std::optional<std::string> ScriptInput::nextStandardLine() {
    for (;;) {
        const auto end = buffer_.find('\n');
        if (end != std::string::npos) {
            std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return line;
        }
        if (ended_) {
            if (buffer_.empty()) return std::nullopt;
            return std::exchange(buffer_, std::string());
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(STDIN_FILENO, &readable);
        if (pselect(STDIN_FILENO + 1, &readable, nullptr, nullptr, nullptr, &heldMask) < 0) {
            if (caughtSignal != 0) return std::nullopt;
            continue;
        }
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            ended_ = true;
        } else {
            buffer_.append(chunk, static_cast<std::size_t>(got));
        }
    }
}
#else
std::optional<std::string> ScriptInput::nextStandardLine() { return std::nullopt; }
#endif

}  // namespace vantrel::cli
