#include "sim/VirtualLineRadio.h"

namespace vantrel::sim {

VirtualLineRadio::VirtualLineRadio(SimRadio& radio, VirtualLine& line) : radio_(radio), line_(line) {
    line_.attach(this);
}

VirtualLineRadio::~VirtualLineRadio() { line_.attach(nullptr); }

void VirtualLineRadio::byteFromHost(std::uint8_t byte, std::uint32_t arrivedAt, VirtualLine& line) {
    const auto frame = assembler_.add(byte, arrivedAt);
    if (!frame) return;
    const Answer answer = radio_.answer(*frame, arrivedAt);
    if (!answer.echo) line.withdrawEcho(static_cast<std::uint32_t>(frame->size()));
    std::uint32_t last = arrivedAt;
    for (const Transmission& t : answer.transmissions) {
        last = line.sendToHost(t.bytes, last + t.delayMs, t.gapMs);
    }
}

}  // namespace vantrel::sim
