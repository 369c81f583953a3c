#include "tuning/ReceiveSessions.h"

#include "files/formatText.h"
#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "protocol/EnhancedZIRK.h"
#include "tuning/TunerBoxRule.h"
#include "tuning/TuningMessages.h"

namespace vantrel {

namespace {

// The A and B model groups tune the carrier squelch rated volume at F1, the others at the
// middle receive point.
bool tunedAtFirstPoint(const radioStorage& s) {
    const radiomodel model;
    return model.isPortableA(s) || model.isMobileA(s) || model.isPortableB(s) || model.isMobileB(s);
}

}  // namespace

bool RatedVolumeSession::carrierSquelch() const { return family().softpot == SoftpotFamily::RatedVolume; }

std::vector<TuningRow> RatedVolumeSession::layOutRows() {
    const radioStorage& s = context().storage;
    RF_Frequency plan;
    TuningRow r;
    const bool atFirst = carrierSquelch() && tunedAtFirstPoint(s);
    r.point = atFirst ? 1 : plan.middleRxPoint(s);
    r.receive = static_cast<std::uint16_t>(atFirst ? s.value(identity::kPlanRow, RF_Frequency::receiveEntry(1))
                                                   : plan.middleRxValue(s));
    r.transmit = r.point == 0 ? 0 : static_cast<std::uint16_t>(plan.partnerValue(s, false, true, r.point));
    // The controls follow the transmit plan; the commit follows the receive value.
    r.inUse = plan.firstTxPoint(s) != 0;
    r.frequencyMHz =
        plan.frequencyMHz(static_cast<std::uint32_t>(s.value(identity::kPlanRow, identity::kBandBaseEntry)), r.receive);
    return {r};
}

void RatedVolumeSession::completeDisplay() {
    TuningRow& r = row(0);
    r.frequencyText = formatText("%f", r.frequencyMHz);
    r.defaultText = formatText("%d", storedValue(0));
}

std::string RatedVolumeSession::workingText(int index) const {
    return formatText("%d", static_cast<int>(rows().at(static_cast<std::size_t>(index)).working));
}

void RatedVolumeSession::prepareRadio(EnhancedZIRK& conn) {
    const TuningRow& r = row(0);
    if (r.receive != 0) data().selectPoint(r.transmit, r.receive, conn);
    data().prepare(storage(), conn);
}

void RatedVolumeSession::preparePoint(int index, EnhancedZIRK& conn) {
    const TuningRow& r = row(index);
    conn.selectChannel(r.receive);
    setStatus(formatText(messages::kPointBeingTunedStatus, r.frequencyMHz));
}

void RatedVolumeSession::commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) {
    setStatus(messages::kNoPointSelectedStatus);
    TuningSession::commitRows(boxTexts, conn);
}

// Validated whatever the plan; sent and stored only when the screen has a receive point.
bool RatedVolumeSession::commitRow(int index, std::string_view boxText, EnhancedZIRK& conn) {
    const std::string_view text = boxText.substr(0, TunerBoxRule::kCommitReadLimit);
    const std::uint32_t value = TunerBoxRule::convert(text);
    if (!commitValueAccepted(text, value)) return false;
    if (row(index).receive == 0) return true;
    data().commit(value, conn);
    storeValue(index, value);
    row(index).defaultText = formatText("%d", static_cast<int>(value));
    return true;
}

}  // namespace vantrel
