#pragma once

#include "protocol/SupportFlags.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vantrel {

class radioStorage;

// Every softpot block the program knows: what the radio calls it, where its values live in
// the radio storage, which support flag it answers to, and how it is read. A family is a row
// of this table; the data classes and the read walk the rows instead of spelling out each
// family.

enum class SoftpotFamily {
    ReferenceOscillator,
    TransmitHighPower,
    TransmitLowPower,
    Softpot28,
    KandM,
    Dac,
    ModulationBalance,
    VcoAttenuation25,
    VcoAttenuation20,
    VcoAttenuation125,
    PaVoltageLimit,
    PaBiasProbe,
    PaBiasHigh,
    PaBias2High,
    PaBias3High,
    PaBiasLow,
    PaBias2Low,
    PaBias3Low,
    Dtmf,
    Dalmor,
    Select5,
    Mpt1327,
    HighSpeedTrunking,
    BatteryThreshold,
    FrontEndFilter,
    AutoSquelch125,
    AutoSquelch20,
    AutoSquelch25,
    RatedVolume,
    RatedVolumeSollen,
    RssiThresholds,
};

// Second payload byte of a softpot write.
enum class WriteMode : std::uint8_t { Commit = 1, Live = 2, AllPoints = 4 };

inline constexpr int kPointCount = 7;

// Where a family is tuned and read.
enum class PointRule {
    None,     // not tied to a frequency point
    EachTx,   // one value per point F1..F7; a point is used when its transmit half is
    EachRx,   // ... when its receive half is
    FirstTx,  // one value, tuned at the first used transmit point
    MiddleTx,
    LastTx,
    MiddleRx,
    LastUsedTxPair,  // one value, read at the last used transmit point and its own receive half
    Thresholds,      // the three RSSI thresholds
};

enum class ReadRule {
    Single,             // one read; stored when the radio answered normally
    Discarded,          // one read whose only purpose is the support flag
    PerPoint,           // all points at once, else every used point in turn
    PerPointStops,      // as PerPoint, but an unsupported first used point ends the block
    OnePoint,           // one read at the LastUsedTxPair channel
    ProbeThenPerPoint,  // an auto-tune probe must answer 0 before the points are read
    AllPointsByte2,     // the all-points form, of which only data byte 2 is kept
    FrequencyPlan,      // comes with the frequency plan; the family has no read of its own
    Rssi,               // the two RSSI requests
};

// The spacing byte of a test-mode request: the data class's spacing code, or a fixed code.
inline constexpr int kClassSpacing = -1;

// One request that puts the radio into the state a family is read or tuned in.
struct PreparationStep {
    enum class Kind : std::uint8_t { TestMode, LiveWrite };
    Kind kind;
    std::uint8_t first;   // test mode: function; live write: softpot
    std::uint8_t second;  // test mode: level; live write: one-byte value
    int spacing;          // test mode only: kClassSpacing or 0..2

    friend constexpr bool operator==(const PreparationStep&, const PreparationStep&) = default;
};

constexpr PreparationStep testModeStep(std::uint8_t function, std::uint8_t level, int spacing = kClassSpacing) {
    return {PreparationStep::Kind::TestMode, function, level, spacing};
}
constexpr PreparationStep liveWriteStep(std::uint8_t softpot, std::uint8_t value) {
    return {PreparationStep::Kind::LiveWrite, softpot, value, 0};
}

struct SoftpotRange {
    int low;
    int high;
    // Tuning procedure version 2 narrows a few ranges (0 = no change).
    int highForSecondProcedure = 0;
};

struct SoftpotFamilyRow {
    SoftpotFamily family;
    std::string_view title;      // the report's name for the block; empty when never shown
    std::string_view className;  // the data class that tunes it
    int code;                    // support flag; supportCode::kNone when the family has none
    int row;
    int firstEntry;
    int entryCount;  // a multiple of 7 for per-point blocks (K and M: two per point)
    std::uint8_t softpot;
    std::uint32_t width;  // bytes of one value on the wire
    std::optional<SoftpotRange> range;
    PointRule points;
    std::span<const PreparationStep> readPreparation;  // sent before the read (none: empty)
    ReadRule read;

    int entriesPerPoint() const { return entryCount / kPointCount; }
};

std::span<const SoftpotFamilyRow> softpotCatalogue();
const SoftpotFamilyRow& catalogueRow(SoftpotFamily family);

// The frequency point (1..7) a single-value family is tuned and reported at; 0 for the
// per-point families, those tied to no point, and a plan without a used point on the side.
int tuningPoint(const SoftpotFamilyRow& row, const radioStorage& storage);

// The plan value (row 0) of that point on the family's side: its receive half for the receive
// families, else its transmit half; 0 when there is no such point.
std::uint32_t tuningPointValue(const SoftpotFamilyRow& row, const radioStorage& storage);

// Whether a family is tuned on the receive half of its points.
bool onReceiveSide(const SoftpotFamilyRow& row);

// The upper end of a family's range for a storage of the given tuning procedure version.
int rangeHigh(const SoftpotFamilyRow& row, std::int32_t tuningProcedureVersion);

}  // namespace vantrel
