#include "tuning/PerPointRows.h"

#include "model/RF_Frequency.h"
#include "model/SoftpotCatalogue.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"

namespace vantrel {

std::vector<TuningRow> perPointRows(const radioStorage& storage, bool receiveSide) {
    RF_Frequency plan;
    const auto bandBase = static_cast<std::uint32_t>(storage.value(identity::kPlanRow, identity::kBandBaseEntry));
    std::vector<TuningRow> rows(kPointCount);
    for (int n = 1; n <= kPointCount; ++n) {
        TuningRow& r = rows[static_cast<std::size_t>(n - 1)];
        const int entry = receiveSide ? RF_Frequency::receiveEntry(n) : RF_Frequency::transmitEntry(n);
        const auto own = static_cast<std::uint16_t>(storage.value(identity::kPlanRow, entry));
        const auto partner = static_cast<std::uint16_t>(plan.partnerValue(storage, !receiveSide, receiveSide, n));
        r.point = n;
        r.transmit = receiveSide ? partner : own;
        r.receive = receiveSide ? own : partner;
        r.inUse = own != 0;
        r.frequencyMHz = plan.frequencyMHz(bandBase, own);
    }
    return rows;
}

}  // namespace vantrel
