#include "app/CommandTable.h"

#include "app/CommandIds.h"
#include "model/SoftpotCatalogue.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

using S = CommandState;

using F = SoftpotFamily;

const radiomodel kModel{};

bool supported(const S& s, F family) { return s.storage.isSupported(catalogueRow(family).code); }
bool secondProcedure(const S& s) { return s.storage.usesSecondTuningProcedure(); }
bool spacing(const S& s, int bit) {
    return (s.storage.value(identity::kPlanRow, identity::kChannelSpacingMaskEntry) >> bit) & 1;
}
std::int32_t lowBandMarker(const S& s) { return s.storage.value(identity::kKMRow, identity::kLowBandEntry); }
std::int32_t dacScreenMarker(const S& s) { return s.storage.value(identity::kDacMarkerRow, identity::kDacMarkerEntry); }

// The early portables and mobiles, which lack the 20 kHz and the front end filter families.
bool earlyFamily(const S& s) {
    return kModel.isPortableA(s.storage) || kModel.isMobileA(s.storage) || kModel.isPortableB(s.storage) ||
           kModel.isMobileB(s.storage);
}
bool anyPaBias(const S& s) {
    return supported(s, F::PaBiasHigh) || supported(s, F::PaBias2High) || supported(s, F::PaBias3High);
}

// The usual rule of a tuning screen: the family is there, an image is present and may be tuned.
template <F Family>
bool tunable(const S& s) {
    return supported(s, Family) && s.tuningAllowed && s.dataPresent();
}

bool always(const S&) { return true; }
bool never(const S&) { return false; }
bool noScreenOpen(const S& s) { return s.openScreenKind == 0; }
bool dataPresent(const S& s) { return s.dataPresent(); }
bool radioRead(const S& s) { return s.radioRead; }

bool frontEndFilter(const S& s) { return tunable<F::FrontEndFilter>(s) && !earlyFamily(s); }
bool ratedVolumeCarrierSquelch(const S& s) { return supported(s, F::RatedVolume); }
bool ratedVolumeSollen(const S& s) { return kModel.isSollenCapable(s.storage); }
bool squelch125(const S& s) { return spacing(s, 0) && !kModel.inModelListC(s.storage); }
bool squelch20(const S& s) { return spacing(s, 1) && !earlyFamily(s) && !kModel.inModelListB(s.storage); }
bool squelch25(const S& s) { return spacing(s, 2) && !earlyFamily(s) && !kModel.inModelListB(s.storage); }

bool paBiasHighPower(const S& s) {
    return anyPaBias(s) && !kModel.isSinglePointModel(s.storage) && !kModel.isMobileE2(s.storage) &&
           !kModel.isMobileE3(s.storage);
}
bool paBiasLowPower(const S& s) {
    return supported(s, F::PaBiasLow) && !kModel.isSollenCapable(s.storage) &&
           !kModel.hasSecondPosition3Letter(s.storage) && !kModel.isPortableB(s.storage);
}
bool paBiasRxMode(const S& s) { return (kModel.isMobileE2(s.storage) || kModel.isMobileE3(s.storage)) && anyPaBias(s); }
bool dac(const S& s) {
    const bool lowBandMobile = supported(s, F::KandM) && s.tuningAllowed && lowBandMarker(s) == 1 &&
                               !kModel.isMobileE(s.storage) && secondProcedure(s) && s.dataPresent();
    return lowBandMobile || kModel.isMobileA(s.storage) || kModel.isMobileB(s.storage);
}
bool kAndMTuning(const S& s) {
    // A low-band E mobile is tuned through the DAC screen until its DAC marker is set.
    const bool dacFirst = dacScreenMarker(s) == 0 && lowBandMarker(s) != 0 && kModel.isMobileE(s.storage);
    return supported(s, F::KandM) && s.tuningAllowed && secondProcedure(s) && s.dataPresent() && !dacFirst;
}
bool paVoltageLimit(const S& s) {
    return (supported(s, F::PaVoltageLimit) && s.tuningAllowed && secondProcedure(s) && s.dataPresent()) ||
           kModel.isMobileA(s.storage);
}
bool transmitHighPower(const S& s) {
    return tunable<F::TransmitHighPower>(s) && !secondProcedure(s) && !kModel.isSinglePointModel(s.storage) &&
           !kModel.inModelListA(s.storage) && !kModel.inModelListB(s.storage) && !kModel.inModelListC(s.storage);
}
bool transmitLowPower(const S& s) {
    return tunable<F::TransmitHighPower>(s) && !secondProcedure(s) && !kModel.isPortableE2(s.storage);
}
bool vco125(const S& s) { return spacing(s, 0); }
bool vco20(const S& s) { return spacing(s, 1) && !earlyFamily(s); }
bool vco25(const S& s) { return spacing(s, 2); }
bool basebandOffsetUpdate(const S& s) {
    return s.radioRead && !secondProcedure(s) && !kModel.isPortableE(s.storage) && !kModel.isPortableE2(s.storage) &&
           !kModel.hasIcMarker(s.storage) && !kModel.isPortableG(s.storage);
}

using namespace command;

const std::array kCommands = {
    CommandInfo{kLoadArchive, "&Load Archive File", "Loads softpot archive files", noScreenOpen},
    CommandInfo{kSaveArchive, "&Save Archive File", "Saves softpot archive files.", dataPresent},
    CommandInfo{kReadRadio, "Read Radio &Information and Softpots", "Reads all radio particulars into memory",
                noScreenOpen},
    CommandInfo{kProgramAll, "Program &All", "Program all currently stored data into radio", dataPresent},
    CommandInfo{kPrinterSetup, "&Printer Setup", "Sets print characteristics for the active document", dataPresent},
    CommandInfo{kPrintPreview, "P&rint/Printout Preview", "Print most recently loaded archive file/read radio.",
                dataPresent},
    CommandInfo{kPrint, "", "Prints the active document", dataPresent},
    CommandInfo{kExit, "E&xit\tAlt+F4", "Quits the Vantrel application", always},

    CommandInfo{kFrontEndFilter, "&Front End Filter", "Perform Front End Filter tuning", frontEndFilter},
    CommandInfo{kRatedVolumeCarrierSquelch, "&Carrier Squelch", "Perform Rated Volume on Carrier Squelch environment.",
                ratedVolumeCarrierSquelch},
    CommandInfo{kRatedVolumeSollen, "&Sollen", "Perform Rated Volume on Sollen environment.", ratedVolumeSollen},
    CommandInfo{kSquelch125, "&Squelch Attn.12.5KHz", "Perform Squelch tuning for 12.5KHz Channel Spacing", squelch125},
    CommandInfo{kSquelch20, "S&quelch Attn. 20KHz", "Perform Squelch tuning for 20KHz Channel Spacing", squelch20},
    CommandInfo{kSquelch25, "Sq&uelch Attn 25KHz", "Perform Squelch tuning for 25 KHz Channel Spacing", squelch25},
    CommandInfo{kRssi, "RSS&I ", "Perform RSSI tuning for MPT Corvane radios", tunable<F::RssiThresholds>},

    CommandInfo{kBatteryThreshold, "Batt&ery Threshold", "Battery Threshold tuning for Mobile radios.",
                tunable<F::BatteryThreshold>},
    CommandInfo{kPaBiasHighPower, "&High Power", "Perform PA Bias High Voltage tuning", paBiasHighPower},
    CommandInfo{kPaBiasLowPower, "&Low Power", "Perform PA Bias Low Voltage tuning", paBiasLowPower},
    CommandInfo{kPaBiasRxMode, "&Rx Mode", "Perform PA Bias tuning in Rx Mode", paBiasRxMode},
    CommandInfo{kDac, "&DAC", nullptr, dac},
    CommandInfo{kKandMTuning, "&K and M Tuning", "K & M tuning method for mobile radios.", kAndMTuning},
    CommandInfo{kReferenceOscillatorWarp, "&Reference Oscillator Warp", "Perform Reference Oscillator Warping",
                tunable<F::ReferenceOscillator>},
    CommandInfo{kPaVoltageLimit, "P&A Voltage Limit", "PA Voltage Limit Auto Tuning", paVoltageLimit},
    CommandInfo{kModulationBalance, "Mod. &Balance Attn.", "Perform Modulation Balance Attenuation tuning",
                tunable<F::ModulationBalance>},
    CommandInfo{kTransmitHighPower, "&High ", "Perform Transmit High Power tuning", transmitHighPower},
    CommandInfo{kTransmitLowPower, "&Low", "Perform Transmit Low Power tuning", transmitLowPower},
    CommandInfo{kVco125, "&VCO Attn. 12.5KHz", "Perform VCO Attenuation tuning for 12.5KHz Channel Spacing", vco125},
    CommandInfo{kVco20, "VCO &Attn. 20KHz", "Perform VCO Attenuation tuning for 20KHz Channel Spacing", vco20},
    CommandInfo{kVco25, "VCO Att&n. 25KHz", "Perform VCO Attenuation tuning for 25KHz Channel Spacing", vco25},
    CommandInfo{kDtmf, "&DTMF Deviation", "Perform tuning for DTMF deviation", tunable<F::Dtmf>},
    CommandInfo{kDalmor, "&Dalmor Signalling", "Perform tuning for Dalmor Signalling deviation", tunable<F::Dalmor>},
    CommandInfo{kHighSpeedTrunking, "&High Speed Trunking Signalling",
                "Perform High Speed Deviation tuning Zentar Corvane radios", tunable<F::HighSpeedTrunking>},
    CommandInfo{kSelect5, "&Select 5 Signalling", "Perform Select 5 Deviation tuning for MPT Corvane radios",
                tunable<F::Select5>},
    CommandInfo{kMpt1327, "MPT1327 Si&gnalling ", "Perform MPT 1327 Signalling Deviation tuning for MPT Corvane radios",
                tunable<F::Mpt1327>},

    CommandInfo{kCommunicationSettings, "&Communication Settings", "Select COM port", always},

    CommandInfo{kProgramSerialNumber, "&Program Serial No.", "Program Serial No.", radioRead},
    CommandInfo{kBasebandOffsetUpdate, "&Baseband Offset Update", "Change radio baseband offset setting",
                basebandOffsetUpdate},
    CommandInfo{kTempCompRead, "Temp Comp Data Rea&d", "Read radio Temp Comp data", radioRead},
    CommandInfo{kTempCompWrite, "Temp Comp Data Wr&ite", nullptr, radioRead},

    CommandInfo{kWindowCascade, "&Cascade", nullptr, never},
    CommandInfo{kWindowTile, "&Tile", nullptr, never},
    CommandInfo{kWindowArrangeIcons, "Arrange &Icons", nullptr, never},
    CommandInfo{kWindowCloseAll, "C&lose All", nullptr, never},
    CommandInfo{kCascade, "&Cascade", "Cascades open windows", never},
    CommandInfo{kTile, "&Tile", "Tiles open windows", never},
    CommandInfo{kArrangeIcons, "Arrange &Icons", "Arranges iconic windows along bottom", never},
    CommandInfo{kCloseAll, "C&lose All", "Closes all open windows", never},

    CommandInfo{kPortableRadioSetup, "&Portable Radio Setup   ", nullptr, always},
    CommandInfo{kMobileRadioSetup, "&Mobile Radio Setup", nullptr, always},
    CommandInfo{kRadioHardwareInformation, "&Radio Hardware Information",
                "Option which displays currently connected radio information", always},
    CommandInfo{kAbout, "&About...", "About the Vantrel application", always},
};

}  // namespace

std::span<const CommandInfo> commandTable() { return kCommands; }

const CommandInfo* findCommand(int id) {
    const auto found =
        std::find_if(kCommands.begin(), kCommands.end(), [id](const CommandInfo& c) { return c.id == id; });
    return found == kCommands.end() ? nullptr : &*found;
}

bool isCommandEnabled(int id, const CommandState& state) {
    const CommandInfo* info = findCommand(id);
    return info != nullptr && info->enabled(state);
}

std::optional<std::string> hintText(int number) {
    const CommandInfo* info = findCommand(number);
    if (info == nullptr || info->hint == nullptr) return std::nullopt;
    return std::string(info->hint);
}

}  // namespace vantrel
