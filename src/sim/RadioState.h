#pragma once

#include <cstdint>
#include <optional>

namespace vantrel::sim {

// The bytes of the last test-mode request (0x22).
struct TestMode {
    std::uint8_t function = 0;
    std::uint8_t level = 0;
    std::uint8_t spacing = 0;

    bool operator==(const TestMode&) const = default;
};

// The channel of the last channel request (0x21). The one-value form tunes transmitter and
// receiver alike; both halves then hold the same value.
struct Channel {
    std::uint16_t transmit = 0;
    std::uint16_t receive = 0;
    bool singleValue = false;

    bool operator==(const Channel&) const = default;
};

// What the radio is doing between requests. Reset returns it to all defaults.
struct RadioState {
    bool keyed = false;
    std::optional<TestMode> testMode;
    std::optional<Channel> channel;

    bool operator==(const RadioState&) const = default;
};

}  // namespace vantrel::sim
