#include "tuning/TuningBench.h"

#include "sim/FaultPlan.h"
#include "tuning/TunerBoxRule.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

using Words = std::vector<std::string>;

constexpr int kRefOsc = 1;
constexpr int kVco125 = 6;
constexpr int kVco20 = 7;
constexpr int kDtmf = 9;
constexpr int kDalmor = 10;
constexpr int kSelect5 = 13;
constexpr int kMpt1327 = 14;
constexpr int kHss = 33;

void arm(TuningBench& t, sim::FaultKind kind, std::uint8_t opcode, std::uint32_t count = 1) {
    sim::FaultRule rule;
    rule.kind = kind;
    rule.match.opcode = opcode;
    rule.count = count;
    t.bench.radio.inject(rule);
}

// Every screen opens with a serial check on a connection of its own, then its test mode and
// its point on a second; the portable's plan has all seven points in use.
struct Opening {
    int kind;
    Words preparation;
    std::string frequency;
    std::string stored;
    std::string rangeNote;
};

class OpeningTest : public ::testing::TestWithParam<Opening> {};

TEST_P(OpeningTest, PreparesTheRadioAtTheScreensPointAndShowsTheStoredValue) {
    const Opening& o = GetParam();
    TuningBench t;
    auto session = t.open(o.kind);
    Words expected{"serial"};
    expected.insert(expected.end(), o.preparation.begin(), o.preparation.end());
    EXPECT_EQ(t.requests(), expected);
    EXPECT_EQ(t.portsOpened(), 2);
    EXPECT_EQ(t.openScreenKind, o.kind);
    ASSERT_EQ(session->rows().size(), 1u);
    EXPECT_EQ(session->rows()[0].frequencyText, o.frequency);
    EXPECT_EQ(session->rows()[0].defaultText, o.stored);
    EXPECT_EQ(session->workingText(0), o.stored);
    EXPECT_EQ(session->statusText(), "Radio is currently dekeyed");
    EXPECT_EQ(session->rangeNote(), o.rangeNote);
    EXPECT_TRUE(t.ui.shown.empty());
}

const std::string k31 = "Note : Valid Softpot values will range from 0-31";
const std::string k127 = "Note : Valid Softpot values will range from 0-127";
INSTANTIATE_TEST_SUITE_P(
    SingleValueScreens, OpeningTest,
    ::testing::Values(Opening{kRefOsc,
                              {"test 0,2,2", "test 129,2,2", "channel 7395/7380"},
                              "173.975000",
                              "300",
                              "Note : Valid Softpot values will range from 0-511"},
                      Opening{kVco125, {"test 0,2,0", "test 128,2,0", "channel 7395/7380"}, "173.975000", "62", k127},
                      Opening{kVco20, {"test 0,2,1", "test 128,2,1", "channel 7395/7380"}, "173.975000", "70", k127},
                      Opening{kDtmf, {"test 3,2,2", "channel 200/180"}, "138.000000", "18", k31},
                      Opening{kDalmor, {"test 4,2,2", "channel 3800/3780"}, "156.000000", "19", k31},
                      Opening{kSelect5, {"test 4,2,2", "channel 7395/7380"}, "173.975000", "20", k31},
                      Opening{kMpt1327, {"test 5,2,2", "channel 3800/3780"}, "156.000000", "21", k31},
                      Opening{kHss, {"test 7,2,2", "channel 7395/7380"}, "173.975000", "22", k31}));

TEST(TuningSessionTest, SendsValuesLiveOnlyWhileKeyed) {
    TuningBench t;
    auto s = t.open(kSelect5);
    t.requests();
    s->sliderStep(0, 21, SliderStep::Line);
    s->upDownEnd(0, 22);
    s->boxEntered(0, 23);
    EXPECT_EQ(t.requests(),
              (Words{"serial", "channel 7395/7380", "serial", "channel 7395/7380", "serial", "channel 7395/7380"}));

    s->toggleKey();
    EXPECT_EQ(s->statusText(), "Radio is currently keyed up at 173.975000MHz");
    EXPECT_EQ(t.requests(), (Words{"key up", "live 15=23"}));
    s->sliderStep(0, 24, SliderStep::Page);
    s->upDownEnd(0, 25);
    EXPECT_EQ(t.requests(), (Words{"serial", "live 15=24", "serial", "live 15=25"}));

    s->toggleKey();
    EXPECT_EQ(t.requests(), (Words{"dekey"}));
    EXPECT_EQ(s->statusText(), "Radio is currently dekeyed");
    EXPECT_FALSE(s->keyed());
    EXPECT_EQ(t.storage.value(14, 0), 20) << "a live value never reaches the storage";
}

TEST(TuningSessionTest, ADragOpensThePortAndChecksTheSerialOnce) {
    TuningBench t;
    auto s = t.open(kRefOsc);
    s->toggleKey();
    t.requests();
    t.portsOpened();
    for (std::uint32_t v = 301; v <= 320; ++v) s->sliderStep(0, v, SliderStep::ThumbTrack);
    EXPECT_TRUE(s->connectionHeld());
    s->sliderEnd(0);
    EXPECT_FALSE(s->connectionHeld());
    const Words sent = t.requests();
    ASSERT_EQ(sent.size(), 21u);
    EXPECT_EQ(sent.front(), "serial");
    EXPECT_EQ(sent[1], "live 11=301");
    EXPECT_EQ(sent.back(), "live 11=320");
    EXPECT_EQ(t.portsOpened(), 1);

    // The next drag is a new action: a new port and a new check.
    s->sliderStep(0, 321, SliderStep::ThumbTrack);
    s->sliderStep(0, 321, SliderStep::ThumbTrack);
    s->sliderEnd(0);
    EXPECT_EQ(t.requests(), (Words{"serial", "live 11=321", "live 11=321"}));
    EXPECT_EQ(t.portsOpened(), 1);
}

TEST(TuningSessionTest, ProgramWhileKeyedDekeysFirstAndStaysDekeyed) {
    TuningBench t;
    auto s = t.open(kRefOsc);
    s->toggleKey();
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    s->program({"412"});
    EXPECT_EQ(t.requests(), (Words{"serial", "dekey", "channel 7395/7380", "commit 11=412"}));
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Commit new softpot value? Softpot Value Range (0-511)"}));
    EXPECT_FALSE(s->keyed());
    EXPECT_EQ(s->statusText(), "Radio is currently dekeyed");
    EXPECT_EQ(t.storage.value(2, 0), 412);
    EXPECT_EQ(s->rows()[0].defaultText, "412");
}

TEST(TuningSessionTest, AWarpTypedAboveTheRangeCommitsTheMaximum) {
    TuningBench t;
    auto s = t.open(kRefOsc);
    t.requests();
    // Program takes the focus from the box, which clamps its text first.
    const TunerBoxRule box(s->minimum(), s->maximum());
    const std::string text = box.textOnFocusLost("600").value_or("600");
    t.ui.answers = {MessageAnswer::Ok};
    s->program({text});
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 7395/7380", "commit 11=511"}));
    EXPECT_EQ(t.storage.value(2, 0), 511);
}

// The commit's refusals: nothing is sent and the storage keeps its value.
struct Refusal {
    int kind;
    std::string text;
    std::string message;
};

class RefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, RefusesWithTheScreensOwnMessage) {
    const Refusal& r = GetParam();
    TuningBench t;
    auto s = t.open(r.kind);
    const SoftpotFamilyRow& place = s->family().catalogue();
    const std::int32_t before = t.storage.value(place.row, place.firstEntry);
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    s->program({r.text});
    ASSERT_EQ(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.ui.shown[1], r.message);
    EXPECT_EQ(t.requests(), (Words{"serial"}));
    EXPECT_EQ(t.storage.value(place.row, place.firstEntry), before);
}

INSTANTIATE_TEST_SUITE_P(
    SingleValueScreens, RefusalTest,
    ::testing::Values(
        Refusal{kRefOsc, "", "ERROR|Please enter a valid Reference Oscillator Warp softpot value!!"},
        Refusal{kVco125, "128", "ERROR|Program softpots aborted for VCO Attn.!! Illegal softpot value|!"},
        Refusal{kVco125, "", "NOTE|Please enter a valid VCO Attn. softpot value!!"},
        Refusal{kDtmf, "32", "ERROR|Program softpots aborted for DTMF Signalling!! Illegal softpot value|!"},
        Refusal{kDalmor, "", "NOTE|Please enter a valid Dalmor softpot value!!"},
        Refusal{kSelect5, "99", "ERROR|Program softpots aborted for Select 5 Signalling !! Illegal softpot value|!"},
        Refusal{kMpt1327, "", "NOTE|Please enter a valid MPT1327 Signalling softpot value!!"},
        Refusal{kHss, "40", "ERROR|Program softpots aborted for High Speed Signalling !! Illegal softpot value|!"}));

TEST(TuningSessionTest, CancellingTheMismatchQuestionLeavesEverythingAsItWas) {
    TuningBench t;
    auto s = t.open(kDtmf);
    t.storage.setSerialNumber("999XXX9999");
    t.storage.setValue(6, 0, 12);
    t.requests();
    t.ui.answers = {MessageAnswer::Cancel};
    s->program({"20"});
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Serial No. Mismatch!! Read in new radio?"}));
    EXPECT_EQ(t.requests(), (Words{"serial"}));
    EXPECT_EQ(t.storage.value(6, 0), 12);
    EXPECT_EQ(t.storage.serialNumber(), "999XXX9999");
    EXPECT_EQ(t.radioReads, 0);
    EXPECT_FALSE(s->connectionHeld());
}

TEST(TuningSessionTest, OkToTheMismatchQuestionReadsTheNewRadioAndShowsItsValues) {
    TuningBench t;
    auto s = t.open(kSelect5);
    t.storage.setSerialNumber("999XXX9999");
    t.storage.setValue(14, 0, 3);
    s->setupDisplay();
    const int generation = s->displayGeneration();
    t.ui.answers = {MessageAnswer::Ok};
    s->sliderStep(0, 9, SliderStep::Line);
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Serial No. mismatch!! Read in new radio?"}));
    EXPECT_EQ(t.radioReads, 1);
    EXPECT_EQ(t.storage.serialNumber(), "781TKA0101");
    EXPECT_EQ(s->rows()[0].defaultText, "20");
    EXPECT_EQ(s->workingText(0), "20");
    EXPECT_EQ(s->displayGeneration(), generation + 1);
    // The port was free while the radio was read: the read got its own.
    EXPECT_EQ(t.bench.opener.opened, t.bench.opener.closed);
}

TEST(TuningSessionTest, ClosingDekeysThenResets) {
    TuningBench t;
    auto s = t.open(kSelect5);
    s->toggleKey();
    t.requests();
    s->close();
    EXPECT_EQ(t.requests(), (Words{"dekey", "reset"}));
    EXPECT_EQ(t.openScreenKind, 0);
    EXPECT_TRUE(t.ui.shown.empty());
}

// A dekey that fails at closing sends no reset; only the Dalmor and MPT 1327 screens say so.
class ClosingFailureTest : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(ClosingFailureTest, ADekeyThatFailsSendsNoReset) {
    const auto [kind, reported] = GetParam();
    TuningBench t;
    auto s = t.open(kind);
    t.requests();
    arm(t, sim::FaultKind::NoAcknowledgement, 0x19, sim::FaultRule::kForever);
    s->close();
    const Words sent = t.requests();
    EXPECT_TRUE(std::find(sent.begin(), sent.end(), "reset") == sent.end());
    EXPECT_EQ(t.ui.shown, reported ? Words{"ERROR|Radio Communication Error!!|!"} : Words{});
    EXPECT_EQ(t.openScreenKind, 0);
}

INSTANTIATE_TEST_SUITE_P(SingleValueScreens, ClosingFailureTest,
                         ::testing::Values(std::pair{kDalmor, true}, std::pair{kMpt1327, true}, std::pair{kDtmf, false},
                                           std::pair{kHss, false}));

TEST(TuningSessionTest, AFailureEndsTheActionAndTheNextOneWorks) {
    TuningBench t;
    auto s = t.open(kRefOsc);
    s->toggleKey();
    t.requests();
    arm(t, sim::FaultKind::NoAcknowledgement, 0x20, sim::FaultRule::kForever);
    s->sliderStep(0, 310, SliderStep::Line);
    EXPECT_EQ(t.ui.shown, (Words{"ERROR|Radio Communication Error!!|!"}));
    EXPECT_FALSE(s->connectionHeld());
    t.bench.radio.clearFaults();
    t.requests();
    s->sliderStep(0, 311, SliderStep::Line);
    EXPECT_EQ(t.requests(), (Words{"serial", "live 11=311"}));
    EXPECT_EQ(t.ui.shown.size(), 1u);
}

TEST(TuningSessionTest, AFailedOpeningExchangeClearsTheKind) {
    TuningBench t;
    arm(t, sim::FaultKind::NoAcknowledgement, 0x22, sim::FaultRule::kForever);
    auto s = t.open(kDtmf);
    EXPECT_EQ(t.openScreenKind, 0);
    EXPECT_EQ(t.ui.shown, (Words{"ERROR|Radio Communication Error!!|!"}));
    EXPECT_EQ(t.bench.opener.opened, t.bench.opener.closed);
}

TEST(TuningSessionTest, APortInUseAbandonsTheActionWithItsWarning) {
    TuningBench t;
    auto s = t.open(kDtmf);
    t.requests();
    t.bench.opener.refuse = true;
    s->toggleKey();
    EXPECT_FALSE(s->keyed());
    EXPECT_EQ(t.ui.shown, (Words{" WARNING|COM Port is currently in use by another application"}));
    EXPECT_TRUE(t.requests().empty());

    t.openScreenKind = 0;
    auto refused = t.open(kSelect5);
    EXPECT_EQ(t.openScreenKind, 0);
}

TEST(TuningSessionTest, TheFirst20kHzProgramResendsItsTestModeEvenWhenCancelled) {
    TuningBench t;
    auto s = t.open(kVco20);
    t.requests();
    t.ui.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    s->program({"66"});
    EXPECT_EQ(t.requests(), (Words{"serial", "test 0,2,1", "test 128,2,1"}));
    s->program({"66"});
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 7395/7380", "commit 2=66"}));
    EXPECT_EQ(t.storage.value(5, 13), 66);
}

// With no transmit point in use (an archive can carry such a plan) the screens open disabled
// and commit nothing; the high speed trunking screen tunes at the value 0 all the same.
TEST(TuningSessionTest, AScreenWithoutAUsedPointCommitsNothing) {
    TuningBench t;
    for (int n = 0; n < 7; ++n) t.storage.setValue(0, n, 0);
    for (const int kind : {kRefOsc, kVco125, kDtmf, kDalmor}) {
        SCOPED_TRACE(kind);
        auto s = t.open(kind);
        const TuningRow& row = s->rows()[0];
        EXPECT_FALSE(row.inUse);
        EXPECT_EQ(row.frequencyText, "UNSUPPORTED");
        EXPECT_EQ(row.defaultText, "");
        EXPECT_EQ(s->workingText(0), "");
        t.requests();
        t.ui.answers = {MessageAnswer::Ok};
        s->program({""});
        EXPECT_EQ(t.requests(), (Words{"serial"}));
        // The VCO screens show what the box held even though nothing was sent.
        EXPECT_EQ(s->rows()[0].defaultText, kind == kVco125 ? "0" : "");
        s->close();
        t.requests();
    }
    EXPECT_EQ(t.storage.value(2, 0), 300);

    auto hss = t.open(kHss);
    EXPECT_TRUE(hss->rows()[0].inUse);
    EXPECT_EQ(hss->rows()[0].frequencyText, "137.000000");
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    hss->program({"17"});
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 0/7380", "commit 16=17"}));
    EXPECT_EQ(t.storage.value(19, 0), 17);
}

TEST(TuningSessionTest, TheMiddleAndFirstPointsFollowThePlan) {
    TuningBench t;
    t.storage.setValue(0, 0, 0);  // F1 transmit unused
    t.storage.setValue(0, 5, 0);
    t.storage.setValue(0, 6, 0);  // F2..F5 used
    auto dtmf = t.open(kDtmf);
    EXPECT_EQ(t.requests().back(), "channel 1400/180");
    dtmf->close();
    t.openScreenKind = 0;
    t.storage.setValue(0, 0, 200);  // F1..F5 used: the middle is F3
    auto dalmor = t.open(kDalmor);
    EXPECT_EQ(t.requests().back(), "channel 2600/2580");
}

}  // namespace
}  // namespace vantrel::testing
