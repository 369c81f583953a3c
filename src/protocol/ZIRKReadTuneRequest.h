#pragma once

#include "protocol/ZIRKFixedRequest.h"

namespace vantrel {

// Asks for the frequency plan: band base, channel spacing mask, the transmit and receive
// points, the DAC values, the tuning procedure version and the battery threshold target.
class ZIRKReadTuneRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x1B;
    ZIRKReadTuneRequest() : ZIRKFixedRequest(kOpcode, {0x00}) {}
};

}  // namespace vantrel
