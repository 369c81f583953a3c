#include "tuning/ReceiveSessions.h"
#include "tuning/TuningBench.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

using Words = std::vector<std::string>;
constexpr int kFrontEndFilter = 15;
constexpr int kRatedVolume = 19;
constexpr int kRssi = 20;
constexpr int kSollen = 38;

// Each receive screen prepares its point and test mode after the serial check, by model.
struct Opening {
    std::string profile;
    int kind;
    Words preparation;
    std::string status;
    std::string rangeNote;
};

class ReceiveOpeningTest : public ::testing::TestWithParam<Opening> {};

TEST_P(ReceiveOpeningTest, PreparesThePointAndTestModeOfTheModel) {
    const Opening& o = GetParam();
    TuningBench t(o.profile);
    auto s = t.open(o.kind);
    Words expected{"serial"};
    expected.insert(expected.end(), o.preparation.begin(), o.preparation.end());
    EXPECT_EQ(t.requests(), expected);
    EXPECT_EQ(t.openScreenKind, o.kind);
    EXPECT_EQ(s->statusText(), o.status);
    if (!o.rangeNote.empty()) {
        EXPECT_EQ(s->rangeNote(), o.rangeNote);
    }
    EXPECT_TRUE(t.ui.shown.empty());
}

const std::string kNoPoint = "No Frequency Tuning Point is currently selected";
INSTANTIATE_TEST_SUITE_P(
    Models, ReceiveOpeningTest,
    ::testing::Values(
        // Rated volume: the middle receive point, or F1 at 12.5 kHz on the B portable.
        Opening{"portable-v1",
                kRatedVolume,
                {"channel 3800/3780", "test 0,2,2"},
                kNoPoint,
                "Note : Valid Softpot values will range from 0-255"},
        Opening{"portable-b", kRatedVolume, {"channel 200/180", "test 0,2,0"}, kNoPoint, ""},
        Opening{"portable-sollen", kSollen, {"channel 3800/3780", "test 18,2,2"}, kNoPoint, ""},
        // Front end filter: 0-255 on version 1, 0-127 on version 2, and the RSSI DAC of the E2.
        Opening{"portable-v1",
                kFrontEndFilter,
                {"channel 200/180", "test 0,2,2"},
                kNoPoint,
                "Note : Valid Softpot values will range from 0-255"},
        Opening{"mobile-v2",
                kFrontEndFilter,
                {"channel 200/180", "test 0,2,2"},
                kNoPoint,
                "Note : Valid Softpot values will range from 0-127"},
        Opening{"mobile-e2",
                kFrontEndFilter,
                {"channel 200/180", "test 0,2,2", "calibration 26"},
                kNoPoint,
                "Note : Valid Softpot values will range from 255-0"},
        // RSSI: F4 on the C portable, F1 at 12.5 kHz on the B portable, the middle point otherwise.
        Opening{"portable-v1",
                kRssi,
                {"test 0,2,2", "channel 3780"},
                "Frequency tuning point is currently 155.900000 MHz",
                ""},
        Opening{"portable-b",
                kRssi,
                {"test 0,2,0", "channel 180"},
                "Frequency tuning point is currently 137.900000 MHz",
                ""},
        Opening{"mobile-v2",
                kRssi,
                {"test 0,2,2", "channel 3780"},
                "Frequency tuning point is currently 155.900000 MHz",
                ""}));

TEST(RatedVolumeSessionTest, ADragSelectsTheReceivePointOnceAndSendsEveryStep) {
    TuningBench t;
    auto s = t.open(kRatedVolume);
    t.requests();
    s->sliderStep(0, 130, SliderStep::ThumbTrack);
    s->sliderStep(0, 131, SliderStep::ThumbTrack);
    s->sliderEnd(0);
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 3780", "live 8=130", "live 8=131"}));
    EXPECT_EQ(s->statusText(), "Point 155.900000MHz is currently being tuned");
    EXPECT_EQ(t.storage.value(12, 0), 128) << "a live value never reaches the storage";
}

TEST(RatedVolumeSessionTest, CommitsWithoutSelectingThePointAgain) {
    TuningBench t("portable-sollen");
    auto s = t.open(kSollen);
    s->sliderStep(0, 90, SliderStep::Line);
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    s->program({"91"});
    EXPECT_EQ(t.requests(), (Words{"serial", "commit 8=91"}));
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Commit new softpot value? Softpot Value Range(0-255)"}));
    EXPECT_EQ(t.storage.value(12, 1), 91);
    EXPECT_EQ(s->rows()[0].defaultText, "91");
    EXPECT_EQ(s->statusText(), "No Frequency Tuning Point is currently selected");
}

// Without a receive point the commit asks and validates, then sends and stores nothing.
TEST(RatedVolumeSessionTest, WithoutAReceivePointNothingIsCommitted) {
    TuningBench t;
    for (int e = 14; e < 21; ++e) t.storage.setValue(0, e, 0);
    auto s = t.open(kRatedVolume);
    EXPECT_EQ(s->rows()[0].frequencyText, "137.000000");
    EXPECT_EQ(s->workingText(0), "128");
    EXPECT_TRUE(s->rows()[0].inUse) << "the controls follow the transmit points";
    t.requests();
    t.ui.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    s->program({"300"});
    s->program({"40"});
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Commit new softpot value? Softpot Value Range(0-255)",
                                 "ERROR|Program softpots aborted for Rated Volume!! Illegal softpot value|!",
                                 "?WARNING|Commit new softpot value? Softpot Value Range(0-255)"}));
    EXPECT_EQ(t.requests(), (Words{"serial", "serial"}));
    EXPECT_EQ(t.storage.value(12, 0), 128);
}

TEST(RatedVolumeSessionTest, AskTheMismatchQuestionWithACapital) {
    TuningBench t;
    auto s = t.open(kRatedVolume);
    t.storage.setSerialNumber("999XXX9999");
    t.ui.answers = {MessageAnswer::Cancel};
    s->upDownEnd(0, 5);
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Serial No. Mismatch!! Read in new radio?"}));
}

TEST(FrontEndFilterSessionTest, EachChangeOnTheE2IsFollowedByFiveCalibrationReads) {
    TuningBench t("mobile-e2");
    auto s = t.open(kFrontEndFilter);
    auto& filter = dynamic_cast<FrontEndFilterSession&>(*s);
    EXPECT_TRUE(filter.showsRssiDac());
    EXPECT_EQ(filter.rssiDacText(), "7.0");
    EXPECT_EQ(s->maximum(), 255u);
    t.requests();
    s->upDownEnd(2, 200);
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 2600/2580", "live 13=200", "calibration 26", "calibration 26",
                                   "calibration 26", "calibration 26", "calibration 26"}));
    EXPECT_EQ(s->statusText(), "Point 149.900000MHz is currently being tuned");
    EXPECT_EQ(filter.rssiDacText(), "7.0");
}

TEST(FrontEndFilterSessionTest, OtherRadiosSendOnlyTheValue) {
    TuningBench t("mobile-v2");
    auto s = t.open(kFrontEndFilter);
    EXPECT_FALSE(dynamic_cast<FrontEndFilterSession&>(*s).showsRssiDac());
    t.requests();
    s->boxEntered(6, 100);
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 7395/7380", "live 13=100"}));
}

// The commit takes every used row at its receive value and stores all seven boxes at the end;
// a refused row stops it with the rows before it committed and nothing stored.
TEST(FrontEndFilterSessionTest, CommitsRowByRowAndStoresOnlyWhenAllWentThrough) {
    TuningBench t("mobile-v2");
    t.storage.setValue(0, 14 + 5, 0);  // F6 receive unused
    auto s = t.open(kFrontEndFilter);
    EXPECT_EQ(s->rows()[5].frequencyText, "UNSUPPORTED");
    EXPECT_EQ(s->workingText(5), "");
    t.requests();
    t.ui.answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};
    s->program({"100", "101", "200", "103", "104", "", "106"});
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 180", "commit 13=100", "channel 1380", "commit 13=101"}));
    EXPECT_EQ(t.ui.shown.back(), "ERROR|Program softpots aborted for Front End Filter!! Illegal softpot value|!");
    EXPECT_EQ(t.storage.value(10, 0), 120);

    s->program({"100", "101", "102", "103", "104", "99", "106"});
    const Words sent = t.requests();
    EXPECT_EQ(sent.size(), 13u);
    EXPECT_EQ(sent.back(), "commit 13=106");
    EXPECT_EQ(t.storage.value(10, 2), 102);
    EXPECT_EQ(t.storage.value(10, 5), 99) << "an unused row stores its box as well";
    EXPECT_EQ(s->rows()[2].defaultText, "102");
    EXPECT_EQ(s->statusText(), "No Frequency Tuning Point is currently selected");

    s->program({"100", ""});
    EXPECT_EQ(t.ui.shown.back(), "NOTE|Please enter a valid Front End Filter softpot value!!");
}

TEST(RssiSessionTest, UpdateOnRowTwoSendsIndexOneAndShowsWhatTheRadioMeasured) {
    TuningBench t;
    auto s = t.open(kRssi);
    auto& rssi = dynamic_cast<RssiSession&>(*s);
    ASSERT_EQ(rssi.thresholds().size(), 2u);
    EXPECT_EQ(rssi.thresholds()[1].softpot, "35");
    EXPECT_EQ(rssi.thresholds()[1].level, "110");
    t.requests();
    const int generation = s->displayGeneration();
    rssi.update(2);
    EXPECT_EQ(t.requests(), (Words{"serial", "commit 26=1", "read all 26", "calibration 25"}));
    EXPECT_EQ(rssi.thresholds()[1].softpot, "38");
    EXPECT_EQ(rssi.thresholds()[0].softpot, "20");
    EXPECT_EQ(t.storage.value(16, 1), 38);
    EXPECT_EQ(s->displayGeneration(), generation + 1);
}

struct ThresholdRows {
    std::string profile;
    std::size_t rows;
};

class RssiRowsTest : public ::testing::TestWithParam<ThresholdRows> {};

TEST_P(RssiRowsTest, TheThirdThresholdFollowsTheModel) {
    TuningBench t(GetParam().profile);
    auto s = t.open(kRssi);
    EXPECT_EQ(dynamic_cast<RssiSession&>(*s).thresholds().size(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Models, RssiRowsTest,
                         ::testing::Values(ThresholdRows{"mobile-e4-high-band", 3}, ThresholdRows{"mobile-v2", 2},
                                           ThresholdRows{"portable-g2", 3}, ThresholdRows{"portable-v1", 2},
                                           ThresholdRows{"mobile-v2-centred-k", 3}));

// An unsupported answer is no failure: the flag stays cleared and the screen shows what it had.
TEST(RssiSessionTest, ARadioWithoutThresholdsKeepsItsFlagCleared) {
    TuningBench t("mobile-v2-centred-k");
    EXPECT_FALSE(t.storage.isSupported(15));
    t.storage.setValue(16, 0, 9);
    auto s = t.open(kRssi);
    auto& rssi = dynamic_cast<RssiSession&>(*s);
    t.requests();
    rssi.update(1);
    EXPECT_EQ(t.requests(), (Words{"serial", "commit 26=0", "read all 26"}));
    EXPECT_TRUE(t.ui.shown.empty());
    EXPECT_FALSE(t.storage.isSupported(15));
    EXPECT_EQ(rssi.thresholds()[0].softpot, "9");
}

TEST(ReceiveSessionTest, ClosingSendsOnlyTheReset) {
    for (const int kind : {kRatedVolume, kFrontEndFilter, kRssi}) {
        TuningBench t;
        auto s = t.open(kind);
        t.requests();
        s->close();
        EXPECT_EQ(t.requests(), (Words{"reset"}));
        EXPECT_EQ(t.openScreenKind, 0);
    }
}

}  // namespace
}  // namespace vantrel::testing
