#include "link/VirtualLine.h"

#include <algorithm>

namespace vantrel {

void VirtualLine::schedule(std::uint8_t byte, std::uint32_t at, bool echo) {
    // Keep arrivals in time order; equal times keep the order they were scheduled in.
    auto later = std::upper_bound(toHost_.begin(), toHost_.end(), at,
                                  [](std::uint32_t t, const Arrival& a) { return tickDistance(a.at, t) < 0; });
    toHost_.insert(later, Arrival{at, byte, echo});
}

std::uint32_t VirtualLine::sendToHost(const std::vector<std::uint8_t>& bytes, std::uint32_t at, std::uint32_t gapMs) {
    std::uint32_t t = at;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) t += gapMs;
        schedule(bytes[i], t);
    }
    if (!bytes.empty() && tickDistance(busyUntil_, t) > 0) busyUntil_ = t;
    return t;
}

void VirtualLine::hostSend(std::uint8_t byte) {
    const std::uint32_t start = tickDistance(busyUntil_, now()) > 0 ? now() : busyUntil_;
    const std::uint32_t arrived = start + 1;
    busyUntil_ = arrived;
    sent_.push_back(byte);
    if (echo_) schedule(byte, arrived, true);  // the echo of the single-wire line
    if (peer_ != nullptr) peer_->byteFromHost(byte, arrived, *this);
}

std::uint32_t VirtualLine::withdrawEcho(std::uint32_t count) {
    std::uint32_t taken = 0;
    for (auto it = toHost_.end(); it != toHost_.begin() && taken < count;) {
        --it;
        if (!it->echo) continue;
        it = toHost_.erase(it);
        ++taken;
    }
    return taken;
}

std::uint32_t VirtualLine::hostAvailable() {
    const std::uint32_t t = now();
    std::uint32_t n = 0;
    for (const Arrival& a : toHost_) {
        if (tickDistance(a.at, t) < 0) break;
        ++n;
    }
    return n;
}

std::uint32_t VirtualLine::hostReceive(std::uint8_t* buffer, std::uint32_t count) {
    const std::uint32_t n = std::min(count, hostAvailable());
    for (std::uint32_t i = 0; i < n; ++i) {
        buffer[i] = toHost_.front().byte;
        toHost_.pop_front();
    }
    return n;
}

void VirtualLine::hostPurge() {
    const std::uint32_t n = hostAvailable();
    toHost_.erase(toHost_.begin(), toHost_.begin() + n);
}

VirtualLinePort::VirtualLinePort(VirtualLine& line, std::uint32_t portNumber, std::int32_t echoCheckSetting)
    : SerialPortBase(portNumber, echoCheckSetting, line.clock()), line_(line) {}

std::uint32_t VirtualLinePort::receive(std::uint8_t* buffer, std::uint32_t count) {
    return line_.hostReceive(buffer, count);
}

bool VirtualLinePort::sendByte(std::uint8_t byte) {
    line_.hostSend(byte);
    return true;
}

}  // namespace vantrel
