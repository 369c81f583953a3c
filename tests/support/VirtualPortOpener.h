#pragma once

#include "link/CommunicationError.h"
#include "link/PortOpenFailure.h"
#include "link/PortOpener.h"
#include "link/VirtualClock.h"
#include "link/VirtualLine.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vantrel::testing {

// Hands out ports on one virtual line (attach a peer to `line` to put a radio at its far end),
// installed for the life of the object. Records which port numbers were asked for and how many
// ports were closed again; can be told to refuse, as a port held by another program does.
class VirtualPortOpener : public PortOpener {
public:
    VirtualPortOpener() : scope_(*this) {}

    std::unique_ptr<CommunicationPort> open(std::int32_t portNumber) override {
        requested.push_back(portNumber);
        if (refuse) throw PortInUseError();
        if (refuseBecause) throw PortOpenFailure(*refuseBecause, "/dev/ttyUSB0", 0);
        ++opened;
        return std::make_unique<TrackedPort>(line, static_cast<std::uint32_t>(portNumber), closed);
    }

    VirtualClock clock;
    VirtualLine line{clock};
    std::vector<std::int32_t> requested;
    int opened = 0;
    int closed = 0;
    bool refuse = false;
    // Refuses as a real port does, naming its cause.
    std::optional<PortOpenFailure::Cause> refuseBecause;

private:
    class TrackedPort : public VirtualLinePort {
    public:
        TrackedPort(VirtualLine& line, std::uint32_t number, int& closed)
            : VirtualLinePort(line, number), closed_(closed) {}
        ~TrackedPort() override { ++closed_; }

    private:
        int& closed_;
    };

    ScopedPortOpener scope_;
};

}  // namespace vantrel::testing
