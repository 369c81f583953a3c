#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace vantrel {

// A block header that cannot describe a block of the codeplug (one that claims more than a
// block can hold, or reaches past the end of the radio's 24-bit address space).
class CodeplugBlockError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The header of one table block of the codeplug, and where each byte of the block lies. Pure:
// the caller supplies the bytes.
struct CodeplugBlockLayout {
    static constexpr std::uint32_t kHeaderBytes = 6;  // read once, whatever the form
    static constexpr std::uint32_t kSimpleHeader = 3;
    static constexpr std::uint32_t kSubBlockHeader = 6;
    // No codeplug table comes near this; a header claiming more is not believed.
    static constexpr std::uint32_t kMaxBlockSize = 0x10000;

    bool blockChecksum = false;
    bool subBlockForm = false;
    bool entryChecksums = false;
    bool subBlockChecksums = false;
    std::uint32_t entryLength = 0;
    std::uint32_t entryCount = 0;
    std::uint32_t subBlockSize = 0;  // 0: each sub-block begins with its own entry count
    std::uint32_t subBlockCount = 0;
    std::uint32_t totalSize = 0;  // set by measure()

    static CodeplugBlockLayout fromHeader(std::span<const std::uint8_t, kHeaderBytes> header);

    std::uint32_t headerLength() const { return subBlockForm ? kSubBlockHeader : kSimpleHeader; }
    bool variableSubBlocks() const { return subBlockForm && subBlockSize == 0; }
    bool hasChecksums() const { return blockChecksum || entryChecksums || subBlockChecksums; }
    // Bytes of a variable sub-block holding n entries, its count byte and checksum included.
    std::uint32_t variableSubBlockBytes(std::uint32_t entries) const;

    // Sets totalSize. A variable block asks countAt for the entry count byte at each sub-block's
    // position within the block (position 5 is the header's last byte). CodeplugBlockError when
    // the block would exceed kMaxBlockSize or, placed at `address`, the address space.
    void measure(std::uint32_t address, const std::function<std::uint8_t(std::uint32_t)>& countAt);

    // Position within the block of byte `index` of entry `entry` of sub-block `subBlock`, or
    // nothing when any of them lies outside the block as loaded in `block`.
    std::optional<std::uint32_t> position(std::span<const std::uint8_t> block, std::uint32_t subBlock,
                                          std::uint32_t entry, std::uint32_t index) const;
    // The checksum byte whose span holds `offset`, if one guards it.
    std::optional<std::uint32_t> guardOf(std::span<const std::uint8_t> block, std::uint32_t offset) const;

private:
    // Start and size of sub-block s of a variable block, read from the block's own count bytes.
    std::optional<std::pair<std::uint32_t, std::uint32_t>> variableSubBlock(std::span<const std::uint8_t> block,
                                                                            std::uint32_t s) const;
    std::uint32_t entryStride() const { return entryLength + (entryChecksums ? 1 : 0); }
    std::uint32_t fixedSubBlockStride() const { return subBlockSize + (subBlockChecksums ? 1 : 0); }
    std::uint32_t dataEnd() const { return totalSize - (blockChecksum ? 1 : 0); }
};

}  // namespace vantrel
