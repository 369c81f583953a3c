#include "tuning/TuningBench.h"

#include "operations/radioProgramAll.h"
#include "sim/FaultPlan.h"
#include "support/ScopedServiceLog.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

constexpr int kRefOsc = 1;
constexpr std::uint8_t kSoftpotWrite = 0x20;

// What a Program leaves in the service log, one case per way it can end.
struct CommitCase {
    std::string name;
    std::string boxText;
    bool writeFails;
    ServiceResult result;
    std::optional<long long> after;
    std::string reason;
};

class CommitLineTest : public ::testing::TestWithParam<CommitCase> {};

TEST_P(CommitLineTest, NamesTheRadioThePointAndTheValues) {
    const CommitCase& c = GetParam();
    ScopedServiceLog log;
    TuningBench t;
    auto s = t.open(kRefOsc);
    if (c.writeFails) {
        sim::FaultRule rule;
        rule.kind = sim::FaultKind::NoAcknowledgement;
        rule.match.opcode = kSoftpotWrite;
        rule.count = sim::FaultRule::kForever;
        t.bench.radio.inject(rule);
    }
    t.ui.answers = {MessageAnswer::Ok};
    s->program({c.boxText});

    const auto records = log.records();
    ASSERT_EQ(records.size(), 1u);
    const serviceRecord& r = records[0];
    EXPECT_EQ(r.serial, "781TKA0101");
    EXPECT_EQ(r.model, "H25K416CA1AB120");
    EXPECT_EQ(r.family, "Reference Oscillator Warp");
    EXPECT_EQ(r.kind, kRefOsc);
    EXPECT_EQ(r.point, 7);
    EXPECT_DOUBLE_EQ(r.frequency.value_or(0), 173.975);
    EXPECT_EQ(r.before, 300);
    EXPECT_EQ(r.after, c.after);
    EXPECT_EQ(r.result, c.result);
    EXPECT_EQ(r.reason, c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceOscillator, CommitLineTest,
    ::testing::Values(CommitCase{"Done", "311", false, ServiceResult::Done, 311, ""},
                      CommitCase{"SameValueDone", "300", false, ServiceResult::Done, 300, ""},
                      CommitCase{"AboveMaximum", "600", false, ServiceResult::Refused, 600,
                                 "Program softpots aborted for Reference Oscillator Warp !! Illegal softpot value"},
                      CommitCase{"EmptyBox", "", false, ServiceResult::Refused, std::nullopt,
                                 "Please enter a valid Reference Oscillator Warp softpot value!!"},
                      CommitCase{"LineFails", "311", true, ServiceResult::Failed, 311, "Radio Communication Error!!"}),
    [](const auto& test) { return test.param.name; });

TEST(TuningServiceLogTest, ACancelledCommitChangesNothingAndLogsNothing) {
    ScopedServiceLog log;
    TuningBench t;
    auto s = t.open(kRefOsc);
    t.ui.answers = {MessageAnswer::Cancel};
    s->program({"311"});
    EXPECT_TRUE(log.records().empty());
}

TEST(TuningServiceLogTest, ProgramAllLeavesOneLineDoneOrFailed) {
    ScopedServiceLog log;
    TuningBench t;
    RecordedProgress progress;
    radioProgramAll(t.storage, progress).programAll();
    sim::FaultRule rule;
    rule.kind = sim::FaultKind::NoAcknowledgement;
    rule.count = sim::FaultRule::kForever;
    t.bench.radio.inject(rule);
    EXPECT_ANY_THROW(radioProgramAll(t.storage, progress).programAll());

    const auto records = log.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].family, "Program All");
    EXPECT_EQ(records[0].serial, "781TKA0101");
    EXPECT_EQ(records[0].result, ServiceResult::Done);
    EXPECT_FALSE(records[0].point.has_value());
    EXPECT_EQ(records[1].result, ServiceResult::Failed);
    EXPECT_EQ(records[1].reason, "Program Radio Error");
}

}  // namespace
}  // namespace vantrel::testing
