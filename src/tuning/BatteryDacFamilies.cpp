#include "model/txBatteryData.h"
#include "model/txTransmitPowData.h"
#include "tuning/BatteryDacSessions.h"
#include "tuning/TuningFamily.h"

#include <array>

namespace vantrel {

namespace {

class BatteryTuning : public DataClassTuning<txBatteryData> {
public:
    void prepare(const radioStorage&, EnhancedZIRK& conn) override { data_.setupTestMode(conn); }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commit(value, conn); }
};

// The DAC values are set at high power.
class DacTuning : public DataClassTuning<txTransmitDACData> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        data_.updateSpacingCode(storage);
        data_.setupTestMode(kHighPowerLevel, conn, true, false);
    }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commitWrite(value, conn); }

private:
    static constexpr int kHighPowerLevel = 1;
};

std::unique_ptr<TuningData> batteryData() { return std::make_unique<BatteryTuning>(); }
std::unique_ptr<TuningData> dacData() { return std::make_unique<DacTuning>(); }

// kind, command, class, title, caption, icon, softpot, keying, receive point, data, session, texts,
// capital mismatch, always in use, reports closing failure, shows unsent commit
const std::array<TuningFamily, 2> kFamilies{{
    {32,
     11865,
     "TBatteryVoltageWindow",
     "Battery Threshold",
     "Battery Threshold Tuning",
     false,
     SoftpotFamily::BatteryThreshold,
     Keying::PttToggle,
     0,
     &batteryData,
     &makeSession<BatteryThresholdSession>,
     {"", "", "", "NOTE"},
     true,
     false,
     false,
     false},
    {35,
     11875,
     "TTransmitDACWindow",
     "Transmit DAC Tuning (LB Mobile)",
     "DAC Tuning",
     false,
     SoftpotFamily::Dac,
     Keying::PttToggle,
     0,
     &dacData,
     &makeSession<DacSession>,
     {"", "", "", "NOTE"},
     false,
     false,
     false,
     false},
}};

}  // namespace

std::span<const TuningFamily> batteryAndDacFamilies() { return kFamilies; }

}  // namespace vantrel
