#pragma once

#include "model/codeplugBlockLayout.h"

#include <cstdint>
#include <vector>

namespace vantrel {

class EnhancedZIRK;

// `count` bytes (at most kChunk) of codeplug memory at `address`, taken from the raw memory
// answer. BadReply when the answer is not a memory answer for that address holding that many
// bytes; the line and protocol failures of the exchange propagate.
std::vector<std::uint8_t> readCodeplugBytes(EnhancedZIRK& conn, std::uint32_t address, std::uint32_t count);

// One table block of the radio's codeplug, read whole into a copy that is edited with its
// checksums kept right and written back. Every byte addressed is checked against the block
// actually loaded, so a block claiming more than it holds is refused rather than overrun.
class codeplugAccess {
public:
    static constexpr std::uint32_t kReadChunk = 32;
    static constexpr std::uint32_t kWriteChunk = 38;
    static constexpr std::uint32_t kCodeplugSumAddress = 766;

    // Reads the header at `address`, measures the block and reads it in chunks. False when an
    // exchange failed; CodeplugBlockError when the header describes no possible block. Either
    // way the previous copy is gone.
    bool load(EnhancedZIRK& conn, std::uint32_t address);
    bool loaded() const { return loaded_; }

    bool readByte(std::uint32_t subBlock, std::uint32_t entry, std::uint32_t index, std::uint8_t& out) const;
    // Adjusts the checksum byte that guards the byte so that its span keeps its sum. Refused
    // when no such byte exists although the block carries checksums.
    bool writeByte(std::uint8_t value, std::uint32_t subBlock, std::uint32_t entry, std::uint32_t index);
    // Leaves the block's own checksums alone and carries the change into the caller's
    // codeplug sum instead.
    bool writeByteWithSum(std::uint8_t value, std::uint32_t subBlock, std::uint32_t entry, std::uint32_t index,
                          std::uint16_t& sum);
    bool store(EnhancedZIRK& conn, std::uint32_t address) const;

    // The 16-bit codeplug sum at 766, high byte first, over a connection of its own; failures
    // propagate.
    std::uint16_t readCodeplugSum() const;
    bool writeCodeplugSum(EnhancedZIRK& conn, std::uint16_t sum) const;

    const CodeplugBlockLayout& layout() const { return layout_; }
    const std::vector<std::uint8_t>& block() const { return block_; }

private:
    std::optional<std::uint32_t> positionOf(std::uint32_t subBlock, std::uint32_t entry, std::uint32_t index) const;

    CodeplugBlockLayout layout_;
    std::vector<std::uint8_t> block_;
    bool loaded_ = false;
};

}  // namespace vantrel
