#pragma once

// The menu and toolbar command numbers. They double as the numbers of the hint texts and as
// help contexts: F1 on a highlighted menu item opens the help at the item's command number.
namespace vantrel::command {

// File
inline constexpr int kLoadArchive = 24332;
inline constexpr int kSaveArchive = 11861;
inline constexpr int kReadRadio = 11842;
inline constexpr int kProgramAll = 18873;
inline constexpr int kPrinterSetup = 24338;
inline constexpr int kPrintPreview = 24340;
inline constexpr int kPrint = 24337;  // the preview window's print button; no menu item
inline constexpr int kExit = 24310;

// Rx Align
inline constexpr int kFrontEndFilter = 11900;
inline constexpr int kRatedVolumeCarrierSquelch = 11881;
inline constexpr int kRatedVolumeSollen = 11882;
inline constexpr int kSquelch125 = 11854;
inline constexpr int kSquelch20 = 11855;
inline constexpr int kSquelch25 = 11856;
inline constexpr int kRssi = 11848;

// Tx Align
inline constexpr int kBatteryThreshold = 11865;
inline constexpr int kPaBiasHighPower = 11863;
inline constexpr int kPaBiasLowPower = 11864;
inline constexpr int kPaBiasRxMode = 11878;
inline constexpr int kDac = 11875;
inline constexpr int kKandMTuning = 11850;
inline constexpr int kReferenceOscillatorWarp = 11910;
inline constexpr int kPaVoltageLimit = 11868;
inline constexpr int kModulationBalance = 11860;
inline constexpr int kTransmitHighPower = 11847;
inline constexpr int kTransmitLowPower = 11849;
inline constexpr int kVco125 = 11871;
inline constexpr int kVco20 = 11872;
inline constexpr int kVco25 = 11873;
inline constexpr int kDtmf = 11874;
inline constexpr int kDalmor = 11851;
inline constexpr int kHighSpeedTrunking = 11867;
inline constexpr int kSelect5 = 11845;
inline constexpr int kMpt1327 = 11844;

// Options
inline constexpr int kCommunicationSettings = 11920;

// Utilities
inline constexpr int kProgramSerialNumber = 11930;
inline constexpr int kBasebandOffsetUpdate = 11857;
inline constexpr int kTempCompRead = 11852;
inline constexpr int kTempCompWrite = 11877;

// Window: never enabled; there is only ever one window to arrange.
inline constexpr int kCascade = 24361;
inline constexpr int kTile = 24362;
inline constexpr int kArrangeIcons = 24364;
inline constexpr int kCloseAll = 24365;
inline constexpr int kWindowCascade = 18877;
inline constexpr int kWindowTile = 18878;
inline constexpr int kWindowArrangeIcons = 18879;
inline constexpr int kWindowCloseAll = 18880;

// Help
inline constexpr int kPortableRadioSetup = 11876;
inline constexpr int kMobileRadioSetup = 11869;
inline constexpr int kRadioHardwareInformation = 11859;
inline constexpr int kAbout = 2009;

// The recent-files entries of the File menu. Numbers in this band carry no hint.
inline constexpr int kFirstRecentFile = 32001;
inline constexpr int kNoHintFirst = 32001;
inline constexpr int kNoHintLast = 32009;

}  // namespace vantrel::command
