#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantrel {

// ZIRK frame layout. First byte: high nibble the opcode (0..14) or 15 when the opcode follows
// in the next byte; low nibble the length code: 0 = one-byte frame, 1..14 = payload of
// code-1 bytes, 15 = payload length + 1 in a two-byte big-endian field. Every frame but the
// one-byte form ends in a checksum: 0xFF minus the byte sum of everything before it.

// Writes the header for opcode and payload length into buffer (room for 4 bytes); returns
// the header length.
std::uint32_t encodeHeader(std::uint8_t* buffer, std::uint32_t opcode, std::uint32_t payloadLength);
std::uint32_t frameSize(std::uint32_t opcode, std::uint32_t payloadLength);

// Measurements of a frame whose header (up to four bytes) is readable.
std::uint32_t payloadLength(const std::uint8_t* frame);
std::uint32_t payloadOffset(const std::uint8_t* frame);
std::uint32_t totalLength(const std::uint8_t* frame);
std::uint32_t opcode(const std::uint8_t* frame);
std::uint8_t checksum(const std::uint8_t* frame);
// Throws BadReply when the last of `length` bytes is not the checksum of the ones before;
// lengths below 2 are accepted as they are.
void verifyChecksum(const std::uint8_t* frame, std::uint32_t length);

void writeBigEndian(std::uint32_t value, std::uint8_t* destination, std::uint32_t width);
std::uint32_t readBigEndian(const std::uint8_t* source, std::uint32_t width);

// Checksum over `count` bytes.
std::uint8_t checksumOf(const std::uint8_t* bytes, std::size_t count);
// A complete frame for opcode and payload, checksum included.
std::vector<std::uint8_t> buildFrame(std::uint32_t opcode, const std::uint8_t* payload, std::uint32_t length);
inline std::vector<std::uint8_t> buildFrame(std::uint32_t opcode, const std::vector<std::uint8_t>& payload) {
    return buildFrame(opcode, payload.data(), static_cast<std::uint32_t>(payload.size()));
}
// The number of header bytes needed before a frame can be measured: 1..4, derived from the
// bytes at hand (count of them given); nullopt when more bytes are needed to tell.
std::optional<std::uint32_t> measuredLength(const std::uint8_t* bytes, std::size_t count);

// Collects a byte stream into frames: each complete frame is handed out as it closes.
class FrameAssembler {
public:
    // Adds one byte; returns the completed frame when this byte closed one.
    std::optional<std::vector<std::uint8_t>> add(std::uint8_t byte);
    void clear() { pending_.clear(); }
    bool idle() const { return pending_.empty(); }

private:
    std::vector<std::uint8_t> pending_;
};

}  // namespace vantrel
