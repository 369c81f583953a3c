#pragma once

#include "link/VirtualLine.h"
#include "sim/RequestAssembler.h"
#include "sim/SimRadio.h"

namespace vantrel::sim {

// The simulated radio on a virtual line, in virtual time. The line echoes every byte itself;
// when a fault loses a request, this transport tells the line to take the echo back. The
// acknowledgement and response are scheduled after the request's last byte as the radio's
// answer says. Attaches itself to the line for its lifetime.
class VirtualLineRadio : public LinePeer {
public:
    VirtualLineRadio(SimRadio& radio, VirtualLine& line);
    ~VirtualLineRadio() override;
    VirtualLineRadio(const VirtualLineRadio&) = delete;
    VirtualLineRadio& operator=(const VirtualLineRadio&) = delete;

    void byteFromHost(std::uint8_t byte, std::uint32_t arrivedAt, VirtualLine& line) override;

private:
    SimRadio& radio_;
    VirtualLine& line_;
    RequestAssembler assembler_;
};

}  // namespace vantrel::sim
