#include "model/rxFEBPData.h"

#include "model/SoftpotReads.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kFunction = 0;
constexpr std::uint8_t kLevel = 2;
}  // namespace

void rxFEBPData::setupTestMode(EnhancedZIRK& conn) const { sendTestMode(kFunction, kLevel, spacingCode(), conn); }

void rxFEBPData::readRssiCalibration(radioStorage& storage, EnhancedZIRK& conn) const {
    vantrel::readRssiCalibration(storage, conn);
}

}  // namespace vantrel
