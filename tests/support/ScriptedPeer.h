#pragma once

#include "link/VirtualLine.h"
#include "protocol/Framing.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace vantrel::testing {

using Bytes = std::vector<std::uint8_t>;

// A complete ZIRK frame, checksum included, for scripting answers.
inline Bytes zirkFrame(std::uint32_t opcode, const Bytes& payload) { return buildFrame(opcode, payload); }

// Bytes the peer puts on the line: `delayMs` after the previous burst of the same answer
// ended (for the first burst: after the host's frame has fully arrived), one byte every
// `gapMs` milliseconds.
struct Burst {
    std::uint32_t delayMs = 1;
    Bytes bytes;
    std::uint32_t gapMs = 1;
};

// What the peer does in answer to one host frame. The echo is the line's business, not the
// peer's: every answer, silence included, comes behind the echo.
struct Answer {
    std::vector<Burst> bursts;

    // Nothing at all: the host sees its echo and then an idle line.
    static Answer silence() { return {}; }
    // The bare acknowledgement 0x50 and nothing behind it.
    static Answer ackOnly() { return Answer{}.then(Bytes{0x50}); }
    // The refusal: opcode 6 with an empty payload and its checksum (0x61 0x9E).
    static Answer refusal() { return Answer{}.then(Bytes{0x61, 0x9E}); }
    // The radio's normal way: the bare acknowledgement, then the response `delayMs` later.
    // A delay beyond the host's capture window (10250 idle ticks) makes the response late.
    static Answer respond(const Bytes& response, std::uint32_t delayMs = 1) {
        return ackOnly().then(response, delayMs);
    }
    // A framed acknowledgement (opcode 5 with a checksum: 0x51 0xAE). The host captures
    // nothing behind it, so the response, `delayMs` later, is read as a late response.
    static Answer framedAckThen(const Bytes& response, std::uint32_t delayMs = 1) {
        return Answer{}.then(Bytes{0x51, 0xAE}).then(response, delayMs);
    }

    // Appends a burst.
    Answer then(const Bytes& bytes, std::uint32_t delayMs = 1, std::uint32_t gapMs = 1) && {
        bursts.push_back(Burst{delayMs, bytes, gapMs});
        return std::move(*this);
    }
    Answer& then(const Bytes& bytes, std::uint32_t delayMs = 1, std::uint32_t gapMs = 1) & {
        bursts.push_back(Burst{delayMs, bytes, gapMs});
        return *this;
    }
};

// A stand-in for the radio that follows a script: it assembles the host's bytes into frames
// and answers each complete frame with the next scripted Answer (or, once the script is used
// up, with the fallback answer, silence unless set). Every frame the host sent is recorded,
// so a test can count attempts and check the exact bytes of each.
//
// It attaches itself to the line on construction and detaches on destruction.
class ScriptedPeer : public LinePeer {
public:
    explicit ScriptedPeer(VirtualLine& line);
    ~ScriptedPeer() override;
    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    // Queues the answer to the next host frame not yet answered.
    ScriptedPeer& answer(Answer next);
    // Queues the same answer for the next `count` frames.
    ScriptedPeer& answer(const Answer& next, std::size_t count);
    // The answer for every frame once the queue is empty.
    ScriptedPeer& otherwise(Answer fallback);

    const std::vector<Bytes>& frames() const { return frames_; }
    std::size_t unanswered() const { return script_.size(); }

    void byteFromHost(std::uint8_t byte, std::uint32_t arrivedAt, VirtualLine& line) override;

private:
    void play(const Answer& answer, std::uint32_t from, VirtualLine& line);

    VirtualLine& line_;
    FrameAssembler assembler_;
    std::deque<Answer> script_;
    Answer fallback_;
    std::vector<Bytes> frames_;
};

}  // namespace vantrel::testing
