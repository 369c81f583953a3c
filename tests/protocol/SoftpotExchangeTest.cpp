#include "EnhancedZIRKFixture.h"

#include "protocol/RadioProtocolError.h"

namespace vantrel {
namespace {

using SoftpotExchange = EnhancedZIRKTest;

TEST_F(SoftpotExchange, CapturedValueWidthFollowsTheFamilyCode) {
    // 12 01 2C: softpot 0x12, then 01 2C. Code 2 reads 16 bits, code 3 one byte.
    peer.otherwise(Answer::respond(softpotAnswer({0x12, 0x01, 0x2C})));
    std::uint32_t value = 0;
    storage.markUnsupported(2);
    zirk.readSoftpotRecorded(0x12, value, storage, 2);
    EXPECT_EQ(value, 300u);
    EXPECT_TRUE(storage.isSupported(2));
    zirk.readSoftpotRecorded(0x12, value, storage, 3);
    EXPECT_EQ(value, 1u);
    zirk.readSoftpotRecorded(0x12, value, storage, 16);
    EXPECT_EQ(value, 300u);
    EXPECT_TRUE(storage.isSupported(16));
}

TEST_F(SoftpotExchange, CapturedValueOfTheAllPointsProbeIs32Bits) {
    peer.otherwise(Answer::respond(softpotAnswer({0x05, 0x01, 0x02, 0x03, 0x04})));
    std::uint32_t value = 0;
    zirk.readSoftpotRecorded(0x05, value, storage, 20);
    EXPECT_EQ(value, 0x01020304u);
}

TEST_F(SoftpotExchange, LateValueIsTheWholeRemainingPayload) {
    // Read late, the same answer gives 0x012C even for a one-byte family.
    peer.otherwise(Answer::framedAckThen(softpotAnswer({0x12, 0x01, 0x2C})));
    std::uint32_t value = 0;
    storage.markUnsupported(3);
    zirk.readSoftpotRecorded(0x12, value, storage, 3);
    EXPECT_EQ(value, 300u);
    EXPECT_TRUE(storage.isSupported(3));
    EXPECT_EQ(zirk.readSoftpot(0x12, value), 2u);
    EXPECT_EQ(value, 300u);
}

TEST_F(SoftpotExchange, UnsupportedClearsTheFlagLeavesTheValueAndIsNoFailure) {
    peer.answer(Answer::respond(unsupported()))
        .answer(Answer::framedAckThen(unsupported()))
        .answer(Answer::framedAckThen(unsupported({0x12})));
    for (int i = 0; i < 3; ++i) {  // captured, late without payload, late naming the softpot
        std::uint32_t value = 77;
        storage.markSupported(4);
        zirk.readSoftpotRecorded(0x12, value, storage, 4);
        EXPECT_EQ(value, 77u) << i;
        EXPECT_FALSE(storage.isSupported(4)) << i;
        EXPECT_TRUE(storage.isSupported(5)) << i;
    }
    EXPECT_EQ(peer.frames().size(), 3u);
}

TEST_F(SoftpotExchange, LateAnswerForAnotherSoftpotFailsAfterFourAttempts) {
    peer.otherwise(Answer::framedAckThen(softpotAnswer({0x13, 0x01})));
    std::uint32_t value = 77;
    EXPECT_THROW(zirk.readSoftpotRecorded(0x12, value, storage, 4), BadReply);
    EXPECT_EQ(peer.frames().size(), 4u);
    EXPECT_EQ(value, 77u);
    EXPECT_THROW(zirk.readSoftpot(0x12, value), BadReply);
}

TEST_F(SoftpotExchange, AllPointsReadLeavesThePointsForPointByte) {
    peer.answer(Answer::respond(softpotAnswer({0x06, 10, 20, 30, 40, 50, 60, 70})));
    storage.markUnsupported(8);
    zirk.readSoftpotAllPoints(0x06, storage, 8);
    EXPECT_TRUE(storage.isSupported(8));
    for (std::uint32_t i = 1; i <= 7; ++i) EXPECT_EQ(zirk.pointByte(i), 10 * i) << i;
    EXPECT_EQ(zirk.pointByte(0), 0x06);

    // A late answer leaves nothing captured: the points read as zeros.
    peer.answer(Answer::framedAckThen(softpotAnswer({0x06, 10, 20, 30})));
    zirk.readSoftpotAllPoints(0x06, storage, 8);
    EXPECT_TRUE(storage.isSupported(8));
    EXPECT_EQ(zirk.pointByte(1), 0);
    EXPECT_EQ(zirk.pointByte(2), 0);

    peer.answer(Answer::respond(unsupported()));
    zirk.readSoftpotAllPoints(0x06, storage, 8);
    EXPECT_FALSE(storage.isSupported(8));
}

TEST_F(SoftpotExchange, PlainReadGivesValueAndWidthAndRefusesUnsupported) {
    peer.answer(Answer::respond(softpotAnswer({0x07, 0x00, 0x12, 0x34})));
    std::uint32_t value = 0;
    EXPECT_EQ(zirk.readSoftpot(0x07, value), 3u);
    EXPECT_EQ(value, 0x1234u);

    // Unsupported is never repeated, captured or late.
    peer.answer(Answer::respond(unsupported())).answer(Answer::framedAckThen(unsupported()));
    EXPECT_THROW(zirk.readSoftpot(0x07, value), UnsupportedMessage);
    EXPECT_THROW(zirk.readSoftpot(0x07, value), UnsupportedMessage);
    EXPECT_EQ(peer.frames().size(), 3u);
}

TEST_F(SoftpotExchange, AutoTuneReads16BitsOnlyForCodeOne) {
    peer.otherwise(Answer::respond(softpotAnswer({0x09, 0x02, 0x10})));
    std::uint32_t value = 0;
    zirk.autoTune(0x09, value, storage, 1);
    EXPECT_EQ(value, 0x0210u);
    zirk.autoTune(0x09, value, storage, 2);
    EXPECT_EQ(value, 0x02u);

    // The radio may take long to tune: a late answer is given the long wait from its first byte.
    peer.otherwise(Answer::framedAckThen(softpotAnswer({0x09, 0x00, 0x5A}), 15000));
    storage.markUnsupported(2);
    zirk.autoTune(0x09, value, storage, 2);
    EXPECT_EQ(value, 0x5Au);
    EXPECT_TRUE(storage.isSupported(2));

    peer.otherwise(Answer::respond(unsupported()));
    zirk.autoTune(0x09, value, storage, 2);
    EXPECT_EQ(value, 0x5Au);
    EXPECT_FALSE(storage.isSupported(2));
}

TEST_F(SoftpotExchange, RecordedWritesReportToTheirCapabilityCodes) {
    const std::uint8_t points[7] = {1, 2, 3, 4, 5, 6, 7};
    peer.answer(Answer::respond(softpotAnswer({0x00})))
        .answer(Answer::respond(unsupported()))
        .answer(Answer::respond(unsupported()));
    storage.markUnsupported(27);
    zirk.writeSoftpotRecorded(storage, 0, 1, 0x55, 1);
    EXPECT_TRUE(storage.isSupported(27));
    zirk.writeSoftpotRecorded(storage, 0, 1, 0x55, 1);
    EXPECT_FALSE(storage.isSupported(27));
    zirk.writeSoftpotBytesRecorded(storage, 3, 4, points, 7);
    EXPECT_FALSE(storage.isSupported(21));
    EXPECT_TRUE(storage.isSupported(22));
}

TEST_F(SoftpotExchange, SilentRadioAfterBareAckFailsTheRecordingRead) {
    // Nothing captured and nothing late: the short late wait gives up and the read fails.
    peer.otherwise(Answer::ackOnly());
    std::uint32_t value = 0;
    EXPECT_THROW(zirk.readSoftpotRecorded(0x12, value, storage, 3), BadReply);
    EXPECT_EQ(peer.frames().size(), 4u);
    EXPECT_TRUE(storage.isSupported(3));
}

}  // namespace
}  // namespace vantrel
