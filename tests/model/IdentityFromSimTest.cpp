#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "protocol/EnhancedZIRK.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "support/RadioProfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {
namespace {

std::vector<std::string> profileNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(testing::radioProfileFolder()))
        names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Identity and frequency plan decoded from what each simulated radio actually answers, and
// compared with the profile it was built from.
class IdentityFromSim : public ::testing::TestWithParam<std::string> {};

TEST_P(IdentityFromSim, DecodesWhatTheRadioSays) {
    const sim::RadioProfile profile = testing::simulatedRadio(GetParam() + ".json");
    VirtualClock clock;
    VirtualLine line(clock);
    sim::SimRadio radio(profile);
    sim::VirtualLineRadio peer(radio, line);
    VirtualLinePort port(line);
    EnhancedZIRK zirk;
    zirk.setPort(&port);
    radioStorage storage;

    readIdentity(zirk, storage);
    const FrequencyPlanUse use = readFrequencyPlan(zirk, storage);
    EXPECT_EQ(storage.serialNumber(), profile.identity.serialNumber);
    EXPECT_EQ(storage.modelNumber(), profile.identity.modelNumber);
    EXPECT_EQ(storage.value(identity::kPlanRow, identity::kBandBaseEntry), profile.plan.bandBase);
    EXPECT_EQ(storage.tuningProcedureVersion(), profile.plan.tuningProcedureVersion);
    EXPECT_EQ(storage.value(identity::kPlanRow, identity::kChannelSpacingMaskEntry), profile.plan.channelSpacingMask);

    const bool singlePoint = radiomodel().isSinglePointModel(storage);
    for (int n = 1; n <= RF_Frequency::kPoints; ++n) {
        // A single-point model keeps F3 alone, on both halves, whatever else the radio reports.
        const bool kept = !singlePoint || n == 3;
        EXPECT_EQ(storage.value(identity::kPlanRow, RF_Frequency::transmitEntry(n)),
                  kept ? profile.plan.transmit[n - 1] : 0)
            << "F" << n;
        EXPECT_EQ(storage.value(identity::kPlanRow, RF_Frequency::receiveEntry(n)),
                  kept ? profile.plan.receive[n - 1] : 0)
            << "F" << n;
    }
    EXPECT_TRUE(use.usable());

    // The low-band marker follows the band: set only when a transmit point lies between
    // 29.7 and 50 MHz.
    updateLowBandMarker(storage);
    bool lowBand = false;
    for (auto offset : profile.plan.transmit) {
        const long kHz = profile.plan.bandBase * 25L + offset * 5L;
        lowBand = lowBand || (kHz > 29700 && kHz < 50000);
    }
    EXPECT_EQ(storage.value(identity::kKMRow, identity::kLowBandEntry), lowBand ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, IdentityFromSim, ::testing::ValuesIn(profileNames()), [](const auto& test) {
    std::string name = test.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

}  // namespace
}  // namespace vantrel
