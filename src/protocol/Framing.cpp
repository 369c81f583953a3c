#include "protocol/Framing.h"

#include "protocol/RadioProtocolError.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kExtended = 0xF0;
constexpr std::uint32_t kLongLength = 15;

bool isExtended(const std::uint8_t* frame) { return frame[0] >= kExtended; }
std::uint32_t lengthCode(const std::uint8_t* frame) { return frame[0] & 0x0F; }
}  // namespace

std::uint32_t encodeHeader(std::uint8_t* buffer, std::uint32_t op, std::uint32_t length) {
    op &= 0xFF;
    std::uint32_t position = 1;
    if (op <= 14) {
        buffer[0] = static_cast<std::uint8_t>(op << 4);
    } else {
        buffer[0] = kExtended;
        buffer[1] = static_cast<std::uint8_t>(op);
        position = 2;
    }
    if (length + 1 > 14) {
        buffer[0] |= kLongLength;
        writeBigEndian(length + 1, buffer + position, 2);
        return position + 2;
    }
    if (length != 0 || op > 14) buffer[0] = static_cast<std::uint8_t>(buffer[0] + length + 1);
    return position;
}

std::uint32_t frameSize(std::uint32_t op, std::uint32_t length) {
    op &= 0xFF;
    if (op <= 14 && length == 0) return 1;
    std::uint32_t header = op <= 14 ? 1 : 2;
    if (length + 1 > 14) header += 2;
    return header + length + 1;
}

std::uint32_t payloadLength(const std::uint8_t* frame) {
    const std::uint32_t code = lengthCode(frame);
    if (code != kLongLength) return code == 0 ? 0 : code - 1;
    const std::uint32_t value = readBigEndian(frame + (isExtended(frame) ? 2 : 1), 2);
    return value == 0 ? 0 : value - 1;
}

std::uint32_t payloadOffset(const std::uint8_t* frame) {
    std::uint32_t offset = isExtended(frame) ? 2 : 1;
    if (lengthCode(frame) == kLongLength) offset += 2;
    return offset;
}

std::uint32_t totalLength(const std::uint8_t* frame) { return payloadOffset(frame) + payloadLength(frame) + 1; }

std::uint32_t opcode(const std::uint8_t* frame) { return isExtended(frame) ? frame[1] : frame[0] >> 4; }

std::uint8_t checksumOf(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

std::uint8_t checksum(const std::uint8_t* frame) {
    return checksumOf(frame, payloadOffset(frame) + payloadLength(frame));
}

void verifyChecksum(const std::uint8_t* frame, std::uint32_t length) {
    if (length < 2) return;
    if (checksumOf(frame, length - 1) != frame[length - 1]) throw BadReply();
}

void writeBigEndian(std::uint32_t value, std::uint8_t* destination, std::uint32_t width) {
    for (std::uint32_t i = 0; i < width; ++i) {
        const std::uint32_t shift = 8 * (width - 1 - i);
        destination[i] = shift < 32 ? static_cast<std::uint8_t>(value >> shift) : 0;
    }
}

std::uint32_t readBigEndian(const std::uint8_t* source, std::uint32_t width) {
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < width; ++i) value = (value << 8) | source[i];
    return value;
}

std::vector<std::uint8_t> buildFrame(std::uint32_t op, const std::uint8_t* payload, std::uint32_t length) {
    std::vector<std::uint8_t> frame(frameSize(op, length));
    const std::uint32_t header = encodeHeader(frame.data(), op, length);
    for (std::uint32_t i = 0; i < length; ++i) frame[header + i] = payload[i];
    if (frame.size() > 1) frame.back() = checksumOf(frame.data(), frame.size() - 1);
    return frame;
}

std::optional<std::uint32_t> measuredLength(const std::uint8_t* bytes, std::size_t count) {
    if (count == 0) return std::nullopt;
    std::size_t header = bytes[0] >= kExtended ? 2 : 1;
    if ((bytes[0] & 0x0F) == kLongLength) header += 2;
    if (count < header) return std::nullopt;
    if ((bytes[0] & 0x0F) == 0 && bytes[0] < kExtended) return 1;
    return totalLength(bytes);
}

std::optional<std::vector<std::uint8_t>> FrameAssembler::add(std::uint8_t byte) {
    pending_.push_back(byte);
    const auto length = measuredLength(pending_.data(), pending_.size());
    if (!length || pending_.size() < *length) return std::nullopt;
    std::vector<std::uint8_t> frame;
    frame.swap(pending_);
    return frame;
}

}  // namespace vantrel
