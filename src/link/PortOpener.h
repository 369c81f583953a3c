#pragma once

#include "link/CommunicationPort.h"

#include <cstdint>
#include <memory>

namespace vantrel {

// Where a connection gets its port. The program opens the operating system's device; tests
// install an opener that hands out a virtual line to a simulated radio, so whole commands run
// against the real protocol engine without a radio on the desk.
class PortOpener {
public:
    virtual ~PortOpener() = default;
    // Opens COM portNumber exclusively with the fixed line format, or raises PortInUseError
    // (or another line failure) when that is not possible.
    virtual std::unique_ptr<CommunicationPort> open(std::int32_t portNumber) = 0;
};

// The operating system's serial device for COM portNumber, 9600 8N1, no echo comparison.
// Supplied by the platform's port (PosixPortOpener.cpp, Win32PortOpener.cpp).
std::unique_ptr<CommunicationPort> openSystemPort(std::int32_t portNumber);

class SystemPortOpener : public PortOpener {
public:
    std::unique_ptr<CommunicationPort> open(std::int32_t portNumber) override { return openSystemPort(portNumber); }
};

// The opener every connection uses: the installed one, else the system's.
PortOpener& portOpener();
// Installs an opener (not owned; nullptr restores the system's) and returns the one it replaces.
PortOpener* setPortOpener(PortOpener* opener);

// Installs an opener for the life of a scope, then puts back the one before.
class ScopedPortOpener {
public:
    explicit ScopedPortOpener(PortOpener& opener) : previous_(setPortOpener(&opener)) {}
    ~ScopedPortOpener() { setPortOpener(previous_); }
    ScopedPortOpener(const ScopedPortOpener&) = delete;
    ScopedPortOpener& operator=(const ScopedPortOpener&) = delete;

private:
    PortOpener* previous_;
};

}  // namespace vantrel
