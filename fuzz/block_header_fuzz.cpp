// Feeds arbitrary codeplug blocks to the block layout: the first six bytes are the header, the
// rest the radio's memory behind it. Whatever a radio holds, every position and checksum byte
// the layout names lies inside the block it measured, and a block it cannot believe is refused
// with CodeplugBlockError.
#include "model/codeplugBlockLayout.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <stdexcept>
#include <vector>

namespace {

struct MemoryEnds {};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vantrel::CodeplugBlockLayout;
    if (size < CodeplugBlockLayout::kHeaderBytes + 3) return 0;
    // Three bytes choose the byte addressed; the rest is the block.
    const std::uint32_t subBlock = data[0] % 4, entry = data[1] % 32, index = data[2] % 32;
    const std::span<const std::uint8_t> memory(data + 3, size - 3);
    CodeplugBlockLayout layout =
        CodeplugBlockLayout::fromHeader(std::span<const std::uint8_t, CodeplugBlockLayout::kHeaderBytes>(
            memory.data(), CodeplugBlockLayout::kHeaderBytes));
    try {
        layout.measure(0, [&](std::uint32_t position) {
            if (position >= memory.size()) throw MemoryEnds{};  // the radio refuses the read
            return memory[position];
        });
    } catch (const vantrel::CodeplugBlockError&) {
        return 0;
    } catch (const MemoryEnds&) {
        return 0;
    }
    if (layout.totalSize > CodeplugBlockLayout::kMaxBlockSize || layout.totalSize > memory.size()) return 0;
    std::vector<std::uint8_t> block(memory.begin(), memory.begin() + layout.totalSize);
    const auto at = layout.position(block, subBlock, entry, index);
    if (!at) return 0;
    if (*at >= block.size() || *at < layout.headerLength()) std::abort();
    const auto guard = layout.guardOf(block, *at);
    if (guard) {
        if (*guard >= block.size() || *guard == *at) std::abort();
        block[*guard] = static_cast<std::uint8_t>(block[*guard] + block[*at] - 0x5A);
    }
    block[*at] = 0x5A;
    return 0;
}
