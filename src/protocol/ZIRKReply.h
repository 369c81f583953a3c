#pragma once

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

namespace opcodes {
inline constexpr std::uint8_t kAcknowledge = 5;
inline constexpr std::uint8_t kRefuse = 6;
inline constexpr std::uint8_t kMemoryRead = 0x80;
inline constexpr std::uint8_t kMemoryWritten = 0x84;
inline constexpr std::uint8_t kMemoryWriteRefused = 0x85;
inline constexpr std::uint8_t kUnsupported = 0x86;
inline constexpr std::uint8_t kBaseband = 0x88;
inline constexpr std::uint8_t kSoftpot = 0x8A;
inline constexpr std::uint8_t kBareAcknowledge = 0x50;

inline constexpr std::uint8_t kAcknowledgeSet[] = {kAcknowledge, kRefuse};
inline constexpr std::uint8_t kSoftpotSet[] = {kSoftpot, kUnsupported};
inline constexpr std::uint8_t kMemoryWriteSet[] = {kMemoryWritten, kMemoryWriteRefused};
}  // namespace opcodes

// Idle limits of the exchanges, in ticks.
namespace waits {
inline constexpr std::uint32_t kFirstEcho = 10;
inline constexpr std::uint32_t kEchoPerByte = 250;
inline constexpr std::uint32_t kAcknowledge = 250;
inline constexpr std::uint32_t kResponseAfterBareAck = 10250;
inline constexpr std::uint32_t kReply = 20000;
inline constexpr std::uint32_t kLateOpcode = 250;
inline constexpr std::uint32_t kFailurePacing = 10;
inline constexpr double kMemoryWriteSeconds = 2.0;
}  // namespace waits

}  // namespace vantrel
