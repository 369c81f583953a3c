#pragma once

#include "protocol/ZIRKFixedRequest.h"

#include <cstdint>

namespace vantrel {

// The baseband offset requests share one opcode. A read names a selector (5, 0, 2, 10 or 8)
// and an index (1..3); the radio answers 0x88 with the value in byte 3.
class ZIRKReadBBORequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x28;
    ZIRKReadBBORequest(std::uint8_t selector, std::uint8_t index) : ZIRKFixedRequest(kOpcode, {selector, index}) {}
};

// A write carries the control byte 0x80 + index in place of the read's index.
class ZIRKWriteBBORequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x28;
    ZIRKWriteBBORequest(std::uint8_t selector, std::uint8_t control, std::uint8_t value)
        : ZIRKFixedRequest(kOpcode, {selector, control, value}) {}
};

}  // namespace vantrel
