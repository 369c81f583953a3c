#pragma once

#include "model/softpotBase.h"

namespace vantrel {

// The transmit classes whose test mode names a power level: 1 for high power, 2 for low.
class txPowerLevelData : public softpotBase {
public:
    // Level 1 sends level byte 0, level 2 level byte 2; other levels send nothing. The pair is
    // function 0 ("first") or 1 ("second"), each closed by function 129.
    void setupTestMode(int level, EnhancedZIRK& conn, bool first, bool second) const;

protected:
    using softpotBase::softpotBase;
};

// Transmit power: the portable high and low power blocks and softpot 28 (softpot 0 and 28,
// one byte per point) and the mobile K and M pairs (softpot 17, two bytes per point).
class txTransmitPowData : public txPowerLevelData {
public:
    txTransmitPowData() : txPowerLevelData(SoftpotFamily::TransmitHighPower) {}

    // The power screens commit softpot 0 with support code 27: a radio that has softpot 28
    // refuses a value above the limit it allows, and the cleared code says so.
    void commitRecorded(std::uint32_t value, radioStorage& storage, EnhancedZIRK& conn) const;
    // K in the high byte, M in the low byte.
    void commitKandM(std::uint32_t value, EnhancedZIRK& conn) const;

    void readHighPower(radioStorage& storage, EnhancedZIRK& conn) const;
    void readLowPower(radioStorage& storage, EnhancedZIRK& conn) const;
    void readSoftpot28(radioStorage& storage, EnhancedZIRK& conn) const;
    void readKandM(radioStorage& storage, EnhancedZIRK& conn) const;
};

// DAC 1 and DAC 2: values of softpot 0 set live by the DAC screen; nothing of their own to read.
class txTransmitDACData : public txPowerLevelData {
public:
    txTransmitDACData() : txPowerLevelData(SoftpotFamily::Dac) {}
};

// PA voltage limit (softpot 6), tuned by the radio itself point by point.
class txPAVoltageLimitData : public txPowerLevelData {
public:
    txPAVoltageLimitData() : txPowerLevelData(SoftpotFamily::PaVoltageLimit) {}

    // Probes with an auto-tune of softpot 6 (code 25) and reads the seven points only when the
    // radio answered the probe with 0.
    void readLimits(radioStorage& storage, EnhancedZIRK& conn) const { readInto(storage, conn); }
};

}  // namespace vantrel
