#include "tuning/PowerKeyUp.h"

#include "model/SoftpotCatalogue.h"
#include "protocol/EnhancedZIRK.h"

namespace vantrel {

namespace {
constexpr std::uint32_t kFullyOpen = 127;
}

void openPaVoltageLimit(EnhancedZIRK& conn) {
    const SoftpotFamilyRow& limit = catalogueRow(SoftpotFamily::PaVoltageLimit);
    conn.writeSoftpot(limit.softpot, static_cast<std::uint8_t>(WriteMode::Live), kFullyOpen, 1);
}

}  // namespace vantrel
