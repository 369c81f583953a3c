#include "protocol/ZIRKSoftpotWriteRequest.h"

#include "protocol/CaptureArea.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"

#include <algorithm>

namespace vantrel {

std::vector<std::uint8_t> ZIRKSoftpotWriteRequest::valuePayload(std::uint8_t softpot, std::uint8_t mode,
                                                                std::uint32_t value, std::uint32_t width) {
    // Nothing longer could be exchanged anyway; refusing it here keeps a wild width from
    // turning into a wild allocation.
    if (width > CaptureArea::kLongestRequest) throw RequestTooLong();
    std::vector<std::uint8_t> payload{softpot, mode};
    payload.resize(2 + width);
    writeBigEndian(value, payload.data() + 2, width);
    return payload;
}

std::vector<std::uint8_t> ZIRKSoftpotWriteRequest::bytesPayload(std::uint8_t softpot, std::uint8_t mode,
                                                                const std::uint8_t* bytes, std::uint32_t count) {
    if (count > CaptureArea::kLongestRequest) throw RequestTooLong();
    std::vector<std::uint8_t> payload(2 + (bytes != nullptr ? count : 0));
    payload[0] = softpot;
    payload[1] = mode;
    if (bytes != nullptr) std::copy_n(bytes, count, payload.begin() + 2);
    return payload;
}

ZIRKSoftpotWriteRequest::ZIRKSoftpotWriteRequest(std::uint8_t softpot, std::uint8_t mode, std::uint32_t value,
                                                 std::uint32_t width)
    : ZIRKSoftpotRequest(kOpcode, valuePayload(softpot, mode, value, width)) {}

ZIRKSoftpotWriteRequest::ZIRKSoftpotWriteRequest(std::uint8_t softpot, std::uint8_t mode, const std::uint8_t* bytes,
                                                 std::uint32_t count)
    : ZIRKSoftpotRequest(kOpcode, bytesPayload(softpot, mode, bytes, count)) {}

void ZIRKSoftpotWriteRequest::exchangeRecord(CommunicationPort& port, SupportFlags& storage, int code) {
    recordingExchange(port, Send::Verified, storage, code, [] {});
}

}  // namespace vantrel
