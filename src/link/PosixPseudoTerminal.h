#pragma once

#include <string>

namespace vantrel {

// A pseudo-terminal pair: the far side (`slavePath()`) is a terminal device that a serial port
// can open like a real line, and whoever holds the master plays the radio. Both sides start raw,
// so the terminal itself neither echoes nor translates anything.
//
// A master whose far side has no open descriptor fails its reads with EIO (before a port opens,
// and between two ports), so the pair keeps one descriptor of the far side open for its lifetime.
// That descriptor takes no part in the exclusive claim of a port.
class PosixPseudoTerminal {
public:
    // Throws std::system_error when the host has no pseudo-terminal to give.
    PosixPseudoTerminal();
    ~PosixPseudoTerminal();

    PosixPseudoTerminal(const PosixPseudoTerminal&) = delete;
    PosixPseudoTerminal& operator=(const PosixPseudoTerminal&) = delete;

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    // The far-side descriptor the pair keeps open; its terminal settings are the port's.
    int heldSlave() const { return heldSlave_; }

private:
    void close();

    int master_ = -1;
    int heldSlave_ = -1;
    std::string slavePath_;
};

}  // namespace vantrel
