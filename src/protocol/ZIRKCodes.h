#pragma once

#include <cstdint>

// The opcodes of the frames the radio answers with, and the idle limits of the exchanges. Kept
// apart from the message classes so code that only looks at a reply's bytes needs neither.
namespace vantrel {

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
