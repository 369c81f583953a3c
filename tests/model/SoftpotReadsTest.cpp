#include "SoftpotFixture.h"

#include "link/CommunicationError.h"
#include "model/SoftpotReads.h"
#include "model/rxFEBPData.h"
#include "model/rxRSSIData.h"
#include "model/txPABiasHighVoltageData.h"
#include "model/txTransmitPowData.h"

namespace vantrel {
namespace {

class SoftpotReads : public SoftpotTest {
protected:
    // Transmit points F1 and F4, receive points F1 and F2: F4's receive half is borrowed.
    SoftpotReads() { setPlan({100, 0, 0, 400, 0, 0, 0}, {110, 120, 0, 0, 0, 0, 0}); }

    void read(SoftpotFamily family) { readFamily(catalogueRow(family), storage, conn); }
    std::vector<std::int32_t> entries(int row, int first, int count) const {
        std::vector<std::int32_t> values;
        for (int e = first; e < first + count; ++e) values.push_back(storage.value(row, e));
        return values;
    }
};

TEST_F(SoftpotReads, AllPointsAnswerStoresEveryEntryWithoutSelectingAChannel) {
    storage.markUnsupported(3);
    peer.answer(answerWith({0x00, 11, 12, 13, 14, 15, 16, 17}));
    read(SoftpotFamily::TransmitHighPower);

    EXPECT_EQ(sent(), std::vector<Bytes>{allPointsReadFrame(0)});
    // Points F2, F3, F5..F7 are unused and are stored all the same.
    EXPECT_EQ(entries(3, 0, 7), (std::vector<std::int32_t>{11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(storage.value(3, 7), 0);  // the low power block is untouched
    EXPECT_TRUE(storage.isSupported(3));
    EXPECT_TRUE(storage.isSupported(20));
}

TEST_F(SoftpotReads, RefusedAllPointsReadsOnlyTheUsedPointsWithTheirPartners) {
    fillRow(3, 99);
    peer.answer(unsupportedAnswer())
        .answer(answerWith({0x00}))  // channel F1
        .answer(answerWith({0x00, 55}))
        .answer(answerWith({0x00}))  // channel F4
        .answer(answerWith({0x00, 66}));
    read(SoftpotFamily::TransmitHighPower);

    EXPECT_EQ(sent(), (std::vector<Bytes>{allPointsReadFrame(0), channelFrame(100, 110), singleReadFrame(0),
                                          channelFrame(400, 110), singleReadFrame(0)}));
    EXPECT_EQ(entries(3, 0, 7), (std::vector<std::int32_t>{55, 99, 99, 66, 99, 99, 99}));
    EXPECT_EQ(storage.value(3, 7), 99);
    EXPECT_FALSE(storage.isSupported(20));
    EXPECT_TRUE(storage.isSupported(3));
}

TEST_F(SoftpotReads, ReceiveFamilyUsesTheReceiveHalfAndBorrowsTheTransmitHalf) {
    peer.answer(unsupportedAnswer())
        .answer(answerWith({0x00}))
        .answer(answerWith({13, 21}))
        .answer(answerWith({0x00}))
        .answer(answerWith({13, 22}));
    rxFEBPData().readFilter(storage, conn);

    // F2 has no transmit half: it borrows F1's.
    EXPECT_EQ(sentWithOpcode(0x21), (std::vector<Bytes>{channelFrame(100, 110), channelFrame(100, 120)}));
    EXPECT_EQ(entries(10, 0, 3), (std::vector<std::int32_t>{21, 22, 0}));
}

TEST_F(SoftpotReads, StopsFamilyGivesUpWhenItsFirstUsedPointIsUnsupported) {
    fillRow(3, 99);
    peer.answer(unsupportedAnswer()).answer(answerWith({0x00})).answer(unsupportedAnswer());
    txTransmitPowData().readHighPower(storage, conn);

    EXPECT_EQ(sent(), (std::vector<Bytes>{allPointsReadFrame(0), channelFrame(100, 110), singleReadFrame(0)}));
    EXPECT_EQ(entries(3, 0, 14), std::vector<std::int32_t>(14, 99));
    EXPECT_FALSE(storage.isSupported(3));
}

TEST_F(SoftpotReads, StopsFamilyReadsOnWhenALaterPointIsUnsupported) {
    setPlan({100, 0, 0, 400, 500, 0, 0}, {110, 0, 0, 0, 0, 0, 0});
    peer.answer(unsupportedAnswer())
        .answer(answerWith({0x00}))
        .answer(answerWith({0x00, 55}))
        .answer(answerWith({0x00}))
        .answer(unsupportedAnswer())
        .answer(answerWith({0x00}))
        .answer(answerWith({0x00, 77}));
    txTransmitPowData().readHighPower(storage, conn);
    EXPECT_EQ(sentWithOpcode(0x21).back(), channelFrame(500, 110));
    EXPECT_EQ(entries(3, 0, 5), (std::vector<std::int32_t>{55, 0, 0, 0, 77}));
}

TEST_F(SoftpotReads, LowPowerReadsEveryUsedPointEvenAfterAnUnsupportedOne) {
    fillRow(3, 99);
    peer.answer(unsupportedAnswer())
        .answer(answerWith({0x00}))
        .answer(unsupportedAnswer())
        .answer(answerWith({0x00}))
        .answer(answerWith({0x00, 44}));
    txTransmitPowData().readLowPower(storage, conn);

    EXPECT_EQ(sentWithOpcode(0x21).size(), 2u);
    EXPECT_EQ(entries(3, 7, 7), (std::vector<std::int32_t>{99, 99, 99, 44, 99, 99, 99}));
}

TEST_F(SoftpotReads, KandMAreTheHighAndLowByteOfEachPoint) {
    Bytes allPoints(15);
    allPoints[0] = 17;
    allPoints[1] = 0x12;
    allPoints[2] = 0x34;
    for (std::uint8_t i = 2; i <= 7; ++i) {
        allPoints[2 * i - 1] = i;
        allPoints[2 * i] = static_cast<std::uint8_t>(i * 10);
    }
    peer.answer(answerWith(allPoints));
    txTransmitPowData().readKandM(storage, conn);
    EXPECT_EQ(entries(17, 0, 4), (std::vector<std::int32_t>{18, 52, 2, 20}));
    EXPECT_EQ(entries(17, 12, 3), (std::vector<std::int32_t>{7, 70, 0}));  // DAC 1 untouched
    EXPECT_TRUE(storage.isSupported(16));

    // Point by point the 16-bit value is split the same way.
    peer.answer(unsupportedAnswer())
        .answer(answerWith({0x00}))
        .answer(answerWith({17, 0x56, 0x78}))
        .answer(answerWith({0x00}))
        .answer(answerWith({17, 0x01, 0xFF}));
    txTransmitPowData().readKandM(storage, conn);
    EXPECT_EQ(entries(17, 0, 2), (std::vector<std::int32_t>{0x56, 0x78}));
    EXPECT_EQ(entries(17, 6, 2), (std::vector<std::int32_t>{0x01, 0xFF}));
    EXPECT_EQ(entries(17, 2, 2), (std::vector<std::int32_t>{2, 20}));
}

// An all-points answer that comes late is not captured, so its point bytes cannot be taken;
// the block is read point by point instead of being overwritten with zeros.
TEST_F(SoftpotReads, LateAllPointsAnswerFallsBackToThePoints) {
    peer.answer(Answer::framedAckThen(softpotAnswer({0x00, 11, 12, 13, 14, 15, 16, 17})))
        .answer(answerWith({0x00}))
        .answer(answerWith({0x00, 55}))
        .answer(answerWith({0x00}))
        .answer(answerWith({0x00, 66}));
    read(SoftpotFamily::TransmitHighPower);
    EXPECT_EQ(sentWithOpcode(0x21).size(), 2u);
    EXPECT_EQ(entries(3, 0, 4), (std::vector<std::int32_t>{55, 0, 0, 66}));
}

TEST_F(SoftpotReads, PaVoltageLimitIsReadOnlyAfterAProbeAnsweredWithZero) {
    peer.answer(answerWith({6, 9}));
    read(SoftpotFamily::PaVoltageLimit);
    EXPECT_EQ(sent(), std::vector<Bytes>{zirkFrame(0x1F, {6})});
    EXPECT_TRUE(storage.isSupported(25));

    peer.answer(answerWith({6, 0})).answer(answerWith({6, 1, 2, 3, 4, 5, 6, 7}));
    read(SoftpotFamily::PaVoltageLimit);
    EXPECT_EQ(sent().back(), allPointsReadFrame(6));
    EXPECT_EQ(entries(20, 0, 7), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7}));

    peer.answer(unsupportedAnswer());
    read(SoftpotFamily::PaVoltageLimit);
    EXPECT_FALSE(storage.isSupported(25));
    EXPECT_EQ(sent().size(), 4u);
}

TEST_F(SoftpotReads, PaBiasReadAsksTheVoltageFirstAndStoresOnlyAnsweredBiases) {
    fillRow(8, 99);
    peer.answer(answerWith({6, 33}))
        .answer(answerWith({18, 40}))
        .answer(unsupportedAnswer())
        .answer(answerWith({27, 60}));
    txPABiasHighVoltageData().readInto(storage, conn);

    EXPECT_EQ(sent(),
              (std::vector<Bytes>{singleReadFrame(6), singleReadFrame(18), singleReadFrame(20), singleReadFrame(27)}));
    EXPECT_EQ(entries(8, 0, 6), (std::vector<std::int32_t>{40, 99, 99, 99, 60, 99}));
    EXPECT_TRUE(storage.isSupported(28));
    EXPECT_TRUE(storage.isSupported(8));
    EXPECT_FALSE(storage.isSupported(17));
    EXPECT_TRUE(storage.isSupported(18));
    EXPECT_TRUE(storage.isSupported(9));  // the low-power code is not this read's

    peer.answer(answerWith({18, 41})).answer(answerWith({20, 42})).answer(answerWith({27, 43}));
    txPABiasLowVoltageData().readInto(storage, conn);
    EXPECT_EQ(entries(8, 0, 6), (std::vector<std::int32_t>{40, 41, 99, 42, 60, 43}));
    EXPECT_TRUE(storage.isSupported(17));
}

TEST_F(SoftpotReads, BatteryThresholdKeepsDataByte2OfTheAllPointsForm) {
    storage.setValue(18, 0, 75);
    peer.answer(answerWith({10, 0x01, 0x77, 0x05}));
    read(SoftpotFamily::BatteryThreshold);
    EXPECT_EQ(sent(), std::vector<Bytes>{allPointsReadFrame(10)});
    EXPECT_EQ(storage.value(18, 1), 0x77);
    EXPECT_EQ(storage.value(18, 0), 75);
    EXPECT_TRUE(storage.isSupported(19));

    peer.answer(unsupportedAnswer());
    read(SoftpotFamily::BatteryThreshold);
    EXPECT_FALSE(storage.isSupported(19));
    EXPECT_EQ(storage.value(18, 1), 0x77);
}

TEST_F(SoftpotReads, RssiStoresValuesAndLevelsOrClearsItsCode) {
    peer.answer(answerWith({0x1A, 10, 20, 30})).answer(answerWith({0x19, 90, 100, 110}));
    rxRSSIData().readThresholds(storage, conn);
    EXPECT_EQ(sent(), (std::vector<Bytes>{zirkFrame(0x20, {0x1A, 0x03, 0x00}), zirkFrame(0x20, {0x19, 0x00})}));
    EXPECT_EQ(entries(16, 0, 7), (std::vector<std::int32_t>{10, 20, 30, 90, 100, 110, 0}));
    EXPECT_TRUE(storage.isSupported(15));

    peer.answer(unsupportedAnswer());
    rxRSSIData().readThresholds(storage, conn);
    EXPECT_EQ(sent().size(), 3u);
    EXPECT_FALSE(storage.isSupported(15));
    EXPECT_EQ(storage.value(16, 0), 10);

    // Unsupported, answered late: the protocol raises it, the read takes it as the answer.
    storage.markSupported(15);
    peer.answer(Answer::framedAckThen(zirkFrame(0x86, {})));
    EXPECT_NO_THROW(rxRSSIData().readThresholds(storage, conn));
    EXPECT_FALSE(storage.isSupported(15));
}

TEST_F(SoftpotReads, FailuresPropagateAndKeepWhatWasStored) {
    peer.answer(unsupportedAnswer())
        .answer(answerWith({0x00}))
        .answer(answerWith({0x00, 55}))
        .otherwise(Answer::silence());
    EXPECT_THROW(read(SoftpotFamily::TransmitHighPower), CommunicationError);
    EXPECT_EQ(storage.value(3, 0), 55);
}

}  // namespace
}  // namespace vantrel
