#pragma once

#include "protocol/Framing.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vantrel::sim {

// Gathers the bytes the radio hears into request frames. The host sends a request's bytes
// back to back; a pause longer than the radio's inter-byte time-out in the middle of a frame
// means the rest is not coming, and the radio forgets the part it has.
class RequestAssembler {
public:
    static constexpr std::uint32_t kInterByteTimeoutMs = 20;

    // Adds a byte that arrived at `at`; returns the frame it completed, if it did.
    std::optional<std::vector<std::uint8_t>> add(std::uint8_t byte, std::uint32_t at);
    // Whether a partly received frame has gone stale by `now`; clears it when so.
    bool dropStale(std::uint32_t now);
    bool midFrame() const { return !frames_.idle(); }
    // When the frame in progress goes stale.
    std::uint32_t staleAt() const { return lastByteAt_ + kInterByteTimeoutMs + 1; }

private:
    FrameAssembler frames_;
    std::uint32_t lastByteAt_ = 0;
};

}  // namespace vantrel::sim
