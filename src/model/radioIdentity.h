#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vantrel {

class EnhancedZIRK;
class radioStorage;

// Decoding of the radio's identity replies and frequency plan into the storage. The decoders
// are pure: they take a raw response as the protocol object hands it back, header first (byte 1
// the response opcode), and raise BadReply when the response is too short for what they take
// from it. The read... functions ask the radio and decode.

std::string decodeSerialNumber(std::span<const std::uint8_t> reply);  // bytes 3-12
std::string decodeModelNumber(std::span<const std::uint8_t> reply);   // bytes 5-20
std::string decodeICVersion(std::span<const std::uint8_t> reply);     // bytes 3-6

// How many points of each half a stored plan uses.
struct FrequencyPlanUse {
    int transmitPoints = 0;
    int receivePoints = 0;
    // A plan without a used transmit point or without a used receive point cannot be tuned.
    bool usable() const { return transmitPoints > 0 && receivePoints > 0; }
};

// Stores the reply to the read-tune request: band base, channel spacing mask, the seven transmit
// and receive points, the two DAC values, the tuning procedure version and the battery
// threshold target. A single-point model (judged on the model number already in the storage)
// keeps F3 only, on both halves.
FrequencyPlanUse storeFrequencyPlan(std::span<const std::uint8_t> reply, radioStorage& storage);

// Sets the low-band marker when any transmit point, used or not, lies strictly between
// 29.7 MHz and 50 MHz, and clears the DAC screen marker.
void updateLowBandMarker(radioStorage& storage);

// Stores the four temperature compensation bytes (reply bytes 3-6).
void storeTempComp(std::span<const std::uint8_t> reply, radioStorage& storage);

// What the identity shows after a read whose frequency plan was unusable.
inline constexpr const char* kInvalidSerialNumber = "Invalid";
void markIdentityInvalid(radioStorage& storage);

// The code sent as the third byte of every test-mode request: 2 (25 kHz) when the radio
// supports 25 kHz channels, else 1 (20 kHz) when it supports 20 kHz, else 0 (12.5 kHz).
std::uint8_t channelSpacingCode(std::int32_t channelSpacingMask);
std::uint8_t channelSpacingCode(const radioStorage& storage);

// Reads serial number, model number and IC version, in this order, into the storage.
void readIdentity(EnhancedZIRK& conn, radioStorage& storage);
// Reads and stores the frequency plan; the storage must already hold the model number.
FrequencyPlanUse readFrequencyPlan(EnhancedZIRK& conn, radioStorage& storage);
void readTempComp(EnhancedZIRK& conn, radioStorage& storage);

// Places in the storage.
namespace identity {
inline constexpr int kPlanRow = 0;
inline constexpr int kBandBaseEntry = 7;
inline constexpr int kTuningVersionEntry = 8;
inline constexpr int kTempCompEntry = 9;  // 9..12
inline constexpr int kChannelSpacingMaskEntry = 13;
inline constexpr int kDacMarkerRow = 1;
inline constexpr int kDacMarkerEntry = 0;
inline constexpr int kKMRow = 17;
inline constexpr int kDac1Entry = 14;
inline constexpr int kDac2Entry = 15;
inline constexpr int kLowBandEntry = 16;
inline constexpr int kBatteryRow = 18;
inline constexpr int kBatteryTargetEntry = 0;
}  // namespace identity

}  // namespace vantrel
