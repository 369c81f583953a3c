#pragma once

#include "protocol/ZIRKMessage.h"

#include <array>
#include <cstdint>
#include <string>

namespace vantrel {

// Stores a new serial number in the radio: 0x00, then exactly ten characters.
class ZIRKWriteSerialNoRequest : public ZIRKMessage {
public:
    static constexpr std::uint8_t kOpcode = 0x18;
    static constexpr std::size_t kSerialLength = 10;

    // Takes the first ten characters of text; a shorter text is padded with blanks, so the
    // request never carries bytes from beyond the text.
    explicit ZIRKWriteSerialNoRequest(const std::string& text)
        : ZIRKMessage(kOpcode, payloadFor(text).data(), kSerialLength + 1) {}

private:
    static std::array<std::uint8_t, kSerialLength + 1> payloadFor(const std::string& text);
};

}  // namespace vantrel
