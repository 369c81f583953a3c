#pragma once

// What the File commands tell the technician, word for word. The desktop program shows these
// in message boxes with their captions; the command line prints them.
namespace vantrel::messages {

struct Message {
    const char* text;
    const char* caption;
};

inline constexpr Message kArchiveNotOpened{"Archive File could not be opened!!", "ERROR"};
inline constexpr Message kNotAnArchive{"Invalid file format!! File is not an *.SFP file", "ERROR"};
inline constexpr Message kIncompatibleArchive{"Softpot archive file is incompatible with current version of the Tuner",
                                              "ERROR"};
inline constexpr Message kInvalidTuningProcedure{
    "Archive file contains invalid Tuning Procedure Version. All tuning operations blocked", "NOTE"};
inline constexpr Message kArchiveLoaded{"Tuning data has been loaded.", "NOTE"};
inline constexpr Message kArchiveNotSaved{"Archive File could not be saved!!", "ERROR"};
inline constexpr Message kArchiveSaved{"Tuning data has been saved.", "NOTE"};

inline constexpr Message kReadFailed{
    "Read Radio Failed !! All softpot operational data is invalid !! Please re-read radio", "Error !!"};
inline constexpr Message kFrequencyPlanInvalid{"All frequency point data is invalid !!", "Error !!"};
inline constexpr Message kPowerUpError{"Error occured during radio power up!!", "ERROR"};
inline constexpr Message kHardwareFailure{"Radio Hardware Failure !! Operation aborted", "ERROR"};
inline constexpr Message kRadioRead{"Radio has been successfully read !!", "NOTE"};
inline constexpr Message kNotSuitableForTuning{
    "Radio not suitable for tuning due to different tuning procedure version", "NOTE"};

inline constexpr Message kProgramError{"Program Radio Error", "ERROR"};
inline constexpr Message kProgramSerialMismatch{"Serial No. Mismatch !! Program radio aborted", " Radio Program Error"};
inline constexpr Message kRadioProgrammed{"Radio successfully programmed!!", "NOTE"};

inline constexpr Message kPortInUse{"COM Port is currently in use by another application", "ERROR"};

}  // namespace vantrel::messages
