#pragma once

#include "protocol/ZIRKSoftpotRequest.h"

#include <cstdint>
#include <vector>

namespace vantrel {

// Writes one softpot. Mode 2 sets the value live, mode 1 commits it, mode 4 writes all points
// of a family at once (as a byte string).
class ZIRKSoftpotWriteRequest : public ZIRKSoftpotRequest {
public:
    // value as `width` bytes, big-endian.
    ZIRKSoftpotWriteRequest(std::uint8_t softpot, std::uint8_t mode, std::uint32_t value, std::uint32_t width);
    // `count` bytes as they are.
    ZIRKSoftpotWriteRequest(std::uint8_t softpot, std::uint8_t mode, const std::uint8_t* bytes, std::uint32_t count);

    void exchangeRecord(CommunicationPort& port, SupportFlags& storage, int code) override;
    // Nothing in the answer to a write matters: it is consumed, whatever it says. The softpot base
    // leaves this wait open, so the plain message's wait is the one meant.
    void awaitLateResponse(CommunicationPort& port) override {
        ZIRKMessage::awaitLateResponse(port);  // NOLINT(bugprone-parent-virtual-call)
    }

private:
    static std::vector<std::uint8_t> valuePayload(std::uint8_t softpot, std::uint8_t mode, std::uint32_t value,
                                                  std::uint32_t width);
    static std::vector<std::uint8_t> bytesPayload(std::uint8_t softpot, std::uint8_t mode, const std::uint8_t* bytes,
                                                  std::uint32_t count);
};

}  // namespace vantrel
