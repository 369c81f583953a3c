#include "tuning/AutoTuneSession.h"
#include "tuning/TuningBench.h"

#include "sim/FaultPlan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel::testing {
namespace {

using Words = std::vector<std::string>;

constexpr int kSquelch125 = 16;
constexpr int kSquelch20 = 17;
constexpr int kSquelch25 = 18;
constexpr int kPaVoltageLimit = 34;

// The wait dialog's life, in line with the messages the technician saw.
class RecordedWait : public AutoTuneWait {
public:
    explicit RecordedWait(Words& log) : log_(log) {}
    void show() override { log_.push_back("wait shown"); }
    void close() override { log_.push_back("wait closed"); }

private:
    Words& log_;
};

template <typename Session>
std::unique_ptr<Session> openAutoTune(TuningBench& t, int kind, RecordedWait& wait) {
    std::unique_ptr<TuningSession> opened = t.open(kind);
    auto* session = dynamic_cast<Session*>(opened.get());
    if (session == nullptr) return nullptr;
    opened.release();
    session->setWait(&wait);
    t.requests();
    return std::unique_ptr<Session>(session);
}

void arm(TuningBench& t, sim::FaultKind kind, std::uint8_t opcode) {
    sim::FaultRule rule;
    rule.kind = kind;
    rule.match.opcode = opcode;
    rule.count = sim::FaultRule::kForever;
    t.bench.radio.inject(rule);
}

struct SquelchOpening {
    int kind;
    std::string testMode;
    std::string firstStored;
    int firstEntry;
};

class SquelchOpeningTest : public ::testing::TestWithParam<SquelchOpening> {};

TEST_P(SquelchOpeningTest, OpensInItsSpacingAtF1WithTheRange1To63) {
    const SquelchOpening& o = GetParam();
    TuningBench t;
    auto s = t.open(o.kind);
    EXPECT_EQ(t.requests(), (Words{"serial", o.testMode, "channel 200/180"}));
    ASSERT_EQ(s->rows().size(), 7u);
    EXPECT_EQ(s->rows()[2].frequencyText, "149.900000");
    EXPECT_EQ(s->rows()[0].defaultText, o.firstStored);
    EXPECT_EQ(s->minimum(), 1u);
    EXPECT_EQ(s->maximum(), 63u);
    EXPECT_EQ(s->rangeNote(), "Note : Valid Softpot values will range from 1-63");
    EXPECT_EQ(s->statusText(), "No Frequency Tuning Point is currently selected");
    EXPECT_EQ(s->family().catalogue().firstEntry, o.firstEntry);
    s->close();
    EXPECT_EQ(t.requests(), (Words{"reset"}));
}

INSTANTIATE_TEST_SUITE_P(Spacings, SquelchOpeningTest,
                         ::testing::Values(SquelchOpening{kSquelch125, "test 0,2,0", "30", 0},
                                           SquelchOpening{kSquelch20, "test 0,2,1", "35", 7},
                                           SquelchOpening{kSquelch25, "test 0,2,2", "40", 14}));

// Auto Tune of row F3 keeps what the radio found at once, 0 included; the default field stays.
struct SquelchRun {
    std::string profile;
    int kind;
    std::uint32_t found;
};

class SquelchAutoTuneTest : public ::testing::TestWithParam<SquelchRun> {};

TEST_P(SquelchAutoTuneTest, StoresWhatTheRadioFoundWithoutCommittingIt) {
    const SquelchRun& r = GetParam();
    TuningBench t(r.profile);
    RecordedWait wait(t.ui.shown);
    auto s = openAutoTune<AutoSquelchSession>(t, r.kind, wait);
    ASSERT_NE(s, nullptr);
    const int entry = s->family().catalogue().firstEntry + 2;
    const std::string defaultBefore = s->rows()[2].defaultText;
    s->autoTune(2);
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 2600/2580", "auto tune 7"}));
    EXPECT_EQ(t.ui.shown, (Words{"wait shown", "wait closed"}));
    EXPECT_EQ(t.storage.value(11, entry), static_cast<std::int32_t>(r.found));
    EXPECT_EQ(s->rows()[2].working, r.found);
    EXPECT_EQ(s->workingText(2), std::to_string(r.found));
    EXPECT_EQ(s->rows()[2].defaultText, defaultBefore);
    EXPECT_EQ(s->statusText(), "Point 149.900000MHz is currently being tuned");
    s->close();
    EXPECT_EQ(t.requests(), (Words{"reset"}));
    EXPECT_EQ(t.storage.value(11, entry), static_cast<std::int32_t>(r.found));
}

INSTANTIATE_TEST_SUITE_P(Radios, SquelchAutoTuneTest,
                         ::testing::Values(SquelchRun{"portable-v1", kSquelch125, 46},
                                           SquelchRun{"portable-limits", kSquelch125, 0},
                                           SquelchRun{"portable-limits", kSquelch20, 40},
                                           SquelchRun{"portable-limits", kSquelch25, 46}));

TEST(SquelchAutoTuneTest, AFailureOrAMismatchClosesTheWaitFirstAndStoresNothing) {
    TuningBench t;
    RecordedWait wait(t.ui.shown);
    auto s = openAutoTune<AutoSquelchSession>(t, kSquelch125, wait);
    arm(t, sim::FaultKind::NoAcknowledgement, 0x1F);
    s->autoTune(3);
    EXPECT_EQ(t.ui.shown, (Words{"wait shown", "wait closed", "ERROR|Radio Communication Error!!|!"}));
    EXPECT_EQ(t.storage.value(11, 3), 33);
    EXPECT_FALSE(s->connectionHeld());

    t.ui.shown.clear();
    t.storage.setSerialNumber("999XXX9999");
    t.ui.answers = {MessageAnswer::Cancel};
    s->autoTune(3);
    EXPECT_EQ(t.ui.shown, (Words{"wait shown", "wait closed", "?WARNING|Serial No. mismatch!! Read in new radio?"}));
}

// Program selects each row on its receive channel alone; 0 passes, 64 ends the commit with
// nothing stored; the values are stored only after the last row.
TEST(SquelchCommitTest, LetsZeroThroughAndStoresAfterTheLastRow) {
    TuningBench t;
    auto s = t.open(kSquelch20);
    s->upDownEnd(1, 50);
    EXPECT_EQ(s->statusText(), "Point 143.900000MHz is currently being tuned");
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    s->program({"0", "50", "37", "38", "39", "40", "41"});
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 180", "commit 7=0", "channel 1380", "commit 7=50", "channel 2580",
                                   "commit 7=37", "channel 3780", "commit 7=38", "channel 4980", "commit 7=39",
                                   "channel 6180", "commit 7=40", "channel 7380", "commit 7=41"}));
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Commit new softpot values? Softpot Value Range (1-63)"}));
    EXPECT_EQ(t.storage.value(11, 7), 0);
    EXPECT_EQ(t.storage.value(11, 8), 50);
    EXPECT_EQ(s->rows()[0].defaultText, "0");
    EXPECT_EQ(s->statusText(), "No Frequency Tuning Point is currently selected");

    t.ui.answers = {MessageAnswer::Ok};
    s->program({"1", "64", "37"});
    EXPECT_EQ(t.ui.shown.back(), "ERROR|Program softpots aborted for Auto Squelch 20KHz!! Illegal softpot value|!");
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 180", "commit 7=1"}));
    EXPECT_EQ(t.storage.value(11, 7), 0);
}

TEST(SquelchCommitTest, AnEmptyBoxAsksForAValue) {
    TuningBench t;
    auto s = t.open(kSquelch25);
    t.ui.answers = {MessageAnswer::Ok};
    s->program({""});
    EXPECT_EQ(t.ui.shown.back(), "NOTE|Please enter a valid Auto Squelch 25KHz value!!");
}

// The PA voltage limit run keys, tunes and dekeys at every used point.
TEST(PaVoltageLimitTest, ARunKeysEachPointOnceAndKeepsWhatTheRadioFound) {
    TuningBench t("mobile-v2");
    RecordedWait wait(t.ui.shown);
    t.requests();
    auto opened = t.open(kPaVoltageLimit);
    EXPECT_EQ(t.requests(), (Words{"serial", "test 0,0,2", "test 129,0,2"}));
    auto* s = dynamic_cast<PaVoltageLimitSession*>(opened.get());
    ASSERT_NE(s, nullptr);
    s->setWait(&wait);
    EXPECT_EQ(s->statusText(), "Auto tuning of all softpots has not been done");
    EXPECT_EQ(s->rangeNote(), "Note : Valid Softpot values will range from 1-127");
    EXPECT_EQ(s->rows()[6].defaultText, "96");
    t.ui.answers = {MessageAnswer::Ok};
    s->autoTune();
    const Words sent = t.requests();
    ASSERT_EQ(sent.size(), 2u + 7 * 4);
    EXPECT_EQ(Words(sent.begin(), sent.begin() + 6),
              (Words{"serial", "auto tune 6", "channel 200/180", "key up", "auto tune 6", "dekey"}));
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "key up"), 7);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "dekey"), 7);
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Auto Tune softpot values? ", "wait shown", "wait closed"}));
    for (int n = 0; n < 7; ++n) EXPECT_EQ(t.storage.value(20, n), 88 + n);
    EXPECT_EQ(s->rows()[6].defaultText, "94");
    EXPECT_EQ(s->statusText(), "Auto tuning of all PA Voltage Limit softpots are done");
    s->close();
    EXPECT_EQ(t.requests(), (Words{"reset"}));
}

// A point where the radio finds nothing ends the run; point 1's text has its blank.
struct NothingFound {
    bool atFirstPoint;
    std::string message;
    std::string status;
    int storedUpTo;
};

class PaVoltageLimitZeroTest : public ::testing::TestWithParam<NothingFound> {};

TEST_P(PaVoltageLimitZeroTest, StopsAtThePointWithItsMessage) {
    const NothingFound& c = GetParam();
    TuningBench t("mobile-v2-pa-limit-zero");
    // The radio answers 0 at its own F2; pointing the screen's F1 there makes F1 fail.
    if (c.atFirstPoint) t.storage.setValue(0, 0, 1400);
    RecordedWait wait(t.ui.shown);
    auto s = openAutoTune<PaVoltageLimitSession>(t, kPaVoltageLimit, wait);
    t.ui.answers = {MessageAnswer::Ok};
    s->autoTune();
    EXPECT_EQ(t.ui.shown,
              (Words{"?WARNING|Auto Tune softpot values? ", "wait shown", "ERROR|" + c.message + "|!", "wait closed"}));
    EXPECT_EQ(s->statusText(), c.status);
    for (int n = 0; n < 7; ++n) EXPECT_EQ(t.storage.value(20, n), n < c.storedUpTo ? 88 + n : 90 + n) << "F" << n + 1;
    EXPECT_FALSE(s->connectionHeld());
}

INSTANTIATE_TEST_SUITE_P(
    Points, PaVoltageLimitZeroTest,
    ::testing::Values(NothingFound{false, "Tuning is not possible. Please check hardware!!", "Error in tuning Softpot 2", 1},
                      NothingFound{true, "Tuning is not possible. Please check hardware !!", "Error in tuning Softpot 1", 0}));

TEST(PaVoltageLimitTest, AnUnsupportedProbeOrACancelStopsBeforeTheWait) {
    TuningBench t("portable-v1");
    RecordedWait wait(t.ui.shown);
    auto s = openAutoTune<PaVoltageLimitSession>(t, kPaVoltageLimit, wait);
    s->autoTune();
    EXPECT_EQ(t.ui.shown, (Words{"ERROR|PA Voltage Limit Auto Tuning Unsupported!!|!"}));
    EXPECT_EQ(t.requests(), (Words{"serial", "auto tune 6"}));
    EXPECT_FALSE(t.storage.isSupported(25));

    TuningBench m("mobile-v2");
    RecordedWait mobileWait(m.ui.shown);
    auto mobile = openAutoTune<PaVoltageLimitSession>(m, kPaVoltageLimit, mobileWait);
    m.ui.answers = {MessageAnswer::Cancel};
    mobile->autoTune();
    EXPECT_EQ(m.ui.shown, (Words{"?WARNING|Auto Tune softpot values? "}));
    EXPECT_EQ(m.requests(), (Words{"serial", "auto tune 6"}));
}

TEST(PaVoltageLimitTest, AFailureWhileKeyedWarnsToDekey) {
    TuningBench t("mobile-v2");
    RecordedWait wait(t.ui.shown);
    auto s = openAutoTune<PaVoltageLimitSession>(t, kPaVoltageLimit, wait);
    arm(t, sim::FaultKind::NoAcknowledgement, 0x19);
    t.ui.answers = {MessageAnswer::Ok};
    s->autoTune();
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Auto Tune softpot values? ", "wait shown", "wait closed",
                                 "ERROR|Radio Communication Error!!\nWARNING!! Please ensure radio is dekeyed|!"}));
    EXPECT_EQ(s->statusText(), "Radio Communication Error!!");
    EXPECT_EQ(t.storage.value(20, 0), 90);
}

}  // namespace
}  // namespace vantrel::testing
