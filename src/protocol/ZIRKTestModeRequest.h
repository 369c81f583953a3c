#pragma once

#include "protocol/ZIRKFixedRequest.h"

#include <cstdint>

namespace vantrel {

// Puts the radio into the test mode a softpot family is tuned in; the third byte is the
// channel spacing code (0 = 12.5 kHz, 1 = 20 kHz, 2 = 25 kHz).
class ZIRKTestModeRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x22;
    ZIRKTestModeRequest(std::uint8_t function, std::uint8_t level, std::uint8_t spacing)
        : ZIRKFixedRequest(kOpcode, {function, level, spacing}) {}
};

}  // namespace vantrel
