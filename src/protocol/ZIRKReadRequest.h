#pragma once

#include "protocol/ZIRKMessage.h"

#include <cstdint>
#include <span>

namespace vantrel {

// Reads `count` bytes of codeplug memory at a 24-bit address. The radio answers 0x80 with the
// address and then the data.
//
// Used with the plain exchange, it copies the data alone (without the address) into its
// destination, whether the answer came with the acknowledgement or late. Used with
// transactData, the caller receives the raw answer frame instead.
class ZIRKReadRequest : public ZIRKMessage {
public:
    static constexpr std::uint8_t kOpcode = 0x11;
    static constexpr std::uint32_t kAddressBytes = 3;

    ZIRKReadRequest(std::span<std::uint8_t> destination, std::uint32_t address, std::uint8_t count);

    void exchange(CommunicationPort& port) override;
    void awaitLateResponse(CommunicationPort& port) override;

private:
    // BadReply unless the frame is a memory answer for exactly this address and count.
    void accept(const std::uint8_t* frame, std::uint32_t size);

    std::span<std::uint8_t> destination_;
    std::uint32_t address_;
    std::uint8_t count_;
};

}  // namespace vantrel
