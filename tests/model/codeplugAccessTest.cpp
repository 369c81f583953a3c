#include "model/codeplugAccess.h"

#include "operations/OperationsBench.h"
#include "protocol/cominit.h"

#include <gtest/gtest.h>

#include <array>

namespace vantrel {
namespace {

using testing::RadioBench;
using testing::simulatedRadio;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kAt = 0x200;
constexpr std::uint8_t kReadMemory = 0x11;
constexpr std::uint8_t kWriteMemory = 0x17;

struct Block {
    explicit Block(const Bytes& header, const std::vector<std::pair<std::uint32_t, Bytes>>& more = {}) {
        bench.radio.model().writeMemory(kAt, header);
        for (const auto& [offset, bytes] : more) bench.radio.model().writeMemory(kAt + offset, bytes);
    }
    bool load() {
        cominit conn;
        return access.load(conn, kAt);
    }
    Bytes memory(std::uint32_t offset, std::uint32_t count) {
        return bench.radio.model().readMemory(kAt + offset, count);
    }

    RadioBench bench{simulatedRadio("mobile-bbo-codeplug.json")};
    codeplugAccess access;
};

TEST(codeplugAccessTest, MeasuresEveryHeaderForm) {
    struct Case {
        const char* form;
        Bytes header;
        std::vector<std::pair<std::uint32_t, Bytes>> countBytes;
        std::uint32_t size;
    };
    const Case cases[] = {
        {"simple, entry and block checksums", {0xC0, 4, 10}, {}, 4 * 10 + 3 + 10 + 1},
        {"simple, no checksums", {0x00, 2, 3}, {}, 9},
        {"fixed sub-blocks with checksums", {0x44, 12, 2, 0x00, 4, 3}, {}, 12 * 2 + 6 + 2},
        {"fixed sub-blocks, block checksum", {0xC4, 12, 1, 0x00, 4, 3}, {}, 20},
        // Sub-block 0: 2 entries of 3 with entry checksums, count byte, sub-block checksum = 10;
        // sub-block 1 at 5 + 10 holds 1 entry: 6.
        {"variable sub-blocks", {0x44, 0, 2, 0x40, 3, 2}, {{15, {1}}}, 5 + 10 + 6},
    };
    for (const Case& c : cases) {
        Block block(c.header, c.countBytes);
        ASSERT_TRUE(block.load()) << c.form;
        EXPECT_EQ(block.access.layout().totalSize, c.size) << c.form;
        EXPECT_EQ(block.access.block(), block.memory(0, c.size)) << c.form;
    }
}

TEST(codeplugAccessTest, ReadsInChunksOf32AndStoresInChunksOf38) {
    Block block({0xC0, 4, 10});
    ASSERT_TRUE(block.load());
    std::vector<std::size_t> reads;
    for (const auto& p : block.bench.payloads(kReadMemory)) reads.push_back(p.at(0));
    EXPECT_EQ(reads, (std::vector<std::size_t>{6, 32, 22}));

    cominit conn;
    ASSERT_TRUE(block.access.store(conn, kAt));
    std::vector<std::size_t> writes;
    for (const auto& p : block.bench.payloads(kWriteMemory)) writes.push_back(p.size() - 3);
    EXPECT_EQ(writes, (std::vector<std::size_t>{38, 16}));
}

TEST(codeplugAccessTest, WriteKeepsTheGuardedSpanSumAndReachesTheRadio) {
    // Entry 2 of a simple block (entries of 4 + checksum from offset 3): byte 1 at 14, checksum at 17.
    Block block({0xC0, 4, 10}, {{14, {0x10}}, {17, {0x55}}});
    ASSERT_TRUE(block.load());
    ASSERT_TRUE(block.access.writeByte(0x20, 0, 2, 1));
    const Bytes before = block.memory(0, 54);
    cominit conn;
    ASSERT_TRUE(block.access.store(conn, kAt));
    const Bytes after = block.memory(0, 54);
    for (std::size_t i = 0; i < after.size(); ++i) {
        const std::uint8_t expected = i == 14 ? 0x20 : i == 17 ? 0x45 : before[i];
        EXPECT_EQ(after[i], expected) << "byte " << i;
    }
}

TEST(codeplugAccessTest, GuardsFollowTheFormOfTheBlock) {
    struct Case {
        const char* form;
        Bytes header;
        std::array<std::uint32_t, 3> at;  // sub-block, entry, index
        std::uint32_t offset;
        std::optional<std::uint32_t> guard;  // nothing: the write is refused
    };
    const Case cases[] = {
        {"simple, entry checksums: the entry's own", {0x40, 4, 3}, {0, 1, 3}, 3 + 5 + 3, 3 + 5 + 4},
        {"fixed sub-blocks: the sub-block's last byte", {0x44, 12, 2, 0x40, 3, 3}, {1, 2, 0}, 6 + 13 + 8, 6 + 13 + 12},
        {"block checksum only", {0x84, 12, 1, 0x00, 4, 3}, {0, 2, 3}, 6 + 11, 18},
        {"entry checksums of sub-blocks never guard", {0x04, 12, 1, 0x40, 3, 3}, {0, 0, 0}, 6, std::nullopt},
    };
    for (const Case& c : cases) {
        Block block(c.header);
        ASSERT_TRUE(block.load()) << c.form;
        const Bytes before = block.access.block();
        const bool written = block.access.writeByte(0x00, c.at[0], c.at[1], c.at[2]);
        EXPECT_EQ(written, c.guard.has_value()) << c.form;
        Bytes expected = before;
        if (c.guard) {
            expected[c.offset] = 0x00;
            expected[*c.guard] = static_cast<std::uint8_t>(before[*c.guard] + before[c.offset]);
        }
        EXPECT_EQ(block.access.block(), expected) << c.form;
    }
}

TEST(codeplugAccessTest, RefusesEveryIndexOutsideTheLoadedBlock) {
    struct Case {
        const char* form;
        Bytes header;
        std::vector<std::array<std::uint32_t, 3>> refused;
    };
    const Case cases[] = {
        {"simple", {0x40, 4, 3}, {{1, 0, 0}, {0, 3, 0}, {0, 0, 4}, {0, 0, 0xFFFFFFFF}}},
        {"fixed sub-blocks", {0x44, 12, 2, 0x00, 4, 3}, {{2, 0, 0}, {0, 3, 0}, {0, 0, 4}}},
        // An entry table that does not fit its sub-block: entry 3 would lie in the next one.
        {"entries beyond the sub-block", {0x44, 12, 2, 0x00, 4, 5}, {{0, 3, 0}}},
        {"variable sub-blocks", {0x04, 0, 2, 0x00, 3, 2}, {{2, 0, 0}, {0, 2, 0}, {1, 1, 0}, {0, 0, 3}}},
    };
    for (const Case& c : cases) {
        Block block(c.header, {{5 + 7, {1}}});
        ASSERT_TRUE(block.load()) << c.form;
        const Bytes before = block.access.block();
        for (const auto& at : c.refused) {
            std::uint8_t out = 0x5A;
            std::uint16_t sum = 7;
            EXPECT_FALSE(block.access.readByte(at[0], at[1], at[2], out)) << c.form << " " << at[1];
            EXPECT_FALSE(block.access.writeByte(1, at[0], at[1], at[2])) << c.form;
            EXPECT_FALSE(block.access.writeByteWithSum(1, at[0], at[1], at[2], sum)) << c.form;
            EXPECT_EQ(out, 0x5A);
            EXPECT_EQ(sum, 7);
        }
        EXPECT_EQ(block.access.block(), before) << c.form;
    }
    codeplugAccess unloaded;
    std::uint8_t out = 0;
    EXPECT_FALSE(unloaded.readByte(0, 0, 0, out));
    cominit conn;
    EXPECT_FALSE(unloaded.store(conn, kAt));
}

TEST(codeplugAccessTest, ABlockWithoutChecksumsTakesTheValueAndTheSumFollowsAnEdit) {
    Block block({0x00, 2, 3}, {{3, {0x3A}}});
    ASSERT_TRUE(block.load());
    std::uint16_t sum = 0x5A3C;
    ASSERT_TRUE(block.access.writeByteWithSum(0x8A, 0, 0, 0, sum));
    EXPECT_EQ(sum, 0x5A3C + 0x50);
    ASSERT_TRUE(block.access.writeByte(0x01, 0, 2, 1));
    EXPECT_EQ(block.access.block()[3], 0x8A);
    EXPECT_EQ(block.access.block()[8], 0x01);
    std::uint16_t low = 0x0001;
    ASSERT_TRUE(block.access.writeByteWithSum(0x00, 0, 0, 0, low));
    EXPECT_EQ(low, static_cast<std::uint16_t>(0x0001 - 0x8A));  // modulo 65536
}

TEST(codeplugAccessTest, HostileHeadersAndFailedReadsNeverReachBeyondTheBlock) {
    // 255 sub-blocks of 255 entries of 255 bytes: refused while measuring, after asking for the
    // second count byte and long before the 255th.
    int asked = 0;
    CodeplugBlockLayout huge =
        CodeplugBlockLayout::fromHeader(std::array<std::uint8_t, 6>{0x44, 0, 255, 0x40, 255, 255});
    EXPECT_THROW(huge.measure(kAt,
                              [&](std::uint32_t) {
                                  ++asked;
                                  return std::uint8_t{255};
                              }),
                 CodeplugBlockError);
    EXPECT_EQ(asked, 2);

    // A block that runs past the end of the radio's memory: the radio refuses the read.
    Block pastEnd({0x00, 200, 20});
    EXPECT_FALSE(pastEnd.load());
    EXPECT_TRUE(pastEnd.access.block().empty());

    Block refused({0xC0, 4, 10});
    sim::FaultRule rule;
    rule.kind = sim::FaultKind::Refuse;
    rule.match.opcode = kReadMemory;
    rule.count = sim::FaultRule::kForever;
    refused.bench.radio.inject(rule);
    EXPECT_FALSE(refused.load());

    CodeplugBlockLayout nearTop = CodeplugBlockLayout::fromHeader(std::array<std::uint8_t, 6>{0x00, 16, 16, 0, 0, 0});
    EXPECT_THROW(nearTop.measure(0xFFFF00, [](std::uint32_t) { return std::uint8_t{0}; }), CodeplugBlockError);
}

TEST(codeplugAccessTest, CodeplugSumIsReadAndWrittenAt766HighByteFirst) {
    Block block({0x00, 2, 3});
    EXPECT_EQ(block.access.readCodeplugSum(), 0x5A3C);
    cominit conn;
    EXPECT_TRUE(block.access.writeCodeplugSum(conn, 0x1234));
    EXPECT_EQ(block.bench.radio.model().readMemory(766, 2), (Bytes{0x12, 0x34}));
}

}  // namespace
}  // namespace vantrel
