#include "model/rxAutoSquelchData.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kLevel = 2;
}  // namespace

void rxAutoSquelchData::setupTestMode(int spacing, EnhancedZIRK& conn, bool first, bool second) const {
    if (const auto code = codeForSpacing(spacing)) sendPairedTestMode(first, second, kLevel, *code, std::nullopt, conn);
}

}  // namespace vantrel
