#include "model/txVCOAttnData.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kLevel = 2;
constexpr std::uint8_t kClosing = 128;
}  // namespace

void txVCOAttnData::setupTestMode(int spacing, EnhancedZIRK& conn, bool first, bool second) const {
    if (const auto code = codeForSpacing(spacing)) sendPairedTestMode(first, second, kLevel, *code, kClosing, conn);
}

}  // namespace vantrel
