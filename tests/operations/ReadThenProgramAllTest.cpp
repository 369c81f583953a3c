#include "model/radioStorage.h"
#include "operations/OperationsBench.h"
#include "operations/radioOperations.h"
#include "operations/radioProgramAll.h"
#include "protocol/cominit.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::RadioBench;
using testing::RecordedProgress;
using testing::simulatedRadio;

constexpr int kLowLevelBank = 2;

// The same radio (same identity and plan) with every softpot value changed.
sim::RadioProfile withOtherValues(sim::RadioProfile profile) {
    for (sim::SoftpotProfile& softpot : profile.softpots) {
        for (auto& [bank, values] : softpot.banks) {
            for (std::uint32_t& value : values) value ^= 0x05;
        }
    }
    return profile;
}

std::size_t lastUsedSlot(const std::array<std::uint16_t, sim::FrequencyPlan::kPoints>& points) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i] != 0) last = i;
    }
    return last;
}

// The values Program All leaves as the radio has them, by design: the slots of unused points,
// the narrow-spacing VCO values apart from the one kept at the last used point, the low-level
// bias 2 and 3, the third RSSI threshold of the two-threshold models (all the profiles below),
// and each procedure's foreign families.
bool leftAlone(const sim::SoftpotProfile& softpot, int bank, std::size_t slot, const sim::RadioProfile& profile) {
    const sim::FrequencyPlan& plan = profile.plan;
    const bool second = plan.tuningProcedureVersion == 2;
    if (softpot.side == sim::PointSide::Transmit && plan.transmit[slot] == 0) return true;
    if (softpot.side == sim::PointSide::Receive && plan.receive[slot] == 0) return true;
    switch (softpot.number) {
        case 0:  // transmit power; the second procedure's DAC screen only sets it live
            return second;
        case 2:
            return bank != sim::SoftpotProfile::kDefaultBank && slot != lastUsedSlot(plan.transmit);
        case 6:   // PA voltage limit
        case 10:  // battery threshold
            return !second;
        case 18:
            return second && bank == kLowLevelBank;
        case 20:
        case 27:
            return bank == kLowLevelBank;
        case 26:
            return slot == 2;
        default:
            return false;
    }
}

class ReadThenProgramAllTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ReadThenProgramAllTest, SecondRadioOfTheSameSerialEndsWithTheFirstRadiosSoftpots) {
    sim::RadioProfile first = simulatedRadio(std::string(GetParam()) + ".json");
    // Old codeplugs with Select 5 never get RSSI thresholds; let every profile carry them.
    first.memory.contents.push_back(sim::MemoryPatch{2, {25}});
    radioStorage storage;
    {
        RadioBench bench(first);
        RecordedProgress progress;
        ASSERT_EQ(radioOperations().readRadio(storage, progress), ReadOutcome::complete());
    }

    RadioBench second(withOtherValues(first));
    radioOperations operations;
    {
        cominit conn;
        ASSERT_TRUE(operations.serialMatches(storage, conn));
    }
    RecordedProgress progress;
    radioProgramAll(storage, progress).programAll();

    int compared = 0;
    for (const sim::SoftpotProfile& softpot : first.softpots) {
        for (const auto& [bank, values] : softpot.banks) {
            for (std::size_t slot = 0; slot < values.size(); ++slot) {
                if (leftAlone(softpot, bank, slot, first)) continue;
                EXPECT_EQ(second.softpots().stored(softpot.number, slot, bank), values[slot])
                    << softpot.name << ", bank " << bank << ", slot " << slot;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 40);
}

INSTANTIATE_TEST_SUITE_P(Profiles, ReadThenProgramAllTest,
                         ::testing::Values("portable-v1", "portable-v1-per-point", "portable-sollen", "mobile-v2"));

}  // namespace
}  // namespace vantrel
