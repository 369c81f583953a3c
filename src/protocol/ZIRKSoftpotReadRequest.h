#pragma once

#include "protocol/ZIRKSoftpotRequest.h"

namespace vantrel {

// Reads one softpot: its single value (selector 0) or all its points at once (selector 3,
// whose point values stay in the capture area for EnhancedZIRK::pointByte).
class ZIRKSoftpotReadRequest : public ZIRKSoftpotValueRequest {
public:
    static constexpr std::uint8_t kSingleValue = 0;
    static constexpr std::uint8_t kAllPoints = 3;

    ZIRKSoftpotReadRequest(std::uint8_t softpot, std::uint8_t selector);

    void exchangeRecord(CommunicationPort& port, SupportFlags& storage, int code) override;
    // As exchangeRecord, but a captured answer only sets the flag: its bytes are the points.
    void exchangeRecordAll(CommunicationPort& port, SupportFlags& storage, int code) override;

protected:
    std::uint32_t capturedWidth(int code) const override;
};

}  // namespace vantrel
