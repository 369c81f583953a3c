#include "tuning/PerFrequencyTransmitSession.h"
#include "tuning/TuningBench.h"

#include "sim/FaultPlan.h"
#include "tuning/TunerBoxRule.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

using Words = std::vector<std::string>;

constexpr int kHighPower = 2;
constexpr int kLowPower = 3;
constexpr int kModulation = 5;
constexpr int kVco25 = 8;

const Words kFrequencies{"138.000000", "144.000000", "150.000000", "156.000000",
                         "162.000000", "168.000000", "173.975000"};

Words boxes(std::initializer_list<const char*> texts) { return Words(texts.begin(), texts.end()); }

// The channel each point is committed at, then its commit.
Words pointCommits(std::uint8_t softpot, const Words& values, const std::vector<int>& points) {
    static const Words kChannels{"channel 200/180",   "channel 1400/1380", "channel 2600/2580", "channel 3800/3780",
                                 "channel 5000/4980", "channel 6200/6180", "channel 7395/7380"};
    Words sent;
    for (const int n : points) {
        sent.push_back(kChannels[static_cast<std::size_t>(n - 1)]);
        sent.push_back("commit " + std::to_string(softpot) + "=" + values[static_cast<std::size_t>(n - 1)]);
    }
    return sent;
}

Words concat(Words a, const Words& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Opening {
    std::string profile;
    int kind;
    Words preparation;
    std::string firstStored;
    std::uint32_t maximum;
    std::string rangeNote;
};

class PerPointOpeningTest : public ::testing::TestWithParam<Opening> {};

// Each screen prepares its test mode and selects F1; the high power maximum follows the model.
TEST_P(PerPointOpeningTest, PreparesTheTestModeSelectsF1AndLaysOutSevenRows) {
    const Opening& o = GetParam();
    TuningBench t(o.profile);
    auto s = t.open(o.kind);
    EXPECT_EQ(t.requests(), concat({"serial"}, o.preparation));
    EXPECT_EQ(t.openScreenKind, o.kind);
    ASSERT_EQ(s->rows().size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(s->rows()[i].frequencyText, kFrequencies[i]);
    EXPECT_EQ(s->rows()[0].defaultText, o.firstStored);
    EXPECT_EQ(s->maximum(), o.maximum);
    EXPECT_EQ(s->rangeNote(), o.rangeNote);
    EXPECT_EQ(s->statusText(), "Radio is currently dekeyed");
}

const std::string k127 = "Note : Valid Softpot values will range from 0-127";
INSTANTIATE_TEST_SUITE_P(
    Screens, PerPointOpeningTest,
    ::testing::Values(
        Opening{"portable-v1", kHighPower, {"test 0,0,2", "test 129,0,2", "channel 200/180"}, "96", 127, k127},
        Opening{"portable-e2", kHighPower, {"test 0,0,2", "test 129,0,2", "channel 200/180"}, "96", 255,
                "Note : Valid Softpot values will range from 0-255"},
        Opening{"portable-v1", kLowPower, {"test 0,2,2", "test 129,2,2", "channel 200/180"}, "40", 127, k127},
        Opening{"portable-v1", kVco25, {"test 0,2,2", "test 128,2,2", "channel 200/180"}, "70", 127, k127},
        // H25K is a C portable: the modulation test mode takes code 1.
        Opening{"portable-v1", kModulation, {"test 14,2,1", "live 2=127", "channel 200/180"}, "30", 63,
                "Note : Valid Softpot values will range from 0-63"},
        Opening{"portable-b", kModulation, {"test 14,2,0", "live 2=127", "channel 200/180"}, "30", 63,
                "Note : Valid Softpot values will range from 0-63"}));

TEST(PerFrequencyTransmitTest, TouchingAnotherRowWhileKeyedDekeysAndWaitsForTheNextKeyUp) {
    TuningBench t;
    auto s = t.open(kHighPower);
    t.requests();
    s->sliderStep(1, 90, SliderStep::Line);
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 1400/1380"}));
    s->toggleKey();
    EXPECT_EQ(t.requests(), (Words{"key up", "live 0=90"}));
    EXPECT_EQ(s->statusText(), "Radio is currently keyed up at 144.000000MHz");

    // Keyed at F2, the F5 slider moves: dekey, F5 selected, nothing live.
    s->sliderStep(4, 91, SliderStep::Line);
    EXPECT_EQ(t.requests(), (Words{"dekey", "serial", "channel 5000/4980"}));
    EXPECT_FALSE(s->keyed());
    EXPECT_EQ(s->statusText(), "Radio is currently dekeyed");
    s->toggleKey();
    EXPECT_EQ(t.requests(), (Words{"key up", "live 0=91"}));
    EXPECT_EQ(s->statusText(), "Radio is currently keyed up at 162.000000MHz");

    // The keyed row itself goes live at once, without selecting its point again.
    s->upDownEnd(4, 92);
    EXPECT_EQ(t.requests(), (Words{"serial", "live 0=92"}));
    EXPECT_EQ(t.storage.value(3, 4), 100) << "a live value never reaches the storage";
}

TEST(PerFrequencyTransmitTest, ModulationBalanceSendsThreeWritesPerChangeAndIgnoresAFailedThird) {
    TuningBench t;
    auto s = t.open(kModulation);
    t.requests();
    // The opening text has no "at".
    s->toggleKey();
    EXPECT_EQ(s->statusText(), "Radio is currently keyed up 138.000000MHz");
    EXPECT_EQ(t.requests(), (Words{"key up", "live 2=0", "live 3=30", "live 2=127"}));
    s->boxEntered(0, 40);
    EXPECT_EQ(t.requests(), (Words{"serial", "live 2=0", "live 3=40", "live 2=127"}));

    sim::FaultRule rule;
    rule.kind = sim::FaultKind::NoAcknowledgement;
    rule.match.payload = std::vector<std::uint8_t>{2, 2, 127};
    rule.count = sim::FaultRule::kForever;
    t.bench.radio.inject(rule);
    s->upDownEnd(0, 41);
    EXPECT_TRUE(t.ui.shown.empty());
    t.bench.radio.clearFaults();
    s->sliderStep(1, 42, SliderStep::Line);
    s->toggleKey();
    EXPECT_EQ(s->statusText(), "Radio is currently keyed up at 144.000000MHz");
}

// A radio that keeps power limits (softpot 28) refuses F3's value: its message, and the other
// points go on. The high power texts of points 2 to 7 end at "allowed", the low power ones too.
struct LimitCase {
    int kind;
    int entry;
    std::string message;
};

class PowerLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(PowerLimitTest, ARefusedPointShowsItsLimitAndTheOthersAreStored) {
    const LimitCase& c = GetParam();
    TuningBench t("portable-limits");
    auto s = t.open(c.kind);
    const std::int32_t before = t.storage.value(3, c.entry + 2);
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    const Words values{"110", "111", "112", "113", "114", "115", "116"};
    s->program(values);
    EXPECT_EQ(t.requests(), concat(concat({"serial"}, pointCommits(0, values, {1, 2, 3, 4, 5, 6, 7})),
                                   {"channel 200/180"}));
    ASSERT_EQ(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.ui.shown[1], "ERROR|" + c.message + "|!");
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(t.storage.value(3, c.entry + n - 1), n == 3 ? before : 109 + n) << "F" << n;
    }
    EXPECT_EQ(s->rows()[2].defaultText, std::to_string(before));
    EXPECT_EQ(s->rows()[3].defaultText, "113");
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PowerLimitTest,
    ::testing::Values(
        LimitCase{kHighPower, 0, "Program softpot 3 aborted for Transmit High Power!! softpot value above max value allowed"},
        LimitCase{kLowPower, 7, "Program softpot 3 aborted for Transmit Low Power!! softpot value above max value allowed"}));

TEST(PerFrequencyTransmitTest, TheFirstPointsHighPowerLimitMessageEndsWithABlank) {
    TuningBench t("portable-limits");
    auto s = t.open(kHighPower);
    sim::FaultRule rule;
    rule.kind = sim::FaultKind::Unsupported;
    rule.match.payload = std::vector<std::uint8_t>{0, 1, 120};
    t.bench.radio.inject(rule);
    t.ui.answers = {MessageAnswer::Ok};
    s->program(boxes({"120", "121", "122", "123", "124", "125", "126"}));
    ASSERT_GE(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.ui.shown[1],
              "ERROR|Program softpot 1 aborted for Transmit High Power!! softpot value above max value allowed |!");
    EXPECT_EQ(t.storage.value(3, 0), 96);
    EXPECT_EQ(t.storage.value(3, 1), 121);
}

// The reduced-power portable may not go above the stored low power of the same point: F2 is
// refused before anything is sent for it. With softpot 28 known (code 26) the radio is sent the
// other values all the same, so nothing is shown as committed that the radio did not get.
class ReducedPowerTest : public ::testing::TestWithParam<bool> {};

TEST_P(ReducedPowerTest, RefusesAPointAboveItsLowPowerWithoutSendingIt) {
    TuningBench t("portable-e2");
    if (!GetParam()) t.storage.markUnsupported(26);
    auto s = t.open(kHighPower);
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    const Words values{"40", "50", "42", "43", "44", "45", "46"};
    s->program(values);
    EXPECT_EQ(t.requests(), concat(concat({"serial"}, pointCommits(0, values, {1, 3, 4, 5, 6, 7})), {"channel 200/180"}));
    EXPECT_EQ(t.ui.shown.back(),
              "ERROR|Program softpot 2 aborted for Transmit High Power!! softpot value above max value allowed |!");
    EXPECT_EQ(t.storage.value(3, 0), 40);
    EXPECT_EQ(t.storage.value(3, 1), 97);
    EXPECT_EQ(t.storage.value(3, 6), 46);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutSoftpot28, ReducedPowerTest, ::testing::Bool());

TEST(PerFrequencyTransmitTest, ModulationBalanceTakesTheClampedBoxAndStoresAfterTheLastPoint) {
    TuningBench t;
    auto s = t.open(kModulation);
    s->toggleKey();
    t.requests();
    // Program takes the focus from the box, which clamps 64 to the maximum first.
    const TunerBoxRule box(s->minimum(), s->maximum());
    const std::string clamped = box.textOnFocusLost("64").value_or("64");
    const Words values{clamped, "31", "32", "33", "34", "35", "36"};
    t.ui.answers = {MessageAnswer::Ok};
    s->program(values);
    EXPECT_EQ(t.requests(), concat(concat({"serial", "dekey"}, pointCommits(3, values, {1, 2, 3, 4, 5, 6, 7})),
                                   {"channel 200/180"}));
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Commit new softpot values? Softpot Value Range (0-63)"}));
    EXPECT_EQ(t.storage.value(4, 14), 63);
    EXPECT_EQ(s->rows()[0].defaultText, "63");
    EXPECT_FALSE(s->keyed());
}

// A refusal ends the commit at once. The power screens keep what they stored before it; the
// VCO and modulation screens store only after the last point, so nothing at all.
struct Refusal {
    int kind;
    Words values;
    std::string message;
    std::size_t sentPoints;
    bool earlierKept;
};

class PerPointRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(PerPointRefusalTest, EndsTheCommitAtTheRefusedPoint) {
    const Refusal& r = GetParam();
    TuningBench t;
    auto s = t.open(r.kind);
    const SoftpotFamilyRow& place = s->family().catalogue();
    const std::int32_t firstBefore = t.storage.value(place.row, place.firstEntry);
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    s->program(r.values);
    EXPECT_EQ(t.requests().size(), 1 + 2 * r.sentPoints);
    EXPECT_EQ(t.ui.shown.back(), r.message);
    EXPECT_EQ(t.storage.value(place.row, place.firstEntry), r.earlierKept ? 1 : firstBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PerPointRefusalTest,
    ::testing::Values(
        Refusal{kHighPower, {"1", "2", "128"}, "ERROR|Program softpots aborted for Transmit High Power!! Illegal softpot value|!", 2, true},
        Refusal{kLowPower, {"1", ""}, "NOTE|Please enter a valid Transmit Low Power softpot value!!", 1, true},
        Refusal{kVco25, {"1", "2", "3", "200"}, "ERROR|Program softpots aborted for VCO Attn.!! Illegal softpot value|!", 3, false},
        Refusal{kModulation, {"1", ""}, "NOTE|Please enter a valid Modulation Attn. softpot value !!", 1, false}));

// F4 out of use: the power screen leaves its entry alone, the VCO screen stores its empty box as
// 0; the VCO commit then reads back the 12.5 and 20 kHz values at the last used point.
TEST(PerFrequencyTransmitTest, Vco25CommitReadsBackTheOtherSpacingsAndStoresEveryBox) {
    TuningBench t;
    t.storage.setValue(0, 3, 0);
    auto s = t.open(kVco25);
    EXPECT_FALSE(s->rows()[3].inUse);
    EXPECT_EQ(s->rows()[3].frequencyText, "UNSUPPORTED");
    t.storage.setValue(5, 6, 1);
    t.storage.setValue(5, 13, 2);
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    const Words values{"80", "81", "82", "", "84", "85", "86"};
    s->program(values);
    EXPECT_EQ(t.requests(),
              concat(concat({"serial"}, pointCommits(2, values, {1, 2, 3, 5, 6, 7})),
                     {"test 0,2,0", "test 128,2,0", "channel 7395/7380", "op 20", "test 0,2,1", "test 128,2,1",
                      "channel 7395/7380", "op 20", "test 0,2,2", "test 128,2,2", "channel 200/180"}));
    EXPECT_EQ(t.storage.value(5, 6), 62);
    EXPECT_EQ(t.storage.value(5, 13), 70);
    EXPECT_EQ(t.storage.value(5, 14), 80);
    EXPECT_EQ(t.storage.value(5, 17), 0);
    EXPECT_EQ(s->rows()[2].defaultText, "82");

    auto high = (s->close(), t.openScreenKind = 0, t.open(kHighPower));
    t.ui.answers = {MessageAnswer::Ok};
    high->program(values);
    EXPECT_EQ(t.storage.value(3, 3), 99);
    EXPECT_EQ(t.storage.value(3, 4), 84);
}

}  // namespace
}  // namespace vantrel::testing
