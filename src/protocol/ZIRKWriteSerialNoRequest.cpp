#include "protocol/ZIRKWriteSerialNoRequest.h"

namespace vantrel {

std::array<std::uint8_t, ZIRKWriteSerialNoRequest::kSerialLength + 1> ZIRKWriteSerialNoRequest::payloadFor(
    const std::string& text) {
    std::array<std::uint8_t, kSerialLength + 1> payload{};
    payload[0] = 0x00;
    for (std::size_t i = 0; i < kSerialLength; ++i) {
        payload[i + 1] = static_cast<std::uint8_t>(i < text.size() ? text[i] : ' ');
    }
    return payload;
}

}  // namespace vantrel
