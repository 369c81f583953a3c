#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vantrel::sim {

// The ways the simulated radio can misbehave on one request.
enum class FaultKind {
    NoEcho,               // the request is lost on the line: no echo, and the radio hears nothing
    NoAcknowledgement,    // echoed by the line, but the radio stays silent and does nothing
    Refuse,               // the radio answers 0x61 0x9E (opcode 6) and does nothing
    Unsupported,          // acknowledged, then the 0x86 response; nothing done
    LateResponse,         // the response comes `delayMs` after the acknowledgement
    SlowResponse,         // the response comes one byte every `gapMs`
    BareAcknowledgement,  // acknowledged and carried out, but no response follows
    CorruptChecksum,      // the response's checksum byte is wrong
    FlipPayloadByte,      // the lowest bit of the response's last payload byte is flipped and the
                          // checksum left as it was: a bit hit by noise on the cable
    CutShort,             // the response loses its last `cutBytes` bytes
    WriteRefused,         // acknowledged, then 0x85 with the first three payload bytes (a memory
                          // write's address); nothing written
};

std::string_view faultName(FaultKind kind);
std::optional<FaultKind> faultNamed(std::string_view name);

// Which requests a fault applies to. An empty match takes every request; a softpot number
// matches the softpot requests (0x20) and auto-tune requests (0x1F) that name it first; a
// payload only the request with exactly those bytes (one write of one value, say).
struct RequestMatch {
    std::optional<std::uint8_t> opcode;
    std::optional<std::uint8_t> softpot;
    std::optional<std::vector<std::uint8_t>> payload;

    bool matches(std::uint8_t requestOpcode, const std::vector<std::uint8_t>& requestPayload) const;
};

struct FaultRule {
    static constexpr std::uint32_t kForever = 0xFFFFFFFF;
    // Just past the host's 10250-tick wait for the first response byte after a bare acknowledgement.
    static constexpr std::uint32_t kLateDelayMs = 10400;
    static constexpr std::uint32_t kSlowGapMs = 5;

    FaultKind kind = FaultKind::Refuse;
    RequestMatch match;
    std::uint32_t count = 1;  // how many matching requests it hits; kForever never runs out
    std::uint32_t skip = 0;   // matching requests let through before it starts to hit
    std::uint32_t delayMs = kLateDelayMs;
    std::uint32_t gapMs = kSlowGapMs;
    std::uint32_t cutBytes = 1;
};

// The faults a test has armed, each used up by the requests it hits.
class FaultPlan {
public:
    void add(const FaultRule& rule);
    void clear() { rules_.clear(); }
    // The faults that hit this request; every rule that matched loses one use.
    std::vector<FaultRule> take(std::uint8_t opcode, const std::vector<std::uint8_t>& payload);
    bool armed(FaultKind kind) const;

private:
    std::vector<FaultRule> rules_;
};

}  // namespace vantrel::sim
