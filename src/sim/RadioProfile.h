#pragma once

#include "sim/FaultPlan.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::sim {

// Everything that makes one simulated radio the radio it is, as loaded from a JSON profile.

struct RadioIdentity {
    static constexpr std::size_t kModelLength = 16;
    static constexpr std::size_t kSerialLength = 10;

    std::string modelNumber;   // exactly 16 characters
    std::string serialNumber;  // exactly 10 characters
    std::array<std::uint8_t, 4> icVersion{};
    std::uint8_t powerUpStatus = 0;
};

// The radio's frequency plan, as the read-tune reply carries it. Points are offsets in 5 kHz
// steps above the band base (25 kHz steps); 0 means the point is not used.
struct FrequencyPlan {
    static constexpr std::size_t kPoints = 7;

    std::uint16_t bandBase = 0;
    std::uint8_t channelSpacingMask = 0;
    std::array<std::uint16_t, kPoints> transmit{};
    std::array<std::uint16_t, kPoints> receive{};
    std::array<std::uint8_t, 2> dac{};
    std::uint8_t tuningProcedureVersion = 0;
    std::uint8_t batteryTarget = 0;
};

// Which half of the selected channel picks the value of a per-frequency softpot.
enum class PointSide { None, Transmit, Receive };

// Which byte of the current test mode picks the softpot's bank of values. The radio keeps, for
// instance, transmit power apart for high and low power (level byte), VCO attenuation and
// squelch apart per channel spacing (spacing byte), the Sollen rated volume apart from the
// carrier squelch one (function byte).
enum class BankKey { None, Function, Level, Spacing };

// What a commit (mode 1) of the softpot keeps.
enum class CommitRule {
    Value,         // the value written
    KeepsLive,     // the value the radio uses now, whatever was written (the battery threshold
                   // keeps what it measured)
    MeasuresSlot,  // the written value names a slot; the radio measures that slot's value itself
                   // (its auto-tune value) and keeps it (the RSSI thresholds)
};

struct SoftpotProfile {
    // The bank used when the test mode names no bank of its own (or no test mode is set).
    static constexpr int kDefaultBank = -1;

    std::uint8_t number = 0;
    std::string name;
    std::uint32_t width = 1;  // bytes per value, 1..4
    PointSide side = PointSide::None;
    BankKey bankBy = BankKey::None;
    // Stored values per bank: seven per bank for a per-frequency softpot, any count otherwise
    // (a single value, or a list such as the three RSSI thresholds). A test mode whose byte
    // names no bank uses the default bank; an empty bank means the radio lacks the softpot there.
    std::map<int, std::vector<std::uint32_t>> banks;
    // Overrides of the radio-wide answers to all-points requests, for this softpot only.
    std::optional<bool> allPointsRead;
    std::optional<bool> allPointsWrite;
    // What the radio finds when told to tune the softpot itself, per bank and slot (a test mode
    // whose byte names no bank of its own uses the default one); empty when it cannot.
    std::map<int, std::vector<std::uint32_t>> autoTune;
    // The radio tunes the softpot only while its transmitter is keyed; otherwise it finds 0.
    bool autoTuneKeyed = false;
    // A commit (mode 1) above the stored value of this softpot at the same slot is refused as
    // unsupported: the limit a radio with softpot 28 keeps for its transmit power.
    std::optional<std::uint8_t> commitLimit;
    // Bytes of the auto-tune answer when they differ from `width` (the battery threshold is
    // written in two bytes but measured into one).
    std::optional<std::uint32_t> autoTuneWidth;
    CommitRule commit = CommitRule::Value;
};

struct MemoryPatch {
    std::uint32_t address = 0;
    std::vector<std::uint8_t> bytes;
};

struct MemoryProfile {
    std::uint32_t size = 4096;
    std::uint8_t fill = 0xFF;
    std::vector<MemoryPatch> contents;
};

// Baseband offset registers: one row per index 1..3 (12.5, 20, 25 kHz), bytes in selector order.
inline constexpr std::array<std::uint8_t, 5> kBasebandSelectors{5, 0, 2, 10, 8};
using BasebandOffsets = std::array<std::array<std::uint8_t, kBasebandSelectors.size()>, 3>;

// What a power meter on the radio's antenna socket reads: while the radio is keyed, the live
// value of the power softpot at the current point times that point's gain, so that an
// alignment can be closed on a measurement rather than on the value it set.
struct MeasuredOutput {
    std::uint8_t softpot = 0;
    std::vector<std::uint32_t> milliwattsPerStep;  // one per frequency point
};

struct RadioProfile {
    std::string name;
    RadioIdentity identity;
    FrequencyPlan plan;
    bool allPointsRead = true;
    bool allPointsWrite = true;
    std::vector<SoftpotProfile> softpots;
    // The bytes of the short softpot read (number, 0): RSSI calibration levels and bytes.
    std::map<std::uint8_t, std::vector<std::uint8_t>> calibration;
    // Absent: the offsets live in codeplug memory and the radio does not answer 0x28.
    std::optional<BasebandOffsets> basebandOffsets;
    MemoryProfile memory;
    std::set<std::uint8_t> unsupportedRequests;
    std::vector<FaultRule> faults;  // armed when the radio starts
    std::optional<MeasuredOutput> measuredOutput;
};

// A profile that cannot be used: unreadable file, malformed JSON or a value out of place. The
// message names the file or the JSON path of the offending item.
class ProfileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

RadioProfile parseRadioProfile(std::string_view json);
// A profile file may name another with "basedOn" (relative to itself): it is then that profile
// with every top-level item this file gives replaced, so a model variant needs only its identity.
RadioProfile loadRadioProfile(const std::filesystem::path& file);

}  // namespace vantrel::sim
