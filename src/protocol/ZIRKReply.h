#pragma once

#include "protocol/ZIRKCodes.h"
#include "protocol/ZIRKMessage.h"

#include <initializer_list>
#include <span>

namespace vantrel {

// A frame read from the line. Its header is re-created in canonical form and the received
// bytes are checked against it, so a reply with a non-canonical header fails its checksum.
class ZIRKReply : public ZIRKMessage {
public:
    using OpcodeSet = std::span<const std::uint8_t>;

    ZIRKReply() = default;

    // Reads one frame; opcode 6 or 0x86 where `expected` was wanted is a BadReply.
    static ZIRKReply readExpected(CommunicationPort& port, std::uint32_t expected, std::uint32_t idleLimit);
    // As readExpected, then copies the first 24 bytes of the frame into buffer.
    static ZIRKReply readInto(CommunicationPort& port, std::uint32_t expected, std::uint32_t idleLimit,
                              std::span<std::uint8_t> buffer);
    // Reads one frame whose opcode must be one of `allowed`.
    static ZIRKReply readAllowed(CommunicationPort& port, OpcodeSet allowed, std::uint32_t idleLimit);
    // The acknowledged read: consumes the echo of an echoLength-byte request, captures a
    // response that follows a bare acknowledgement, then completes the acknowledgement frame.
    // With echoLength 0 it reads a late response.
    static ZIRKReply readAcknowledged(CommunicationPort& port, OpcodeSet allowed, std::uint32_t idleLimit,
                                      std::uint32_t echoLength);

private:
    explicit ZIRKReply(Body body) : ZIRKMessage(std::move(body)) {}
    static ZIRKReply complete(CommunicationPort& port, std::uint8_t first, std::uint32_t opcode,
                              std::uint32_t idleLimit);
};

}  // namespace vantrel
