#include "model/codeplugBlockLayout.h"

#include <cstdio>

namespace vantrel {

namespace {

constexpr std::uint8_t kBlockChecksumBit = 0x80;
constexpr std::uint8_t kChecksumBit = 0x40;
constexpr std::uint8_t kSubBlockFormBit = 0x04;
constexpr std::uint32_t kVariableFirstCount = 5;
constexpr std::uint64_t kAddressSpace = 0x1000000;

std::string describe(std::uint32_t address, std::uint64_t size) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "the codeplug block header at 0x%06X claims %llu bytes, more than a block can hold", address,
                  static_cast<unsigned long long>(size));
    return text;
}

}  // namespace

CodeplugBlockLayout CodeplugBlockLayout::fromHeader(std::span<const std::uint8_t, kHeaderBytes> header) {
    CodeplugBlockLayout layout;
    layout.blockChecksum = (header[0] & kBlockChecksumBit) != 0;
    layout.subBlockForm = (header[0] & kSubBlockFormBit) != 0;
    if (!layout.subBlockForm) {
        layout.entryChecksums = (header[0] & kChecksumBit) != 0;
        layout.entryLength = header[1];
        layout.entryCount = header[2];
        return layout;
    }
    layout.subBlockChecksums = (header[0] & kChecksumBit) != 0;
    layout.subBlockSize = header[1];
    layout.subBlockCount = header[2];
    layout.entryChecksums = (header[3] & kChecksumBit) != 0;
    layout.entryLength = header[4];
    layout.entryCount = header[5];
    return layout;
}

std::uint32_t CodeplugBlockLayout::variableSubBlockBytes(std::uint32_t entries) const {
    return entryLength * entries + 1 + (entryChecksums ? entries : 0) + (subBlockChecksums ? 1 : 0);
}

void CodeplugBlockLayout::measure(std::uint32_t address, const std::function<std::uint8_t(std::uint32_t)>& countAt) {
    std::uint64_t size = 0;
    if (!subBlockForm) {
        size = std::uint64_t{entryLength} * entryCount + kSimpleHeader + (entryChecksums ? entryCount : 0);
    } else if (subBlockSize != 0) {
        size = std::uint64_t{subBlockSize} * subBlockCount + kSubBlockHeader + (subBlockChecksums ? subBlockCount : 0);
    } else {
        size = kVariableFirstCount;
        for (std::uint32_t s = 0; s < subBlockCount; ++s) {
            // Checked before each count byte is asked for, so a hostile header never sends us
            // reading far beyond any real table.
            if (size >= kMaxBlockSize) throw CodeplugBlockError(describe(address, size));
            size += variableSubBlockBytes(countAt(static_cast<std::uint32_t>(size)));
        }
    }
    size += blockChecksum ? 1 : 0;
    if (size > kMaxBlockSize || address + size > kAddressSpace) throw CodeplugBlockError(describe(address, size));
    totalSize = static_cast<std::uint32_t>(size);
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> CodeplugBlockLayout::variableSubBlock(
    std::span<const std::uint8_t> block, std::uint32_t s) const {
    std::uint32_t start = kVariableFirstCount;
    for (std::uint32_t k = 0;; ++k) {
        if (start >= block.size() || start >= dataEnd()) return std::nullopt;
        const std::uint32_t size = variableSubBlockBytes(block[start]);
        if (k == s) return std::make_pair(start, size);
        start += size;
    }
}

std::optional<std::uint32_t> CodeplugBlockLayout::position(std::span<const std::uint8_t> block, std::uint32_t subBlock,
                                                           std::uint32_t entry, std::uint32_t index) const {
    if (index >= entryLength) return std::nullopt;
    std::uint64_t at = 0;
    if (!subBlockForm) {
        if (subBlock != 0 || entry >= entryCount) return std::nullopt;
        at = kSimpleHeader + std::uint64_t{entry} * entryStride() + index;
    } else if (!variableSubBlocks()) {
        if (subBlock >= subBlockCount || entry >= entryCount) return std::nullopt;
        const std::uint64_t within = std::uint64_t{entry} * entryStride() + index;
        if (within >= subBlockSize) return std::nullopt;
        at = kSubBlockHeader + std::uint64_t{subBlock} * fixedSubBlockStride() + within;
    } else {
        if (subBlock >= subBlockCount) return std::nullopt;
        const auto span = variableSubBlock(block, subBlock);
        if (!span || entry >= block[span->first]) return std::nullopt;
        at = span->first + 1 + std::uint64_t{entry} * entryStride() + index;
    }
    if (at >= dataEnd() || at >= block.size()) return std::nullopt;
    return static_cast<std::uint32_t>(at);
}

std::optional<std::uint32_t> CodeplugBlockLayout::guardOf(std::span<const std::uint8_t> block,
                                                          std::uint32_t offset) const {
    if (offset < headerLength() || offset >= totalSize || offset >= block.size()) return std::nullopt;
    std::optional<std::uint32_t> guard;
    if (!subBlockForm && entryChecksums) {
        const std::uint32_t k = (offset - kSimpleHeader) / entryStride();
        if (k >= entryCount) return std::nullopt;
        guard = kSimpleHeader + k * entryStride() + entryLength;
    } else if (subBlockForm && subBlockChecksums && !variableSubBlocks()) {
        const std::uint32_t k = (offset - kSubBlockHeader) / fixedSubBlockStride();
        if (k >= subBlockCount) return std::nullopt;
        guard = kSubBlockHeader + k * fixedSubBlockStride() + subBlockSize;
    } else if (subBlockForm && subBlockChecksums) {
        for (std::uint32_t k = 0; k < subBlockCount && !guard; ++k) {
            const auto span = variableSubBlock(block, k);
            if (!span) return std::nullopt;
            if (offset < span->first + span->second) guard = span->first + span->second - 1;
        }
        if (!guard) return std::nullopt;
    } else if (blockChecksum) {
        return offset == totalSize - 1 ? std::nullopt : std::optional<std::uint32_t>(totalSize - 1);
    } else {
        return std::nullopt;
    }
    // An entry or sub-block checksum that would fall on the block checksum or beyond belongs
    // to no real entry or sub-block.
    if (*guard == offset || *guard >= dataEnd()) return std::nullopt;
    return guard;
}

}  // namespace vantrel
