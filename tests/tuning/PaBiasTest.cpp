#include "tuning/PaBiasSession.h"
#include "tuning/TuningBench.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

using Words = std::vector<std::string>;
using Q = BiasQuantity;

constexpr std::string_view kHigh = "PA Bias Voltage High Power";
constexpr std::string_view kRxMode = "PA Bias Voltage Rx Mode";
constexpr std::string_view kHighDefault = "PA Bias Default (High Power)";
constexpr std::string_view kLow = "PA Bias Voltage Low Power";
constexpr std::string_view kLowDefault = "PA Bias Default (Low Power)";

// High power and Rx mode share a kind: the screens are told apart by their frames' captions.
std::unique_ptr<PaBiasSession> openBias(TuningBench& t, std::string_view caption) {
    const TuningFamily* family = tuningFamilyOfCaption(caption);
    if (family == nullptr) return nullptr;
    std::unique_ptr<TuningSession> session = family->session(*family, t.context);
    session->open();
    session->setupDisplay();
    auto* bias = dynamic_cast<PaBiasSession*>(session.get());
    if (bias == nullptr) return nullptr;
    session.release();
    return std::unique_ptr<PaBiasSession>(bias);
}

// The toggles that can be pressed, as "V1" for voltage and Bias 1 and so on.
std::string enabledToggles(const PaBiasSession& s) {
    std::string names;
    for (const BiasControl& c : s.controls()) {
        if (c.toggleEnabled) names += "V123"[static_cast<int>(c.quantity)];
    }
    return names;
}

std::string presentRows(const PaBiasSession& s) {
    std::string names;
    for (const BiasControl& c : s.controls()) {
        if (c.present) names += "V123"[static_cast<int>(c.quantity)];
    }
    return names;
}

struct Opening {
    std::string profile;
    std::string_view caption;
    Words preparation;
    int kind;
    std::string rows;
};

class PaBiasOpeningTest : public ::testing::TestWithParam<Opening> {};

TEST_P(PaBiasOpeningTest, PreparesTheRadioPerModelAndShowsItsRows) {
    const Opening& o = GetParam();
    TuningBench t(o.profile);
    auto s = openBias(t, o.caption);
    ASSERT_NE(s, nullptr);
    Words expected{"serial"};
    expected.insert(expected.end(), o.preparation.begin(), o.preparation.end());
    EXPECT_EQ(t.requests(), expected);
    EXPECT_EQ(t.openScreenKind, o.kind);
    EXPECT_EQ(presentRows(*s), o.rows);
    // Only the first quantity present can be started.
    EXPECT_EQ(enabledToggles(*s), o.rows.substr(0, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PaBiasOpeningTest,
    ::testing::Values(
        Opening{"portable-v1", kHigh, {"test 9,0,2"}, 11, "V123"},
        // An E mobile is keyed at once at full power; the E4 at a fixed frequency first:
        // (500000000 - 17600 x 25000) / 5000 on this high-band radio.
        Opening{"mobile-v2", kHigh, {"key up", "live 0=255"}, 11, "V123"},
        Opening{"mobile-e4-high-band", kHigh,
                {"test 9,2,2", "channel 12000", "key up", "live 20=0", "live 0=255"}, 11, "V123"},
        Opening{"mobile-e2", kRxMode,
                {"test 0,2,2", "test 9,0,2", "channel 12600", "live 20=0", "live 0=255"}, 11, "V123"},
        Opening{"mobile-e3", kRxMode, {"test 9,0,2", "channel 7400", "live 20=0", "live 27=0", "live 0=255"}, 11,
                "V123"},
        Opening{"portable-v1", kRxMode, {}, 11, "V123"},
        // A low-power screen has Bias 1 and the voltage only, whatever else the radio has.
        Opening{"portable-v1", kLow, {"test 9,2,2"}, 12, "V1"},
        Opening{"portable-v1", kHighDefault, {"dekey", "reset"}, 36, "123"},
        Opening{"portable-v1", kLowDefault, {"dekey", "reset"}, 37, "1"},
        // Without the PA voltage on its bias screens the first bias is enabled at once.
        Opening{"portable-limits", kHigh, {"test 9,0,2"}, 11, "1"}));

TEST(PaBiasTest, FixedChannelsAreWorkedOutInUnsignedArithmetic) {
    EXPECT_EQ(fixedChannel(500000000u, 17600), 12000);
    EXPECT_EQ(fixedChannel(200000000u, 5480), 12600);
    EXPECT_EQ(fixedChannel(174000000u, 5480), 7400);
    // Below the band base the difference wraps, and the channel keeps the low 16 bits of it.
    EXPECT_EQ(fixedChannel(200000000u, 17600), static_cast<std::uint16_t>((200000000u - 440000000u) / 5000u));
}

// The toggles lead through voltage, Bias 1, 2 and 3 and allow going back.
struct Step {
    Q pressed;
    std::string enabledAfter;
    Words sent;
};

TEST(PaBiasTest, TogglesEnableTheNextQuantityInTurn) {
    TuningBench t;
    auto s = openBias(t, kHigh);
    t.requests();
    const Words zeroBiases{"serial", "live 18=0", "live 20=0", "live 27=0"};
    const std::vector<Step> steps{
        {Q::Voltage, "V", {"serial", "live 6=0", "live 18=0", "live 20=0", "live 27=0"}},
        {Q::Voltage, "V1", {}},
        {Q::Bias1, "1", zeroBiases},
        {Q::Bias1, "V12", {}},
        {Q::Bias2, "2", zeroBiases},
        {Q::Bias2, "V123", {}},
        {Q::Voltage, "V", {"serial", "live 6=0", "live 18=0", "live 20=0", "live 27=0"}},
        {Q::Voltage, "V123", {}},
        {Q::Bias3, "3", zeroBiases},
        {Q::Bias3, "V123", {}},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        s->toggle(steps[i].pressed);
        EXPECT_EQ(enabledToggles(*s), steps[i].enabledAfter);
        EXPECT_EQ(t.requests(), steps[i].sent);
        EXPECT_EQ(s->control(steps[i].pressed).tuning, !steps[i].sent.empty());
    }
    EXPECT_TRUE(t.ui.shown.empty());
}

TEST(PaBiasTest, AValueGoesLiveOnlyWhileItsQuantityTunes) {
    TuningBench t;
    auto s = openBias(t, kHigh);
    t.requests();
    s->changeValue(Q::Bias1, 40);
    EXPECT_TRUE(t.requests().empty());
    s->toggle(Q::Voltage);
    EXPECT_EQ(s->control(Q::Voltage).position, 0u);
    t.requests();
    s->changeValue(Q::Voltage, 33);
    EXPECT_EQ(t.requests(), (Words{"serial", "live 6=33"}));
    EXPECT_EQ(s->control(Q::Voltage).position, 33u);
}

// The commit takes the up-downs on high power; above Bias 3's maximum it stops there.
struct Commit {
    std::string profile;
    std::uint32_t bias3;
    Words sent;
    std::string lastMessage;
    std::int32_t storedBias3;
};

class PaBiasCommitTest : public ::testing::TestWithParam<Commit> {};

TEST_P(PaBiasCommitTest, CommitsTheBiasesInOrderUpToTheFirstRefusal) {
    const Commit& c = GetParam();
    TuningBench t(c.profile);
    auto s = openBias(t, kHigh);
    for (const auto& [q, v] : {std::pair{Q::Voltage, 20u}, {Q::Bias1, 50u}, {Q::Bias2, 60u}, {Q::Bias3, c.bias3}}) {
        s->toggle(q);
        s->changeValue(q, v);
        s->toggle(q);
    }
    t.requests();
    t.ui.answers = {MessageAnswer::Ok};
    s->program({"20", "50", "60", std::to_string(c.bias3)});
    EXPECT_EQ(t.requests(), c.sent);
    EXPECT_EQ(t.ui.shown.front(), "?WARNING|Commit new softpot value?");
    EXPECT_EQ(t.ui.shown.back(), c.lastMessage);
    EXPECT_EQ(t.storage.value(8, 0), 50);
    EXPECT_EQ(t.storage.value(8, 2), 60);
    EXPECT_EQ(t.storage.value(8, 4), c.storedBias3);
    EXPECT_EQ(s->control(Q::Bias2).defaultText, "60");
}

INSTANTIATE_TEST_SUITE_P(
    Procedures, PaBiasCommitTest,
    ::testing::Values(
        Commit{"portable-v1", 200, {"serial", "commit 18=50", "commit 20=60"},
               "ERROR|Program softpots aborted for PA Bias High Power!! Illegal softpot value|!", 82},
        // The second tuning procedure lets Bias 2 and 3 go to 255.
        Commit{"mobile-v2", 200, {"serial", "commit 18=50", "commit 20=60", "commit 27=200"},
               "NOTE|PA Bias High softpot values commited !!", 200}));

TEST(PaBiasTest, TheLowPowerCommitReadsItsBoxAndKeepsEntry1) {
    TuningBench t;
    auto s = openBias(t, kLow);
    EXPECT_EQ(s->rangeNote(), "Note : Valid Softpot values will range from 0-127");
    EXPECT_EQ(s->rangeNoteSecondLine(), "");
    t.requests();
    t.ui.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    s->program({"", "77"});
    EXPECT_EQ(t.requests(), (Words{"serial", "commit 18=77"}));
    EXPECT_EQ(t.ui.shown, (Words{"?WARNING|Commit new softpot value? Softpot Value Range (0-127)",
                                 "NOTE|PA Bias Low softpot values commited !!"}));
    EXPECT_EQ(t.storage.value(8, 1), 77);
    s->program({"", ""});
    EXPECT_EQ(t.ui.shown.back(), "NOTE|Please enter a valid PA Bias Low Power softpot value!!");
}

TEST(PaBiasTest, TheSecondProcedureNotesTheWideRangeOnTwoLines) {
    TuningBench t("mobile-v2");
    auto s = openBias(t, kHigh);
    EXPECT_EQ(s->rangeNote(), "Note : Voltage and Bias 1 softpot values range from 0-127");
    EXPECT_EQ(s->rangeNoteSecondLine(), "           Bias 2 and 3 softpot values range from 0-255");
    EXPECT_EQ(s->control(Q::Bias2).range, 255u);
    EXPECT_EQ(s->control(Q::Bias1).range, 127u);
}

// Closing dekeys and resets; a default screen first reminds of the supply voltage, with no icon.
TEST(PaBiasTest, ClosingADefaultScreenAsksForTheSupplyBack) {
    TuningBench t;
    auto s = openBias(t, kHighDefault);
    t.requests();
    s->close();
    EXPECT_EQ(t.ui.shown, (Words{"NOTE|Please Set Supply Voltage Back to 7.5V|-"}));
    EXPECT_EQ(t.requests(), (Words{"dekey", "reset"}));
    EXPECT_EQ(t.openScreenKind, 0);

    auto high = openBias(t, kHigh);
    t.storage.setSerialNumber("999XXX9999");
    t.ui.answers = {MessageAnswer::Cancel};
    high->toggle(Q::Voltage);
    EXPECT_EQ(t.ui.shown.back(), "?WARNING|Serial No. Mismatch!! Read in new radio?");
}

}  // namespace
}  // namespace vantrel::testing
