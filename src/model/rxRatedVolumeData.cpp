#include "model/rxRatedVolumeData.h"

#include "model/radiomodel.h"

#include <iterator>

namespace vantrel {

namespace {
constexpr std::uint8_t kLevel = 2;
constexpr std::uint8_t kFunctionForWhich[] = {0, 18};
constexpr std::uint8_t k12_5kHz = 0;
}  // namespace

void rxRatedVolumeData::updateSpacingCode(const radioStorage& storage) {
    const radiomodel model;
    const bool fixedNarrow = model.isPortableA(storage) || model.isMobileA(storage) || model.isPortableB(storage) ||
                             model.isMobileB(storage);
    if (fixedNarrow) {
        setSpacingCode(k12_5kHz);
    } else {
        softpotBase::updateSpacingCode(storage);
    }
}

void rxRatedVolumeData::setupTestMode(EnhancedZIRK& conn, int which) const {
    if (which < 0 || which >= static_cast<int>(std::size(kFunctionForWhich))) return;
    sendTestMode(kFunctionForWhich[which], kLevel, spacingCode(), conn);
}

void rxRatedVolumeData::readSecondInto(radioStorage& storage, EnhancedZIRK& conn) const {
    if (radiomodel().isSollenCapable(storage)) read(SoftpotFamily::RatedVolumeSollen, storage, conn);
}

}  // namespace vantrel
