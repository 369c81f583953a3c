#pragma once

#include "operations/MessageInteraction.h"

// What the radio utilities tell and ask the technician, word for word, with caption, icon and
// buttons.
namespace vantrel::messages {

struct Notice {
    const char* text;
    const char* caption;
    MessageIcon icon;
    MessageButtons buttons = MessageButtons::Ok;
};

inline MessageAnswer tell(MessageInteraction& ui, const Notice& notice) {
    return ui.message(notice.text, notice.caption, notice.icon, notice.buttons);
}

constexpr auto kInfo = MessageIcon::Information;
constexpr auto kWarn = MessageIcon::Exclamation;

inline constexpr Notice kUtilityPortInUse{"COM Port is currently in use by another application", " WARNING", kInfo};
inline constexpr Notice kUtilityCommunicationError{"Radio Communication Error!!", "ERROR", kWarn};

// Serial number programming.
inline constexpr const char* kRadioChangedAtOpening = "Radio has been changed!! Read in new radio?";
inline constexpr Notice kRadioChangedQuestion{kRadioChangedAtOpening, "WARNING", kInfo, MessageButtons::OkCancel};
inline constexpr Notice kSerialLength{"Serial No. must be exactly 10 characters", "Entry Error", kWarn};
inline constexpr Notice kSerialProgrammed{"Serial No. has been successfully programmed !!", "NOTE", kInfo};
inline constexpr Notice kRadioChangedAtUpdate{
    "Radio has been changed!! Please close the current screen and read in new radio. Perform the same operation "
    "again.",
    "WARNING", kInfo};

// Temperature compensation data.
inline constexpr Notice kTempCompNotRead{"Temp Comp data could not be read !!", "ERROR", kWarn};
inline constexpr Notice kTempCompLength{"Length of Temp Comp data must be exactly 4 bytes", "NOTE", kInfo};
inline constexpr Notice kTempCompWritten{"Temp Comp data has been written in successfully !!", "NOTE", kInfo};
inline constexpr Notice kTempCompNotWritten{"Error writing in Temp Comp data !!", "ERROR", kWarn};
inline constexpr Notice kCloseBeforeTempCompRead{"Please close all windows before reading Temp Comp data", "NOTE",
                                                 kInfo};
inline constexpr Notice kCloseBeforeTempCompWrite{"Please close all windows before writing Temp Comp data", "NOTE",
                                                  kInfo};

// Baseband offset update: the opening command.
inline constexpr Notice kBboConfigMissing{
    "Baseband Offset Utility configuration file is missing.\nPlease contact Keldane for latest configuration file.",
    " NOTE", kInfo};
inline constexpr Notice kBboConfigUnreadable{"Unable to read Baseband Offset Utility configuration file", "Error",
                                             kWarn};
inline constexpr Notice kBboConfigVersion{
    "The current Tuner does not support this version of the Baseband Update configuration file", "Error", kWarn};
inline constexpr Notice kBboTableFailed{"Initializing data from configuration file failed", "Error", kWarn};
inline constexpr Notice kBboNoMatch{
    "Unable to match data configuration to current radio.\nPlease contact Keldane for latest Baseband Update "
    "configuration file.",
    "Error", kWarn};
inline constexpr Notice kBboNotVerified{"Unable to verify system parameters. Please check connection and retry again",
                                        " WARNING", kWarn};

// Baseband offset update: the window.
inline constexpr Notice kBboNotInitialized{"Unable to initialize baseband offset data", "Error", kWarn};
inline constexpr Notice kBboEntryError{"Data entry error!!", "ERROR", kWarn};
inline constexpr Notice kBboUpdateAnyway{"An error occured, update anyway?", "Note", kWarn, MessageButtons::OkCancel};
inline constexpr Notice kBboSerialMismatch{"Serial No. Mismatch!! Read in new radio?", "WARNING", kInfo,
                                           MessageButtons::OkCancel};
inline constexpr Notice kBboRadioUpdated{"Baseband Offset parameters updated successfully", "NOTE", kInfo};
inline constexpr Notice kBboCodeplugUpdated{"Baseband offset parameters updated successfully", "NOTE", kInfo};

}  // namespace vantrel::messages
