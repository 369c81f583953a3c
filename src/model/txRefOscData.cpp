#include "model/txRefOscData.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kLevel = 2;
constexpr std::uint8_t kClosing = 129;
}  // namespace

void txRefOscData::setupTestMode(EnhancedZIRK& conn, bool first, bool second) const {
    sendPairedTestMode(first, second, kLevel, spacingCode(), kClosing, conn);
}

}  // namespace vantrel
