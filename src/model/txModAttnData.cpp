#include "model/txModAttnData.h"

#include "model/SoftpotReads.h"

namespace vantrel {

namespace {
constexpr PreparationStep kSetup[] = {testModeStep(14, 2), liveWriteStep(2, 127)};
}  // namespace

void txModAttnData::setupTestMode(int spacing, EnhancedZIRK& conn) const {
    if (spacing < 0 || spacing > 2) return;
    sendPreparation(kSetup, static_cast<std::uint8_t>(spacing), conn);
}

}  // namespace vantrel
