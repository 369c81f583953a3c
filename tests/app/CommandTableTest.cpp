#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "model/SoftpotCatalogue.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <set>

namespace vantrel {
namespace {

using namespace command;

std::set<int> enabledCommands(const CommandState& state) {
    std::set<int> enabled;
    for (const CommandInfo& info : commandTable()) {
        if (isCommandEnabled(info.id, state)) enabled.insert(info.id);
    }
    return enabled;
}

// A radio read on the second tuning procedure, with K and M supported and the low-band marker
// set: the state in which the K and M and DAC rules differ by model.
radioStorage lowBandSecondProcedure(const std::string& model) {
    radioStorage storage;
    storage.setModelNumber(model);
    storage.setTuningProcedureVersion(2);
    storage.markSupported(16);
    storage.setValue(identity::kKMRow, identity::kLowBandEntry, 1);
    return storage;
}

TEST(CommandTable, AtStartOnlyTheCommandsWhoseRulesAskForNoImageAreEnabled) {
    const radioStorage storage;
    const CommandState start{storage};
    EXPECT_EQ(enabledCommands(start),
              (std::set<int>{kLoadArchive, kReadRadio, kExit, kCommunicationSettings, kPortableRadioSetup,
                             kMobileRadioSetup, kRadioHardwareInformation, kAbout,
                             // default support flags and the default model number
                             kPaBiasHighPower, kPaBiasLowPower, kRatedVolumeCarrierSquelch}));
    // The VCO and squelch commands wait for a channel spacing mask.
    for (int id : {kVco125, kVco20, kVco25, kSquelch125, kSquelch20, kSquelch25}) {
        EXPECT_FALSE(isCommandEnabled(id, start)) << id;
    }
}

TEST(CommandTable, AnOpenWindowBlocksLoadAndReadButNotSaveAndProgramAll) {
    radioStorage storage;
    CommandState state{storage, true, false, true, 0};
    for (int id : {kLoadArchive, kReadRadio, kSaveArchive, kProgramAll}) EXPECT_TRUE(isCommandEnabled(id, state)) << id;
    state.openScreenKind = 9;
    EXPECT_FALSE(isCommandEnabled(kLoadArchive, state));
    EXPECT_FALSE(isCommandEnabled(kReadRadio, state));
    EXPECT_TRUE(isCommandEnabled(kSaveArchive, state));
    EXPECT_TRUE(isCommandEnabled(kProgramAll, state));
}

TEST(CommandTable, KAndMAndDacOnALowBandSecondProcedureRadioDependOnTheEMobile) {
    const radioStorage other = lowBandSecondProcedure("M25K440DA1BN01A ");
    const CommandState otherState{other, true};
    EXPECT_TRUE(isCommandEnabled(kKandMTuning, otherState));
    EXPECT_TRUE(isCommandEnabled(kDac, otherState));

    radioStorage mobileE = lowBandSecondProcedure("M42K440DA1BN01A ");
    const CommandState eState{mobileE, true};
    EXPECT_FALSE(isCommandEnabled(kKandMTuning, eState));
    EXPECT_FALSE(isCommandEnabled(kDac, eState));
    // Once the DAC screen marker is set the E mobile is tuned with K and M; DAC stays closed.
    mobileE.setValue(identity::kDacMarkerRow, identity::kDacMarkerEntry, 1);
    EXPECT_TRUE(isCommandEnabled(kKandMTuning, eState));
    EXPECT_FALSE(isCommandEnabled(kDac, eState));
    // Without an image neither is open, whatever the markers say.
    EXPECT_FALSE(isCommandEnabled(kKandMTuning, CommandState{other}));
    EXPECT_FALSE(isCommandEnabled(kDac, CommandState{other}));
}

TEST(CommandTable, EarlyMobilesAlwaysOfferDacAndTheMobileAPaVoltageLimit) {
    radioStorage mobileA;
    mobileA.setModelNumber("M21K440DA1BN01A ");
    EXPECT_TRUE(isCommandEnabled(kDac, CommandState{mobileA}));
    EXPECT_TRUE(isCommandEnabled(kPaVoltageLimit, CommandState{mobileA}));
    radioStorage mobileB;
    mobileB.setModelNumber("M23R440DA1BN01A ");
    EXPECT_TRUE(isCommandEnabled(kDac, CommandState{mobileB}));
    EXPECT_FALSE(isCommandEnabled(kPaVoltageLimit, CommandState{mobileB}));
}

TEST(CommandTable, TuningScreensNeedAnImageThatMayBeTuned) {
    radioStorage storage;
    storage.setTuningProcedureVersion(1);
    for (int id :
         {kReferenceOscillatorWarp, kModulationBalance, kDtmf, kDalmor, kTransmitHighPower, kTransmitLowPower}) {
        EXPECT_FALSE(isCommandEnabled(id, CommandState{storage, false, false, true})) << id;
        EXPECT_TRUE(isCommandEnabled(id, CommandState{storage, false, true, true})) << id;
        EXPECT_FALSE(isCommandEnabled(id, CommandState{storage, true, false, false})) << id;
    }
    // The first procedure's transmit power screens are closed on the second procedure.
    storage.setTuningProcedureVersion(2);
    EXPECT_FALSE(isCommandEnabled(kTransmitHighPower, CommandState{storage, true}));
    EXPECT_FALSE(isCommandEnabled(kTransmitLowPower, CommandState{storage, true}));
}

TEST(CommandTable, ChannelSpacingMaskOpensTheVcoAndSquelchCommandsBitByBit) {
    radioStorage storage;
    storage.setModelNumber("H25K416CA1AB120 ");
    storage.setValue(identity::kPlanRow, identity::kChannelSpacingMaskEntry, 0b101);
    const CommandState state{storage};
    EXPECT_TRUE(isCommandEnabled(kVco125, state));
    EXPECT_FALSE(isCommandEnabled(kVco20, state));
    EXPECT_TRUE(isCommandEnabled(kVco25, state));
    EXPECT_TRUE(isCommandEnabled(kSquelch125, state));
    EXPECT_FALSE(isCommandEnabled(kSquelch20, state));
    EXPECT_TRUE(isCommandEnabled(kSquelch25, state));
    // The early portables have no 20 kHz or 25 kHz squelch screens and no 20 kHz VCO screen.
    storage.setModelNumber("H21K416CA1BN01A ");
    storage.setValue(identity::kPlanRow, identity::kChannelSpacingMaskEntry, 0b111);
    EXPECT_FALSE(isCommandEnabled(kVco20, state));
    EXPECT_FALSE(isCommandEnabled(kSquelch25, state));
    EXPECT_TRUE(isCommandEnabled(kVco25, state));
}

TEST(CommandTable, UtilitiesFollowTheRadioReadNotAnArchive) {
    radioStorage storage;
    storage.setTuningProcedureVersion(1);
    const std::set<int> utilities{kProgramSerialNumber, kBasebandOffsetUpdate, kTempCompRead, kTempCompWrite};
    for (int id : utilities) {
        EXPECT_FALSE(isCommandEnabled(id, CommandState{storage, false, true})) << id;
        EXPECT_TRUE(isCommandEnabled(id, CommandState{storage, true, false})) << id;
    }
    // The baseband offset update leaves the E portables and the second procedure alone.
    storage.setModelNumber("H42K316CA1BN01A ");
    EXPECT_FALSE(isCommandEnabled(kBasebandOffsetUpdate, CommandState{storage, true}));
}

TEST(CommandTable, WindowArrangementIsNeverOffered) {
    radioStorage storage;
    const CommandState state{storage, true, true};
    for (int id : {kCascade, kTile, kArrangeIcons, kCloseAll, kWindowCascade, kWindowTile, kWindowArrangeIcons,
                   kWindowCloseAll}) {
        EXPECT_FALSE(isCommandEnabled(id, state)) << id;
    }
    EXPECT_FALSE(isCommandEnabled(12345, state));
}

// The screens whose rule is the usual one (the family is there, an image is present and may be
// tuned): each answers to its own family's flag and to no other's.
TEST(CommandTable, EachTuningScreenFollowsItsOwnFamilysFlag) {
    using F = SoftpotFamily;
    struct Screen {
        int id;
        F family;
    };
    const Screen screens[] = {
        {kDtmf, F::Dtmf},
        {kDalmor, F::Dalmor},
        {kSelect5, F::Select5},
        {kMpt1327, F::Mpt1327},
        {kHighSpeedTrunking, F::HighSpeedTrunking},
        {kReferenceOscillatorWarp, F::ReferenceOscillator},
        {kModulationBalance, F::ModulationBalance},
        {kRssi, F::RssiThresholds},
        {kBatteryThreshold, F::BatteryThreshold},
    };
    for (const Screen& screen : screens) {
        for (const Screen& cleared : screens) {
            radioStorage storage;
            storage.setTuningProcedureVersion(1);
            for (const Screen& other : screens) storage.markSupported(catalogueRow(other.family).code);
            storage.markUnsupported(catalogueRow(cleared.family).code);
            const CommandState state{storage, true, false, true, 0};
            EXPECT_EQ(isCommandEnabled(screen.id, state), cleared.id != screen.id)
                << "command " << screen.id << " with the flag of " << catalogueRow(cleared.family).className
                << " cleared";
        }
    }
}

}  // namespace
}  // namespace vantrel
