#pragma once

#include "protocol/ZIRKFixedRequest.h"

namespace vantrel {

// Reads the four temperature compensation bytes (bytes 3..6 of the answer), on the softpot
// opcode.
class ZIRKTempCompRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x20;
    ZIRKTempCompRequest() : ZIRKFixedRequest(kOpcode, {0x01, 0x00, 0x00}) {}
};

}  // namespace vantrel
