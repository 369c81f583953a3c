#pragma once

#include "protocol/ZIRKSoftpotRequest.h"

namespace vantrel {

// Lets the radio tune one softpot itself; it answers with the value it found. Tuning takes
// the radio a while, so a late answer is given the long wait from its first byte on.
class ZIRKAutoTuneRequest : public ZIRKSoftpotValueRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x1F;

    explicit ZIRKAutoTuneRequest(std::uint8_t softpot);

    void exchangeRecord(CommunicationPort& port, SupportFlags& storage, int code) override;

protected:
    std::uint32_t capturedWidth(int code) const override;
    ZIRKReply readLateRecordAnswer(CommunicationPort& port) override;
};

}  // namespace vantrel
