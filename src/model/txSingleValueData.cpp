#include "model/txSingleValueData.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kLevel = 2;
}  // namespace

txSingleValueData::txSingleValueData(SoftpotFamily primary, std::uint8_t function, std::uint8_t level,
                                     std::span<const SoftpotFamily> group)
    : softpotBase(primary), function_(function), level_(level), group_(group) {}

void txSingleValueData::setupTestMode(EnhancedZIRK& conn) const {
    sendTestMode(function_, level_, spacingCode(), conn);
}

void txSingleValueData::commit(std::uint32_t value, EnhancedZIRK& conn) const { commitWrite(value, conn); }

void txSingleValueData::readInto(radioStorage& storage, EnhancedZIRK& conn) const {
    if (group_.empty()) {
        softpotBase::readInto(storage, conn);
        return;
    }
    for (const SoftpotFamily member : group_) read(member, storage, conn);
}

// The signalling test modes: DTMF 3, the Dalmor and Select 5 tone systems share 4, MPT 1327
// 5, high speed trunking 7.
txDTMFData::txDTMFData() : txSingleValueData(SoftpotFamily::Dtmf, 3, kLevel) {}
txDalmorData::txDalmorData() : txSingleValueData(SoftpotFamily::Dalmor, 4, kLevel) {}
txSelect5Data::txSelect5Data() : txSingleValueData(SoftpotFamily::Select5, 4, kLevel) {}
txMPT1200Data::txMPT1200Data() : txSingleValueData(SoftpotFamily::Mpt1327, 5, kLevel) {}
txHSSData::txHSSData() : txSingleValueData(SoftpotFamily::HighSpeedTrunking, 7, kLevel) {}

}  // namespace vantrel
