#pragma once

#include "protocol/ZIRKMessage.h"

#include <cstdint>
#include <initializer_list>

namespace vantrel {

// A request whose few payload bytes are all known when it is built. It uses the exchange
// kinds every message inherits; the named requests only say which bytes they carry.
class ZIRKFixedRequest : public ZIRKMessage {
protected:
    ZIRKFixedRequest(std::uint8_t opcode, std::initializer_list<std::uint8_t> payload)
        : ZIRKMessage(opcode, payload.begin(), static_cast<std::uint32_t>(payload.size())) {}
};

}  // namespace vantrel
