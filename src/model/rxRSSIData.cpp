#include "model/rxRSSIData.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kFunction = 0;
constexpr std::uint8_t kLevel = 2;
constexpr std::uint8_t k25kHz = 2;
constexpr std::uint8_t k12_5kHz = 0;
}  // namespace

void rxRSSIData::setupTestMode(EnhancedZIRK& conn) const { sendTestMode(kFunction, kLevel, k25kHz, conn); }

void rxRSSIData::setupNarrowTestMode(EnhancedZIRK& conn) const { sendTestMode(kFunction, kLevel, k12_5kHz, conn); }

}  // namespace vantrel
