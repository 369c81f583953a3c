#pragma once

#include "protocol/ZIRKFixedRequest.h"

#include <cstdint>

namespace vantrel {

// Tunes the radio to a channel given in 5 kHz steps above the band base. One value serves
// both directions (or only the receiver matters); two values carry the transmit one first.
class ZIRKChannelRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x21;
    explicit ZIRKChannelRequest(std::uint16_t value) : ZIRKFixedRequest(kOpcode, {0x00, high(value), low(value)}) {}
    ZIRKChannelRequest(std::uint16_t transmit, std::uint16_t receive)
        : ZIRKFixedRequest(kOpcode, {0x00, high(transmit), low(transmit), high(receive), low(receive)}) {}

private:
    static constexpr std::uint8_t high(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }
    static constexpr std::uint8_t low(std::uint16_t v) { return static_cast<std::uint8_t>(v); }
};

}  // namespace vantrel
