#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKMessage.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes frameOf(std::uint32_t op, const Bytes& payload) {
    ZIRKMessage m(op, payload.data(), static_cast<std::uint32_t>(payload.size()));
    return Bytes(m.data(), m.data() + m.size());
}

TEST(Framing, KnownFramesAreBuiltByteForByte) {
    EXPECT_EQ(frameOf(0x19, {0x01}), (Bytes{0xF2, 0x19, 0x01, 0xF3}));
    EXPECT_EQ(frameOf(0x10, {}), (Bytes{0xF1, 0x10, 0xFE}));
    EXPECT_EQ(frameOf(5, {}), (Bytes{0x50}));
    EXPECT_EQ(frameOf(0x20, {0x06, 0x00, 0x00}), (Bytes{0xF4, 0x20, 0x06, 0x00, 0x00, 0xE5}));
    EXPECT_EQ(frameOf(0x23, {0x01}), (Bytes{0xF2, 0x23, 0x01, 0xE9}));
}

TEST(Framing, MemoryWriteOf38BytesUsesTheLongLengthForm) {
    Bytes payload(41, 0);  // 3 address bytes + 38 data bytes
    const Bytes frame = frameOf(0x17, payload);
    ASSERT_EQ(frame.size(), 46u);
    EXPECT_EQ((Bytes{frame.begin(), frame.begin() + 4}), (Bytes{0xFF, 0x17, 0x00, 0x2A}));
    EXPECT_EQ(frame.back(), checksumOf(frame.data(), 45));
    EXPECT_EQ(payloadLength(frame.data()), 41u);
    EXPECT_EQ(payloadOffset(frame.data()), 4u);
    EXPECT_EQ(totalLength(frame.data()), 46u);
}

TEST(Framing, LengthFormSwitchesBetween13And14PayloadBytes) {
    const Bytes short13 = frameOf(3, Bytes(13, 0xAA));
    EXPECT_EQ(short13[0], 0x3E);
    EXPECT_EQ(short13.size(), 15u);
    const Bytes long14 = frameOf(3, Bytes(14, 0xAA));
    EXPECT_EQ((Bytes{long14[0], long14[1], long14[2]}), (Bytes{0x3F, 0x00, 0x0F}));
    EXPECT_EQ(long14.size(), 18u);
    EXPECT_EQ(frameSize(3, 13), 15u);
    EXPECT_EQ(frameSize(3, 14), 18u);
    EXPECT_EQ(frameSize(0x80, 14), 19u);
    EXPECT_EQ(frameSize(0x80, 0), 3u);
}

TEST(Framing, OpcodeFourteenFitsTheNibbleAndFifteenIsExtended) {
    EXPECT_EQ(frameOf(14, {0x01}), (Bytes{0xE2, 0x01, checksumOf(Bytes{0xE2, 0x01}.data(), 2)}));
    EXPECT_EQ(frameOf(15, {})[0], 0xF1);
    EXPECT_EQ(frameOf(15, {})[1], 15);
    const Bytes fourteen = frameOf(14, {});
    EXPECT_EQ(opcode(fourteen.data()), 14u);
}

TEST(Framing, MeasuresReceivedFrames) {
    const Bytes lengthOne{0xF1, 0x10, 0xFE};
    EXPECT_EQ(payloadLength(lengthOne.data()), 0u);
    EXPECT_EQ(opcode(lengthOne.data()), 0x10u);
    EXPECT_EQ(checksum(lengthOne.data()), 0xFE);
    const Bytes zeroLength{0x3F, 0x00, 0x00};
    EXPECT_EQ(payloadLength(zeroLength.data()), 0u);
}

TEST(Framing, VerifyChecksumRefusesAWrongLastByte) {
    const Bytes good{0xF2, 0x19, 0x01, 0xF3};
    EXPECT_NO_THROW(verifyChecksum(good.data(), 4));
    const Bytes bad{0xF2, 0x19, 0x01, 0xF4};
    EXPECT_THROW(verifyChecksum(bad.data(), 4), BadReply);
    EXPECT_NO_THROW(verifyChecksum(bad.data(), 1));
}

TEST(Framing, BigEndianHelpers) {
    std::uint8_t out[3] = {};
    writeBigEndian(0x123456, out, 3);
    EXPECT_EQ((Bytes{out, out + 3}), (Bytes{0x12, 0x34, 0x56}));
    EXPECT_EQ(readBigEndian(out, 3), 0x123456u);
    EXPECT_EQ(readBigEndian(out, 0), 0u);
    writeBigEndian(0x0080, out, 2);
    EXPECT_EQ(out[0], 0x00);
    EXPECT_EQ(out[1], 0x80);
}

TEST(ZIRKMessageTest, FromRawValidatesChecksumAndLength) {
    const Bytes good{0xF2, 0x19, 0x01, 0xF3, 0x99};
    const ZIRKMessage m = ZIRKMessage::fromRaw(good.data(), good.size());
    EXPECT_EQ(m.size(), 4u);
    EXPECT_EQ(m.opcode(), 0x19u);
    const Bytes bad{0xF2, 0x19, 0x01, 0x00};
    EXPECT_THROW(ZIRKMessage::fromRaw(bad.data(), bad.size()), BadMessage);
    const Bytes cut{0xF4, 0x20, 0x06};
    EXPECT_THROW(ZIRKMessage::fromRaw(cut.data(), cut.size()), BadMessage);
    const Bytes one{0x50};
    EXPECT_EQ(ZIRKMessage::fromRaw(one.data(), 1).size(), 1u);
}

TEST(ZIRKMessageTest, CopiesShareOneBody) {
    const Bytes payload{0x01};
    auto original = std::make_unique<ZIRKMessage>(0x19, payload.data(), 1);
    const ZIRKMessage copy = *original;
    EXPECT_EQ(copy.data(), original->data());
    EXPECT_EQ(copy.useCount(), 2);
    original.reset();
    EXPECT_EQ((Bytes{copy.data(), copy.data() + copy.size()}), (Bytes{0xF2, 0x19, 0x01, 0xF3}));
    EXPECT_EQ(ZIRKMessage::empty().size(), 0u);
    EXPECT_EQ(ZIRKMessage().data(), ZIRKMessage::empty().data());
}

TEST(FrameAssemblerTest, SplitsAStreamIntoFrames) {
    FrameAssembler assembler;
    const Bytes stream{0x50, 0xF2, 0x19, 0x01, 0xF3, 0xFF, 0x17, 0x00, 0x02, 0x07, 0xDE};
    std::vector<Bytes> frames;
    for (auto b : stream) {
        if (auto f = assembler.add(b)) frames.push_back(*f);
    }
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0], Bytes{0x50});
    EXPECT_EQ(frames[1].size(), 4u);
    EXPECT_EQ(frames[2].size(), 6u);
}

}  // namespace
}  // namespace vantrel
