#include "model/txPABiasHighVoltageData.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kBiasFunction = 9;
constexpr std::uint8_t kReceiveFunction = 0;
constexpr std::uint8_t kHighLevel = 0;
constexpr std::uint8_t kLowLevel = 2;
constexpr std::uint8_t k25kHz = 2;

constexpr SoftpotFamily kHighGroup[] = {SoftpotFamily::PaBiasProbe, SoftpotFamily::PaBiasHigh,
                                        SoftpotFamily::PaBias2High, SoftpotFamily::PaBias3High};
constexpr SoftpotFamily kLowGroup[] = {SoftpotFamily::PaBiasLow, SoftpotFamily::PaBias2Low, SoftpotFamily::PaBias3Low};
}  // namespace

txPABiasHighVoltageData::txPABiasHighVoltageData()
    : txSingleValueData(SoftpotFamily::PaBiasHigh, kBiasFunction, kHighLevel, kHighGroup) {}

void txPABiasHighVoltageData::setupLowLevel(EnhancedZIRK& conn) const {
    sendTestMode(kBiasFunction, kLowLevel, spacingCode(), conn);
}

txPABiasRxModeData::txPABiasRxModeData()
    : txSingleValueData(SoftpotFamily::PaBiasHigh, kBiasFunction, kHighLevel, kHighGroup) {}

void txPABiasRxModeData::setupReceive(EnhancedZIRK& conn) const {
    sendTestMode(kReceiveFunction, kLowLevel, k25kHz, conn);
}

void txPABiasRxModeData::setupLowLevel(EnhancedZIRK& conn) const {
    sendTestMode(kBiasFunction, kLowLevel, k25kHz, conn);
}

txPABiasLowVoltageData::txPABiasLowVoltageData()
    : txSingleValueData(SoftpotFamily::PaBiasLow, kBiasFunction, kLowLevel, kLowGroup) {}

}  // namespace vantrel
