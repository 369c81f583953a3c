#include "model/codeplugAccess.h"

#include "link/CommunicationError.h"
#include "protocol/EnhancedZIRK.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/cominit.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

constexpr std::uint32_t kMemoryAnswer = 0x80;
constexpr std::uint32_t kAddressBytes = 3;

}  // namespace

std::vector<std::uint8_t> readCodeplugBytes(EnhancedZIRK& conn, std::uint32_t address, std::uint32_t count) {
    if (count == 0 || count > codeplugAccess::kReadChunk) throw std::out_of_range("codeplug read of 1 to 32 bytes");
    EnhancedZIRK::Response raw{};
    conn.readMemory(raw, address, count);
    const std::uint32_t start = payloadOffset(raw.data());
    if (opcode(raw.data()) != kMemoryAnswer || payloadLength(raw.data()) != kAddressBytes + count ||
        start + kAddressBytes + count > raw.size() || readBigEndian(raw.data() + start, kAddressBytes) != address) {
        throw BadReply();
    }
    const auto data = raw.begin() + start + kAddressBytes;
    return std::vector<std::uint8_t>(data, data + count);
}

bool codeplugAccess::load(EnhancedZIRK& conn, std::uint32_t address) {
    loaded_ = false;
    block_.clear();
    try {
        const std::vector<std::uint8_t> header = readCodeplugBytes(conn, address, CodeplugBlockLayout::kHeaderBytes);
        layout_ = CodeplugBlockLayout::fromHeader(std::span<const std::uint8_t, 6>(header.data(), 6));
        layout_.measure(address, [&](std::uint32_t position) {
            if (position < header.size()) return header[position];
            return readCodeplugBytes(conn, address + position, 1).front();
        });
        block_.resize(layout_.totalSize);
        for (std::uint32_t offset = 0; offset < layout_.totalSize; offset += kReadChunk) {
            const std::uint32_t count = std::min(kReadChunk, layout_.totalSize - offset);
            const std::vector<std::uint8_t> chunk = readCodeplugBytes(conn, address + offset, count);
            std::copy(chunk.begin(), chunk.end(), block_.begin() + offset);
        }
    } catch (const CommunicationError&) {
        block_.clear();
        return false;
    }
    loaded_ = true;
    return true;
}

std::optional<std::uint32_t> codeplugAccess::positionOf(std::uint32_t subBlock, std::uint32_t entry,
                                                        std::uint32_t index) const {
    if (!loaded_) return std::nullopt;
    return layout_.position(block_, subBlock, entry, index);
}

bool codeplugAccess::readByte(std::uint32_t subBlock, std::uint32_t entry, std::uint32_t index,
                              std::uint8_t& out) const {
    const auto at = positionOf(subBlock, entry, index);
    if (!at) return false;
    out = block_[*at];
    return true;
}

bool codeplugAccess::writeByte(std::uint8_t value, std::uint32_t subBlock, std::uint32_t entry, std::uint32_t index) {
    const auto at = positionOf(subBlock, entry, index);
    if (!at) return false;
    const auto guard = layout_.guardOf(block_, *at);
    if (guard) {
        block_[*guard] = static_cast<std::uint8_t>(block_[*guard] + block_[*at] - value);
    } else if (layout_.hasChecksums()) {
        return false;
    }
    block_[*at] = value;
    return true;
}

bool codeplugAccess::writeByteWithSum(std::uint8_t value, std::uint32_t subBlock, std::uint32_t entry,
                                      std::uint32_t index, std::uint16_t& sum) {
    const auto at = positionOf(subBlock, entry, index);
    if (!at) return false;
    sum = static_cast<std::uint16_t>(sum + value - block_[*at]);
    block_[*at] = value;
    return true;
}

bool codeplugAccess::store(EnhancedZIRK& conn, std::uint32_t address) const {
    if (!loaded_) return false;
    try {
        for (std::uint32_t offset = 0; offset < block_.size(); offset += kWriteChunk) {
            const auto count = std::min<std::uint32_t>(kWriteChunk, static_cast<std::uint32_t>(block_.size()) - offset);
            conn.writeMemory(std::span(block_).subspan(offset, count), address + offset, count);
        }
    } catch (const CommunicationError&) {
        return false;
    }
    return true;
}

std::uint16_t codeplugAccess::readCodeplugSum() const {
    cominit conn;
    const std::vector<std::uint8_t> sum = readCodeplugBytes(conn, kCodeplugSumAddress, 2);
    return static_cast<std::uint16_t>(readBigEndian(sum.data(), 2));
}

bool codeplugAccess::writeCodeplugSum(EnhancedZIRK& conn, std::uint16_t sum) const {
    std::array<std::uint8_t, 2> bytes{};
    writeBigEndian(sum, bytes.data(), 2);
    try {
        conn.writeMemory(bytes, kCodeplugSumAddress, 2);
    } catch (const CommunicationError&) {
        return false;
    }
    return true;
}

}  // namespace vantrel
