#pragma once

#include "protocol/ZIRKFixedRequest.h"

namespace vantrel {

// Keys or releases the transmitter; the one payload byte is the wanted state.
class ZIRKKeyRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x19;

protected:
    explicit ZIRKKeyRequest(std::uint8_t keyed) : ZIRKFixedRequest(kOpcode, {keyed}) {}
};

class ZIRKKeyUpRequest : public ZIRKKeyRequest {
public:
    ZIRKKeyUpRequest() : ZIRKKeyRequest(0x01) {}
};

class ZIRKDekeyRequest : public ZIRKKeyRequest {
public:
    ZIRKDekeyRequest() : ZIRKKeyRequest(0x00) {}
};

}  // namespace vantrel
