#pragma once

#include "protocol/ZIRKFixedRequest.h"

namespace vantrel {

// Returns the radio to normal operation. The radio sends nothing behind its acknowledgement,
// and the engine knows not to wait for a response to this opcode.
class ZIRKResetRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x10;
    ZIRKResetRequest() : ZIRKFixedRequest(kOpcode, {}) {}
};

}  // namespace vantrel
