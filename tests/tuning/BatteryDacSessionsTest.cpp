#include "tuning/BatteryDacSessions.h"
#include "tuning/TuningBench.h"

#include "sim/FaultPlan.h"
#include "support/ScopedServiceLog.h"

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

using Words = std::vector<std::string>;
constexpr int kBattery = 32;
constexpr int kDac = 35;

struct BatteryBench {
    // The screen opens on a stored threshold of 100.
    BatteryBench() : t("mobile-v2") {
        t.storage.setValue(18, 1, 100);
        session = t.open(kBattery);
        t.requests();
    }
    BatteryThresholdSession& battery() { return dynamic_cast<BatteryThresholdSession&>(*session); }
    void measures(std::uint32_t value) { t.bench.softpots().setAutoTune(10, {value}); }

    TuningBench t;
    std::unique_ptr<TuningSession> session;
};

TEST(BatteryThresholdSessionTest, OpensInItsTestModeWithoutAPoint) {
    TuningBench t("mobile-v2");
    auto s = t.open(kBattery);
    EXPECT_EQ(t.requests(), (Words{"serial", "test 9,2,2"}));
    auto& battery = dynamic_cast<BatteryThresholdSession&>(*s);
    EXPECT_EQ(battery.targetText(), "12.0\n");
    EXPECT_EQ(battery.thresholdText(), "150\n");
    s->close();
    EXPECT_EQ(t.requests(), (Words{"dekey", "reset"}));
}

// A measurement more than 16 away from the value the screen opened with is refused, also
// after an accepted one moved the stored value.
struct Measurement {
    std::uint32_t measured;
    bool accepted;
};

TEST(BatteryThresholdSessionTest, KeepsOnlyMeasurementsNearTheOpeningValue) {
    ScopedServiceLog log;
    BatteryBench b;
    for (const Measurement m : {Measurement{117, false}, Measurement{116, true}, Measurement{117, false},
                                Measurement{84, true}, Measurement{83, false}}) {
        SCOPED_TRACE(m.measured);
        b.t.ui.shown.clear();
        const std::int32_t before = b.t.storage.value(18, 1);
        b.measures(m.measured);
        b.battery().program({});
        if (m.accepted) {
            EXPECT_EQ(b.t.requests(), (Words{"auto tune 10", "commit 10=1"}));
            EXPECT_EQ(b.t.ui.shown, (Words{"NOTE|Battery Treshold softpot values commited !!"}));
            EXPECT_EQ(b.t.storage.value(18, 1), static_cast<std::int32_t>(m.measured));
            EXPECT_EQ(b.battery().thresholdText(), std::to_string(m.measured) + "\n");
            EXPECT_EQ(*b.t.bench.softpots().stored(10, 0), m.measured) << "the radio keeps what it measured";
        } else {
            EXPECT_EQ(b.t.requests(), (Words{"auto tune 10"}));
            EXPECT_EQ(b.t.ui.shown, (Words{"NOTE|Incorrect supply voltage setting|!"}));
            EXPECT_EQ(b.t.storage.value(18, 1), before);
        }
        // Each Program leaves one service-log line: the measurement, taken or refused.
        const auto records = log.records();
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.back().after, m.measured);
        EXPECT_EQ(records.back().result, m.accepted ? ServiceResult::Done : ServiceResult::Refused);
    }
    EXPECT_EQ(log.records().size(), 5u);
}

TEST(BatteryThresholdSessionTest, ALostCommitIsReportedAndNotStored) {
    BatteryBench b;
    b.measures(110);
    sim::FaultRule rule;
    rule.kind = sim::FaultKind::NoAcknowledgement;
    rule.match.opcode = 0x20;
    rule.count = sim::FaultRule::kForever;
    b.t.bench.radio.inject(rule);
    b.battery().program({});
    EXPECT_EQ(b.t.ui.shown, (Words{"ERROR|Radio Communication Error!!|!"}));
    EXPECT_EQ(b.t.storage.value(18, 1), 100);
    EXPECT_EQ(b.battery().thresholdText(), "100\n");
}

struct DacBench {
    DacBench() : t("mobile-v2") {
        t.storage.setValue(1, 0, 0);
        session = t.open(kDac);
    }
    TuningBench t;
    std::unique_ptr<TuningSession> session;
};

TEST(DacSessionTest, OpensAtHighPowerAtTheLastPointAndMarksTheStorage) {
    DacBench b;
    EXPECT_EQ(b.t.requests(), (Words{"serial", "test 0,0,2", "test 129,0,2", "channel 7395/7380"}));
    EXPECT_EQ(b.t.storage.value(1, 0), 1);
    const auto& rows = b.session->rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].frequencyText, "DAC 1");
    EXPECT_EQ(rows[1].defaultText, "120");
    EXPECT_EQ(b.session->workingText(0), "100");
    EXPECT_EQ(b.session->rangeNote(), "Note : Valid Softpot values will range from 0-255");
}

TEST(DacSessionTest, ValuesGoLiveAndAreStoredOnlyWhileKeyed) {
    DacBench b;
    b.t.requests();
    b.session->sliderStep(1, 140, SliderStep::Line);
    EXPECT_EQ(b.t.requests(), (Words{"serial"}));
    EXPECT_EQ(b.t.storage.value(17, 15), 120);

    b.session->toggleKey();
    EXPECT_EQ(b.t.requests(), (Words{"key up", "live 6=127", "live 0=140"}));
    EXPECT_EQ(b.t.storage.value(17, 15), 140);
    EXPECT_EQ(b.session->statusText(), "Radio is currently keyed up at 173.975000MHz");

    b.session->upDownEnd(0, 90);
    EXPECT_EQ(b.t.requests(), (Words{"serial", "live 0=90"}));
    EXPECT_EQ(b.t.storage.value(17, 14), 90);
}

TEST(DacSessionTest, RowsFollowTheirOwnTransmitPoints) {
    TuningBench t("mobile-v2");
    t.storage.setValue(0, 1, 0);  // F2 transmit unused
    auto s = t.open(kDac);
    EXPECT_TRUE(s->rows()[0].inUse);
    EXPECT_FALSE(s->rows()[1].inUse);
    EXPECT_EQ(s->rows()[1].defaultText, "");
    EXPECT_EQ(s->workingText(1), "");
}

// Closing warns of a hardware fault when DAC 2 lies below DAC 1 and either is outside 20..200.
struct Closing {
    std::int32_t dac1;
    std::int32_t dac2;
    bool warned;
};

class DacClosingTest : public ::testing::TestWithParam<Closing> {};

TEST_P(DacClosingTest, WarnsOfAHardwareFaultBeforeDekeying) {
    const Closing& c = GetParam();
    DacBench b;
    b.t.storage.setValue(17, 14, c.dac1);
    b.t.storage.setValue(17, 15, c.dac2);
    b.t.requests();
    b.session->close();
    EXPECT_EQ(
        b.t.ui.shown,
        c.warned
            ? Words{"WARINING|Unacceptabel DAC values. Please check hardware as there might be a hardware failure.|!"}
            : Words{});
    EXPECT_EQ(b.t.requests(), (Words{"dekey", "reset"}));
    EXPECT_EQ(b.t.openScreenKind, 0);
}

INSTANTIATE_TEST_SUITE_P(DacValues, DacClosingTest,
                         ::testing::Values(Closing{150, 10, true}, Closing{150, 220, false}, Closing{150, 100, false},
                                           Closing{250, 201, true}, Closing{20, 19, true}, Closing{10, 10, false}));

}  // namespace
}  // namespace vantrel::testing
