#include "model/txBatteryData.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kFunction = 9;
constexpr std::uint8_t kLevel = 2;
constexpr std::uint8_t kKeepMeasured = 1;
}  // namespace

txBatteryData::txBatteryData() : txSingleValueData(SoftpotFamily::BatteryThreshold, kFunction, kLevel) {}

void txBatteryData::commit(std::uint32_t, EnhancedZIRK& conn) const {
    commitByte(family().softpot, kKeepMeasured, conn);
}

}  // namespace vantrel
