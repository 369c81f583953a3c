#include "tuning/KMPowerTuneSession.h"
#include "tuning/TuningBench.h"

#include "support/ScopedServiceLog.h"

#include "sim/FaultPlan.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

using Words = std::vector<std::string>;
using Column = KMPowerTuneSession::PowerColumn;
constexpr int kKandM = 4;
constexpr Column P1 = Column::Power1;
constexpr Column P2 = Column::Power2;

// The E family mobile keeps DAC 100 and 120; the one outside it 100 and 150, with K 200 and
// M 50 at F1.
constexpr const char* kMobileE = "mobile-v2";
constexpr const char* kCentredK = "mobile-v2-centred-k";

struct KMBench {
    explicit KMBench(const std::string& profile) : t(profile), session(t.open(kKandM)) {
        t.requests();
        t.portsOpened();
    }
    KMPowerTuneSession& km() { return dynamic_cast<KMPowerTuneSession&>(*session); }

    TuningBench t;
    std::unique_ptr<TuningSession> session;
};

// Fourteen box texts, all empty but those given as {point, column, text}.
struct Typed {
    int point;
    Column column;
    std::string text;
};
std::vector<std::string> boxes(std::initializer_list<Typed> typed) {
    std::vector<std::string> texts(14);
    for (const Typed& b : typed) texts[KMPowerTuneSession::boxIndex({b.point, b.column})] = b.text;
    return texts;
}

TEST(KMPowerTuneSessionTest, OpensInLowPowerAtF1AndShowsThePredictedPowers) {
    TuningBench t(kCentredK);
    auto s = t.open(kKandM);
    auto& km = dynamic_cast<KMPowerTuneSession&>(*s);
    EXPECT_EQ(t.requests(), (Words{"serial", "test 0,2,2", "test 129,2,2", "channel 200/180"}));
    EXPECT_EQ(t.openScreenKind, kKandM);
    EXPECT_EQ(km.powerText({1, P1}), "23.814");
    EXPECT_EQ(km.powerText({1, P2}), "34.574");
    EXPECT_EQ(s->rows()[0].frequencyText, "138.000000");
    EXPECT_EQ(s->statusText(), "Radio is currently dekeyed");
    EXPECT_FALSE(km.scale().mobileE);
}

TEST(KMPowerTuneSessionTest, APointNotInUseShowsNoPowers) {
    TuningBench t(kMobileE);
    t.storage.setValue(0, 4, 0);  // F5 transmit unused
    auto s = t.open(kKandM);
    auto& km = dynamic_cast<KMPowerTuneSession&>(*s);
    EXPECT_EQ(s->rows()[4].frequencyText, "UNSUPPORTED");
    EXPECT_FALSE(s->rows()[4].inUse);
    EXPECT_EQ(km.powerText({5, P1}), "");
    EXPECT_EQ(km.powerText({5, P2}), "");
    EXPECT_EQ(km.powerText({1, P1}), "0.640");  // K 18, M 52 at DAC 100 and 120
    EXPECT_TRUE(km.scale().mobileE);
}

TEST(KMPowerTuneSessionTest, TheFocusChoosesThePointWhileDekeyedAndTheDacValueWhileKeyed) {
    KMBench b(kMobileE);
    KMPowerTuneSession& km = b.km();
    km.focusBox({2, P1});
    EXPECT_EQ(b.t.requests(), (Words{"serial", "channel 1400/1380"}));
    km.toggleKey();
    EXPECT_EQ(b.t.requests(), (Words{"key up", "live 6=127", "live 0=100"}));
    EXPECT_EQ(km.statusText(), "Radio is currently keyed up at 144.000000MHz");

    km.focusBox({2, P2});
    EXPECT_EQ(b.t.requests(), (Words{"serial", "live 0=120"}));
    EXPECT_TRUE(km.keyed());

    km.focusBox({5, P1});
    EXPECT_EQ(b.t.requests(), (Words{"dekey", "serial", "channel 5000/4980"}));
    EXPECT_FALSE(km.keyed());
    EXPECT_EQ(km.statusText(), "Radio is currently dekeyed");
    km.toggleKey();
    EXPECT_EQ(b.t.requests(), (Words{"key up", "live 6=127", "live 0=100"}));
    EXPECT_EQ(km.statusText(), "Radio is currently keyed up at 162.000000MHz");
}

TEST(KMPowerTuneSessionTest, PttToggleBeforeAnyFocusKeysAtF1WithDac1) {
    KMBench b(kCentredK);
    b.km().toggleKey();
    EXPECT_EQ(b.t.requests(), (Words{"key up", "live 6=127", "live 0=100"}));
    EXPECT_EQ(b.km().statusText(), "Radio is currently keyed up at 138.000000MHz");
    b.km().toggleKey();
    EXPECT_EQ(b.t.requests(), (Words{"dekey"}));
}

// Program commits every used point, in order, at its own channel; unused points are computed
// but never sent.
struct Commit {
    std::string profile;
    std::vector<std::string> texts;
    std::uint32_t f1Value;
    std::uint32_t otherValue;
};

class KMCommitTest : public ::testing::TestWithParam<Commit> {};

TEST_P(KMCommitTest, CommitsAndStoresEveryUsedPoint) {
    const Commit& c = GetParam();
    ScopedServiceLog log;
    KMBench b(c.profile);
    b.t.storage.setValue(0, 3, 0);  // F4 transmit unused
    b.t.storage.setValue(17, 6, 77);
    b.session->setupDisplay();
    b.t.ui.answers = {MessageAnswer::Ok};
    b.km().program(c.texts);
    const std::string other = "commit 17=" + std::to_string(c.otherValue);
    EXPECT_EQ(b.t.requests(), (Words{"serial", "channel 200/180", "commit 17=" + std::to_string(c.f1Value),
                                     "channel 1400/1380", other, "channel 2600/2580", other, "channel 5000/4980", other,
                                     "channel 6200/6180", other, "channel 7395/7380", other}));
    EXPECT_EQ(b.t.ui.shown, (Words{"?WARNING|Commit new softpot values?",
                                   "NOTE|Softpots have been successfully written to the radio!!"}));
    EXPECT_EQ(b.t.storage.value(17, 0), static_cast<std::int32_t>(c.f1Value >> 8));
    EXPECT_EQ(b.t.storage.value(17, 1), static_cast<std::int32_t>(c.f1Value & 0xFF));
    EXPECT_EQ(b.t.storage.value(17, 2), static_cast<std::int32_t>(c.otherValue >> 8));
    EXPECT_EQ(b.t.storage.value(17, 6), 77) << "F4 is not in use";
    EXPECT_EQ(*b.t.bench.softpots().stored(17, 0), c.f1Value);
    // One service-log line per point sent, with the softpot value the radio took.
    const auto records = log.records();
    ASSERT_EQ(records.size(), 6u);
    for (const serviceRecord& r : records) {
        EXPECT_EQ(r.result, ServiceResult::Done);
        EXPECT_EQ(r.after, r.point == 1 ? c.f1Value : c.otherValue) << "F" << r.point.value_or(0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Readings, KMCommitTest,
    ::testing::Values(Commit{kCentredK, boxes({{1, P1, "23.814"}, {1, P2, "34.574"}}), 199 * 256 + 50, 128 * 256},
                      Commit{kMobileE, boxes({{1, P1, "0.640"}, {1, P2, "0.147"}}), 18 * 256 + 52, 0}));

TEST(KMPowerTuneSessionTest, AnImpossibleReadingRefusesTheWholeProgramBeforeAnyRequest) {
    KMBench b(kCentredK);
    b.t.ui.answers = {MessageAnswer::Ok};
    b.km().program(boxes({{1, P1, "23.814"}, {1, P2, "34.574"}, {3, P1, "104.4484"}, {3, P2, "235.01"}}));
    EXPECT_EQ(b.t.ui.shown,
              (Words{"?WARNING|Commit new softpot values?", "NOTE|Incorrect power measurement in F3!!|!"}));
    EXPECT_TRUE(b.t.requests().empty());
    EXPECT_EQ(b.t.portsOpened(), 0);
    EXPECT_EQ(b.t.storage.value(17, 0), 200);
}

TEST(KMPowerTuneSessionTest, APointNotInUseIsStillValidated) {
    KMBench b(kCentredK);
    b.t.storage.setValue(0, 6, 0);  // F7 transmit unused
    b.session->setupDisplay();
    b.t.ui.answers = {MessageAnswer::Ok};
    b.km().program(boxes({{7, P2, "-4"}}));
    EXPECT_EQ(b.t.ui.shown.back(), "NOTE|Incorrect power measurement in F7!!|!");
    EXPECT_TRUE(b.t.requests().empty());
}

TEST(KMPowerTuneSessionTest, CancelSendsNothing) {
    KMBench b(kCentredK);
    b.t.ui.answers = {MessageAnswer::Cancel};
    b.km().program(boxes({}));
    EXPECT_TRUE(b.t.requests().empty());
    EXPECT_EQ(b.t.ui.shown.size(), 1u);
}

// Failures and another radio are told in the status field, never in a message box.
TEST(KMPowerTuneSessionTest, MismatchAndFailuresGoToTheStatusField) {
    KMBench b(kCentredK);
    b.t.storage.setSerialNumber("999XXX9999");
    b.km().focusBox({3, P1});
    EXPECT_EQ(b.km().statusText(), "Serial No. mismatch!! Please close K&M tuning screen");
    EXPECT_EQ(b.t.requests(), (Words{"serial"}));
    b.t.ui.answers = {MessageAnswer::Ok};
    b.km().program(boxes({}));
    EXPECT_EQ(b.t.requests(), (Words{"serial"}));
    EXPECT_EQ(b.t.ui.shown, (Words{"?WARNING|Commit new softpot values?"}));
    EXPECT_EQ(b.t.radioReads, 0);
    EXPECT_EQ(b.t.bench.opener.opened, b.t.bench.opener.closed);

    b.t.storage.setSerialNumber("781TKA0205");
    sim::FaultRule rule;
    rule.kind = sim::FaultKind::NoAcknowledgement;
    rule.match.opcode = 0x19;
    rule.count = sim::FaultRule::kForever;
    b.t.bench.radio.inject(rule);
    b.km().toggleKey();
    EXPECT_EQ(b.km().statusText(), "Radio Communication Error!!");
    EXPECT_EQ(b.t.ui.shown.size(), 1u);
}

TEST(KMPowerTuneSessionTest, AFailureDuringProgramKeepsThePointsAlreadyCommitted) {
    KMBench b(kCentredK);
    sim::FaultRule rule;
    rule.kind = sim::FaultKind::NoAcknowledgement;
    rule.match.opcode = 0x21;
    rule.skip = 2;
    rule.count = sim::FaultRule::kForever;
    b.t.bench.radio.inject(rule);
    b.t.ui.answers = {MessageAnswer::Ok};
    b.km().program(boxes({{1, P1, "23.814"}, {1, P2, "34.574"}}));
    EXPECT_EQ(b.km().statusText(), "Radio Communication Error!!");
    EXPECT_EQ(b.t.ui.shown, (Words{"?WARNING|Commit new softpot values?"}));
    EXPECT_EQ(b.t.storage.value(17, 0), 199);
    EXPECT_EQ(b.t.storage.value(17, 2), 128);
    EXPECT_EQ(b.t.storage.value(17, 4), 202) << "F3 was never committed";
}

}  // namespace
}  // namespace vantrel::testing
