#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "model/SoftpotReads.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/rxRatedVolumeData.h"
#include "protocol/EnhancedZIRK.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "support/RadioProfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Values = std::vector<std::int32_t>;

struct Expected {
    int row;
    int firstEntry;
    Values values;
};

// The catalogue's reads against the simulated radio, family by family as a radio read walks
// them: the values stored must be the radio's, whichever way it answers.
class SoftpotSimRead : public ::testing::Test {
protected:
    void useProfile(const std::string& name) {
        radio.emplace(testing::simulatedRadio(name));
        peer.emplace(*radio, line);
        conn.setPort(&port);
        readIdentity(conn, storage);
        readFrequencyPlan(conn, storage);
        radio->clearLog();
    }
    void readAllFamilies() {
        const std::uint8_t code = channelSpacingCode(storage);
        for (const SoftpotFamily family : {SoftpotFamily::ReferenceOscillator,
                                           SoftpotFamily::TransmitHighPower,
                                           SoftpotFamily::Softpot28,
                                           SoftpotFamily::TransmitLowPower,
                                           SoftpotFamily::ModulationBalance,
                                           SoftpotFamily::VcoAttenuation25,
                                           SoftpotFamily::VcoAttenuation20,
                                           SoftpotFamily::VcoAttenuation125,
                                           SoftpotFamily::PaVoltageLimit,
                                           SoftpotFamily::Dtmf,
                                           SoftpotFamily::PaBiasProbe,
                                           SoftpotFamily::PaBiasHigh,
                                           SoftpotFamily::PaBias2High,
                                           SoftpotFamily::PaBias3High,
                                           SoftpotFamily::PaBiasLow,
                                           SoftpotFamily::PaBias2Low,
                                           SoftpotFamily::PaBias3Low,
                                           SoftpotFamily::Dalmor,
                                           SoftpotFamily::Select5,
                                           SoftpotFamily::HighSpeedTrunking,
                                           SoftpotFamily::Mpt1327,
                                           SoftpotFamily::BatteryThreshold,
                                           SoftpotFamily::FrontEndFilter,
                                           SoftpotFamily::AutoSquelch125,
                                           SoftpotFamily::AutoSquelch20,
                                           SoftpotFamily::AutoSquelch25,
                                           SoftpotFamily::RatedVolume,
                                           SoftpotFamily::RssiThresholds}) {
            const SoftpotFamilyRow& row = catalogueRow(family);
            prepareForReading(row, code, conn);
            readFamily(row, storage, conn);
        }
    }
    void expectStored(const std::vector<Expected>& expected) const {
        for (const Expected& e : expected) {
            Values stored;
            for (std::size_t i = 0; i < e.values.size(); ++i) {
                stored.push_back(storage.value(e.row, e.firstEntry + static_cast<int>(i)));
            }
            EXPECT_EQ(stored, e.values) << "row " << e.row << " from entry " << e.firstEntry;
        }
    }
    std::size_t requestsWithOpcode(std::uint8_t opcode) const {
        const auto log = radio->log();
        return static_cast<std::size_t>(
            std::count_if(log.begin(), log.end(), [&](const sim::LoggedRequest& r) { return r.opcode == opcode; }));
    }

    VirtualClock clock;
    VirtualLine line{clock};
    VirtualLinePort port{line};
    std::optional<sim::SimRadio> radio;
    std::optional<sim::VirtualLineRadio> peer;
    EnhancedZIRK conn;
    radioStorage storage;
};

TEST_F(SoftpotSimRead, AllPointsRadioFillsEveryBlockWithoutChannelRequests) {
    useProfile("portable-v1.json");
    readAllFamilies();
    expectStored({
        {2, 0, {300}},
        {3, 0, {96, 97, 98, 99, 100, 101, 102, 40, 41, 42, 43, 44, 45, 46}},
        {21, 0, {60, 61, 62, 63, 64, 65, 66}},
        {4, 14, {30, 31, 32, 33, 34, 35, 36}},
        {5, 14, {70, 71, 72, 73, 74, 75, 76}},
        {10, 0, {120, 121, 122, 123, 124, 125, 126}},
        {11, 0, {30, 31, 32, 33, 34, 35, 36, 35, 36, 37, 38, 39, 40, 41, 40, 41, 42, 43, 44, 45, 46}},
        {18, 1, {150}},
    });
    // Only the single values at the last used point select a channel.
    EXPECT_EQ(requestsWithOpcode(0x21), 2u);
    expectStored({{5, 6, {62}}, {5, 13, {70}}});
}

TEST_F(SoftpotSimRead, PerPointRadioFillsOnlyTheUsedPoints) {
    useProfile("portable-v1-per-point.json");
    readAllFamilies();
    expectStored({
        {2, 0, {300}},
        {3, 0, {96, 97, 0, 99, 0, 101, 0, 40, 41, 0, 43, 0, 45, 0}},
        {21, 0, {60, 61, 0, 63, 0, 65, 0}},
        {4, 14, {30, 31, 0, 33, 0, 35, 0}},
        {5, 6, {61}},
        {5, 13, {69}},
        {5, 14, {70, 71, 0, 73, 0, 75, 0}},
        // A radio of the first procedure has no PA voltage limit to tune: the probe says so.
        {20, 0, {0, 0, 0, 0, 0, 0, 0}},
        {6, 0, {18}},
        {7, 0, {19}},
        {8, 0, {80, 50, 81, 51, 82, 52}},
        {14, 0, {20}},
        {15, 0, {21}},
        {19, 0, {22}},
        {18, 1, {150}},
        {10, 0, {120, 121, 122, 0, 124, 0, 0}},
        {11, 0, {30, 31, 32, 0, 34, 0, 0, 35, 36, 37, 0, 39, 0, 0, 40, 41, 42, 0, 44, 0, 0}},
        {12, 0, {128, 0}},
        {16, 0, {20, 35, 50, 118, 110, 100}},
    });
    EXPECT_FALSE(storage.isSupported(20));
    for (int code : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19, 22, 26, 28}) {
        EXPECT_TRUE(storage.isSupported(code)) << code;
    }
    EXPECT_FALSE(storage.isSupported(25));
}

TEST_F(SoftpotSimRead, SecondProcedureRadioGivesKandMPairsAndThePaVoltageLimit) {
    useProfile("mobile-v2.json");
    for (const SoftpotFamily family : {SoftpotFamily::KandM, SoftpotFamily::PaVoltageLimit}) {
        prepareForReading(catalogueRow(family), channelSpacingCode(storage), conn);
        readFamily(catalogueRow(family), storage, conn);
    }
    expectStored({
        {17, 0, {0x12, 0x34, 0x13, 0x35, 0x14, 0x36, 0x15, 0x37, 0x16, 0x38, 0x17, 0x39, 0x18, 0x3A}},
        {20, 0, {90, 91, 92, 93, 94, 95, 96}},
    });
    EXPECT_TRUE(storage.isSupported(16));
    EXPECT_TRUE(storage.isSupported(25));
}

TEST_F(SoftpotSimRead, SollenValueComesOnlyFromASollenCapableRadio) {
    useProfile("portable-sollen.json");
    rxRatedVolumeData volume;
    volume.setupTestMode(conn, 1);
    volume.readSecondInto(storage, conn);
    EXPECT_EQ(storage.value(12, 1), 140);

    radioStorage other;
    other.setModelNumber("H21K416CB1AB120 ");
    radio->clearLog();
    volume.readSecondInto(other, conn);
    EXPECT_TRUE(radio->log().empty());
}

}  // namespace
}  // namespace vantrel
