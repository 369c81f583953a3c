#pragma once

#include "link/SerialPortBase.h"
#include "link/VirtualClock.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace vantrel {

class VirtualLine;

// The far end of a virtual line: told of every byte the host puts on the wire, at the
// virtual time the byte has fully arrived, and answers by scheduling bytes back.
class LinePeer {
public:
    virtual ~LinePeer() = default;
    virtual void byteFromHost(std::uint8_t byte, std::uint32_t arrivedAt, VirtualLine& line) = 0;
};

// An in-memory half-duplex line on virtual time. Every byte the host sends takes one
// millisecond on the wire and comes back as its echo, as on the radio's single-wire line;
// the peer's bytes become visible to the host when the clock reaches their arrival time.
class VirtualLine {
public:
    explicit VirtualLine(VirtualClock& clock) : clock_(clock) {}

    void attach(LinePeer* peer) { peer_ = peer; }
    VirtualClock& clock() { return clock_; }
    std::uint32_t now() { return clock_.milliseconds(); }

    // Peer side: bytes arriving at the host from `at` on, one every `gapMs` milliseconds.
    // Returns the arrival time of the last byte.
    std::uint32_t sendToHost(const std::vector<std::uint8_t>& bytes, std::uint32_t at, std::uint32_t gapMs = 1);
    // The moment the wire is free again after everything already scheduled.
    std::uint32_t busyUntil() const { return busyUntil_; }
    // Takes back the echoes of the last `count` bytes the host sent that have not been received
    // yet: a request lost on the line comes back as nothing at all. Returns how many were taken.
    std::uint32_t withdrawEcho(std::uint32_t count);

    // A broken wire: while off, the host's bytes still reach the peer but no echo comes back.
    void setEchoEnabled(bool enabled) { echo_ = enabled; }
    bool echoEnabled() const { return echo_; }

    // Host side.
    void hostSend(std::uint8_t byte);
    std::uint32_t hostAvailable();
    std::uint32_t hostReceive(std::uint8_t* buffer, std::uint32_t count);
    void hostPurge();
    // Every byte the host has put on the wire, in order.
    const std::vector<std::uint8_t>& sentByHost() const { return sent_; }

private:
    struct Arrival {
        std::uint32_t at;
        std::uint8_t byte;
        bool echo;
    };
    void schedule(std::uint8_t byte, std::uint32_t at, bool echo = false);

    VirtualClock& clock_;
    LinePeer* peer_ = nullptr;
    std::deque<Arrival> toHost_;
    std::vector<std::uint8_t> sent_;
    std::uint32_t busyUntil_ = 0;
    bool echo_ = true;
};

// The host's port on a virtual line.
class VirtualLinePort : public SerialPortBase {
public:
    VirtualLinePort(VirtualLine& line, std::uint32_t portNumber = 1, std::int32_t echoCheckSetting = 0);

    std::uint32_t receive(std::uint8_t* buffer, std::uint32_t count) override;
    void purgeReceive() override { line_.hostPurge(); }
    std::uint32_t bytesAvailable() override { return line_.hostAvailable(); }

protected:
    bool sendByte(std::uint8_t byte) override;
    void applyLineFormat() override {}

private:
    VirtualLine& line_;
};

}  // namespace vantrel
