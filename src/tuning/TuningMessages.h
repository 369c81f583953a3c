#pragma once

#include "operations/commandMessages.h"

// What every tuning screen tells the technician, word for word, blanks included.
namespace vantrel::messages {

inline constexpr Message kTuningPortInUse{"COM Port is currently in use by another application", " WARNING"};
inline constexpr Message kCommunicationError{"Radio Communication Error!!", "ERROR"};
// Most screens spell the question with a small m; the PA bias, rated volume, battery, DTMF,
// Dalmor and MPT 1327 screens with a capital one.
inline constexpr Message kSerialMismatchQuestion{"Serial No. mismatch!! Read in new radio?", "WARNING"};
inline constexpr Message kSerialMismatchCapitalQuestion{"Serial No. Mismatch!! Read in new radio?", "WARNING"};
inline constexpr const char* kCommitCaption = "WARNING";
inline constexpr const char* kAbortCaption = "ERROR";
inline constexpr const char* kOutOfRangeCaption = "OUT OF RANGE";

inline constexpr const char* kDekeyedStatus = "Radio is currently dekeyed";
inline constexpr const char* kKeyedUpStatus = "Radio is currently keyed up at %fMHz";
inline constexpr const char* kNoPointSelectedStatus = "No Frequency Tuning Point is currently selected";
inline constexpr const char* kPointBeingTunedStatus = "Point %fMHz is currently being tuned";
inline constexpr const char* kUnsupportedPoint = "UNSUPPORTED";

}  // namespace vantrel::messages
