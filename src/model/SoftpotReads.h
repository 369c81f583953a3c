#pragma once

#include "model/SoftpotCatalogue.h"

#include <cstdint>
#include <span>

namespace vantrel {

class EnhancedZIRK;
class radioStorage;

// The channel of frequency point n as a family sends it: its own half, and for the other half
// the partner value (the same point's, or the first used one when that half is unused).
struct PointChannel {
    std::uint16_t transmit;
    std::uint16_t receive;
};
PointChannel pointChannel(const radioStorage& storage, int n, bool receiveSide);

// Sends the steps in order; a test-mode step without a spacing of its own takes spacingCode.
void sendPreparation(std::span<const PreparationStep> steps, std::uint8_t spacingCode, EnhancedZIRK& conn);
// Puts the radio into the state a family is read in.
inline void prepareForReading(const SoftpotFamilyRow& row, std::uint8_t spacingCode, EnhancedZIRK& conn) {
    sendPreparation(row.readPreparation, spacingCode, conn);
}

// Reads a family into its storage place by the row's read rule. A value is stored only when
// the radio answered the family's request normally; an unsupported answer clears the family's
// support flag and stores nothing. Other failures propagate, leaving what was stored before.
void readFamily(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn);

// The RSSI calibration byte (reply byte 3 of the calibration read with selector 26) into the
// RSSI row, entry 6; nothing is stored when the radio does not answer it normally.
void readRssiCalibration(radioStorage& storage, EnhancedZIRK& conn);

}  // namespace vantrel
