#include "tuning/BatteryDacSessions.h"

#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "tuning/PowerKeyUp.h"
#include "tuning/TuningMessages.h"

namespace vantrel {

namespace {
constexpr const char* kRowNames[] = {"DAC 1", "DAC 2"};
constexpr std::int32_t kHealthyLow = 20;
constexpr std::int32_t kHealthyHigh = 200;
constexpr messages::Message kHardwareWarning{
    "Unacceptabel DAC values. Please check hardware as there might be a hardware failure.", "WARINING"};

bool healthy(std::int32_t dac) { return dac >= kHealthyLow && dac <= kHealthyHigh; }
}  // namespace

// Row 1 is tuned only when F1 transmits, row 2 only when F2 does; both at the last used point.
std::vector<TuningRow> DacSession::layOutRows() {
    const radioStorage& s = context().storage;
    RF_Frequency plan;
    std::vector<TuningRow> rows(2);
    for (int n = 1; n <= 2; ++n) {
        TuningRow& r = rows[static_cast<std::size_t>(n - 1)];
        r.point = n;
        r.transmit = static_cast<std::uint16_t>(plan.lastTxValue(s));
        r.receive = static_cast<std::uint16_t>(plan.lastRxValue(s));
        r.inUse = s.value(identity::kPlanRow, RF_Frequency::transmitEntry(n)) != 0;
    }
    return rows;
}

void DacSession::prepareRadio(EnhancedZIRK& conn) {
    data().prepare(storage(), conn);
    data().selectPoint(row(0).transmit, row(0).receive, conn);
}

void DacSession::completeDisplay() {
    radioStorage& s = storage();
    s.setValue(identity::kDacMarkerRow, identity::kDacMarkerEntry, 1);
    for (int i = 0; i < 2; ++i) row(i).frequencyText = kRowNames[i];
    RF_Frequency plan;
    keyedFrequencyMHz_ = plan.frequencyMHz(
        static_cast<std::uint32_t>(s.value(identity::kPlanRow, identity::kBandBaseEntry)), plan.lastTxValue(s));
}

void DacSession::touchRow(int index, EnhancedZIRK&) { setSelectedRow(index); }

// While dekeyed a value is only shown; keyed, it goes live and is kept at once.
void DacSession::applyValue(int index, EnhancedZIRK& conn) {
    if (!keyed()) return;
    data().liveWrite(row(index).working, conn);
    storeValue(index, row(index).working);
}

void DacSession::applyKeyedValue(EnhancedZIRK& conn) {
    openPaVoltageLimit(conn);
    const int selected = selectedRow();
    data().liveWrite(row(selected).working, conn);
    storeValue(selected, row(selected).working);
}

// DAC 2 below DAC 1 with either outside the range a sound power stage gives points to a fault.
void DacSession::closeRadio(EnhancedZIRK& conn) {
    const radioStorage& s = storage();
    const std::int32_t dac1 = s.value(identity::kKMRow, identity::kDac1Entry);
    const std::int32_t dac2 = s.value(identity::kKMRow, identity::kDac2Entry);
    if ((!healthy(dac1) || !healthy(dac2)) && dac2 < dac1) show(kHardwareWarning, MessageIcon::Exclamation);
    TuningSession::closeRadio(conn);
}

}  // namespace vantrel
