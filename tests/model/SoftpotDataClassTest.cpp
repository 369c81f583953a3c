#include "SoftpotFixture.h"

#include "model/rxFEBPData.h"
#include "model/rxRSSIData.h"
#include "model/rxRatedVolumeData.h"
#include "model/txBatteryData.h"
#include "model/txRefOscData.h"
#include "model/txTransmitPowData.h"

#include <string>

namespace vantrel {
namespace {

using SoftpotDataClass = SoftpotTest;

std::string model(const char* sixteen) { return sixteen; }

TEST_F(SoftpotDataClass, BatteryCommitAlwaysSendsTheByteOne) {
    txBatteryData battery;
    battery.commit(0x77, conn);
    battery.commit(0, conn);
    EXPECT_EQ(sent(), (std::vector<Bytes>{writeFrame(10, 1, {0x01}), writeFrame(10, 1, {0x01})}));
}

TEST_F(SoftpotDataClass, SollenValueIsReadOnlyForSollenCapableModels) {
    storage.setValue(12, 1, 99);
    storage.setModelNumber(model("M45K216DA1N00   "));
    rxRatedVolumeData().readSecondInto(storage, conn);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(storage.value(12, 1), 99);

    storage.setModelNumber(model("M45N216DA1N00   "));
    peer.answer(answerWith({8, 140}));
    rxRatedVolumeData().readSecondInto(storage, conn);
    EXPECT_EQ(sent(), std::vector<Bytes>{singleReadFrame(8)});
    EXPECT_EQ(storage.value(12, 1), 140);
    EXPECT_EQ(storage.value(12, 0), 0);
}

TEST_F(SoftpotDataClass, RatedVolumeUsesTheNarrowCodeOnTheAAndBModels) {
    storage.setValue(0, 13, 0b111);
    for (const char* portableA : {"H21K216CA1N00   ", "LAM21K216DA1N0  "}) {
        storage.setModelNumber(model(portableA));
        rxRatedVolumeData volume;
        volume.updateSpacingCode(storage);
        volume.setupTestMode(conn, 0);
    }
    storage.setModelNumber(model("M45K216DA1N00   "));
    rxRatedVolumeData other;
    other.updateSpacingCode(storage);
    other.setupTestMode(conn, 0);
    EXPECT_EQ(sent(), (std::vector<Bytes>{testModeFrame(0, 2, 0), testModeFrame(0, 2, 0), testModeFrame(0, 2, 2)}));
}

TEST_F(SoftpotDataClass, WritesUseTheFamilyWidthAndMode) {
    txRefOscData refOsc;
    refOsc.liveWrite(300, conn);
    refOsc.commit(511, conn);
    txTransmitPowData power;
    power.liveWrite(0x80, conn);
    power.commitWrite(0x7F, conn);
    power.commitKandM(0x1234, conn);
    rxRSSIData().updateThreshold(1, conn);
    rxFEBPData().liveWriteByte(2, 127, conn);
    EXPECT_EQ(sent(),
              (std::vector<Bytes>{writeFrame(11, 2, {0x01, 0x2C}), writeFrame(11, 1, {0x01, 0xFF}),
                                  writeFrame(0, 2, {0x80}), writeFrame(0, 1, {0x7F}), writeFrame(17, 1, {0x12, 0x34}),
                                  writeFrame(26, 1, {0x01}), writeFrame(2, 2, {0x7F})}));
}

TEST_F(SoftpotDataClass, RecordedPowerCommitReportsThroughCode27) {
    txTransmitPowData power;
    peer.answer(unsupportedAnswer()).answer(answerWith({0x00, 0x40}));
    power.commitRecorded(0x40, storage, conn);
    EXPECT_FALSE(storage.isSupported(27));
    power.commitRecorded(0x40, storage, conn);
    EXPECT_TRUE(storage.isSupported(27));
    EXPECT_EQ(sent(), std::vector<Bytes>(2, writeFrame(0, 1, {0x40})));
}

TEST_F(SoftpotDataClass, PointSelectionFollowsTheFamilySide) {
    setPlan({100, 0, 300, 0, 0, 0, 0}, {0, 220, 330, 0, 0, 0, 0});
    txTransmitPowData().selectFrequencyPoint(1, storage, conn);  // receive half borrowed
    rxFEBPData().selectFrequencyPoint(2, storage, conn);         // transmit half borrowed
    txTransmitPowData().selectFrequencyPoint(3, storage, conn);
    EXPECT_EQ(sent(), (std::vector<Bytes>{channelFrame(100, 220), channelFrame(100, 220), channelFrame(300, 330)}));
}

TEST_F(SoftpotDataClass, AutoTuneReportsTheRadiosValueAndItsSupport) {
    peer.answer(answerWith({10, 0x75})).answer(unsupportedAnswer());
    txBatteryData battery;
    EXPECT_EQ(battery.autoTune(storage, conn), 0x75u);
    EXPECT_TRUE(storage.isSupported(19));
    battery.autoTune(storage, conn);
    EXPECT_FALSE(storage.isSupported(19));
    EXPECT_EQ(sent(), std::vector<Bytes>(2, zirkFrame(0x1F, {10})));
}

}  // namespace
}  // namespace vantrel
