#include "tuning/ReceiveSessions.h"

#include "files/formatText.h"
#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "model/rxRSSIData.h"
#include "protocol/EnhancedZIRK.h"

namespace vantrel {

namespace {

constexpr int kRssiRow = 16;
constexpr int kFirstLevelEntry = 3;
constexpr const char* kPointStatus = "Frequency tuning point is currently %f MHz";

// Which point's receive value the thresholds are taken at.
int rssiPoint(const radioStorage& s) {
    const radiomodel m;
    if (m.isMobileA(s) || m.isPortableA(s) || m.isMobileC(s) || m.isPortableC(s) || m.isMobileD(s) ||
        m.isPortableD(s)) {
        return 4;
    }
    if (m.isMobileB(s) || m.isPortableB(s)) return 1;
    return RF_Frequency().middleRxPoint(s);
}

// The older model groups have two thresholds; the E4 mobile and G2 portable have the third
// again.
int thresholdCount(const radioStorage& s) {
    const radiomodel m;
    if (m.isMobileE4(s) || m.isPortableG2(s)) return 3;
    const bool twoOnly = m.isPortableE(s) || m.isMobileE(s) || m.isMobileC(s) || m.isMobileD(s) || m.isPortableC(s) ||
                         m.isPortableD(s) || m.isMobileA(s) || m.isPortableA(s) || m.isMobileB(s) || m.isPortableB(s) ||
                         m.containsModelListD(s) || m.isPortableG(s);
    return twoOnly ? 2 : 3;
}

}  // namespace

std::vector<TuningRow> RssiSession::layOutRows() {
    const radioStorage& s = context().storage;
    TuningRow r;
    r.point = rssiPoint(s);
    r.receive =
        r.point == 0 ? 0 : static_cast<std::uint16_t>(s.value(identity::kPlanRow, RF_Frequency::receiveEntry(r.point)));
    r.inUse = r.receive != 0;
    r.frequencyMHz = RF_Frequency().frequencyMHz(
        static_cast<std::uint32_t>(s.value(identity::kPlanRow, identity::kBandBaseEntry)), r.receive);
    return {r};
}

void RssiSession::prepareRadio(EnhancedZIRK& conn) {
    data().prepare(storage(), conn);
    conn.selectChannel(row(0).receive);
}

void RssiSession::completeDisplay() {
    setStatus(formatText(kPointStatus, row(0).frequencyMHz));
    thresholds_.clear();
    for (int i = 0; i < thresholdCount(storage()); ++i) {
        thresholds_.push_back({formatText("%d", storage().value(kRssiRow, kFirstLevelEntry + i)),
                               formatText("%d", storage().value(kRssiRow, i))});
    }
}

void RssiSession::update(int threshold) {
    bool updated = false;
    act([&](EnhancedZIRK& conn) {
        if (!serialConfirmed(conn)) return;
        const rxRSSIData rssi;
        rssi.updateThreshold(static_cast<std::uint32_t>(threshold - 1), conn);
        rssi.readThresholds(storage(), conn);
        updated = true;
    });
    if (updated) setupDisplay();
}

}  // namespace vantrel
