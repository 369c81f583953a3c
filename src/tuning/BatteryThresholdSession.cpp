#include "tuning/BatteryDacSessions.h"

#include "files/serviceLog.h"

#include "files/formatText.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/txBatteryData.h"
#include "tuning/TuningMessages.h"

#include <cstdlib>

namespace vantrel {

namespace {
constexpr int kThresholdEntry = 1;
// A measurement further than this from the value the screen opened with means the supply is
// not at the target voltage.
constexpr std::int64_t kLargestDrift = 16;
constexpr messages::Message kWrongSupply{"Incorrect supply voltage setting", "NOTE"};
constexpr messages::Message kCommitted{"Battery Treshold softpot values commited !!", "NOTE"};
}  // namespace

// The screen has no rows for the commit journal: its one value goes to the service log here.
void BatteryThresholdSession::logThreshold(std::uint32_t measured, ServiceResult result, std::string_view reason) {
    serviceRecord record = serviceRecordOf(storage(), std::string(family().caption), result);
    record.kind = family().kind;
    record.before = storage().value(identity::kBatteryRow, kThresholdEntry);
    record.after = measured;
    record.reason = std::string(reason);
    recordServiceChange(record);
}

void BatteryThresholdSession::prepareRadio(EnhancedZIRK& conn) { data().prepare(storage(), conn); }

void BatteryThresholdSession::completeDisplay() {
    const radioStorage& s = storage();
    targetText_ = formatText("%1.1f\n", s.value(identity::kBatteryRow, identity::kBatteryTargetEntry) * 0.1);
    reference_ = s.value(identity::kBatteryRow, kThresholdEntry);
    thresholdText_ = formatText("%d\n", reference_);
}

// The commit is reported and stored only when the radio took it: a lost commit leaves the
// radio on its old threshold.
void BatteryThresholdSession::program(const std::vector<std::string>&) {
    bool committed = false;
    act([&](EnhancedZIRK& conn) {
        const txBatteryData battery;
        const std::uint32_t measured = battery.autoTune(storage(), conn);
        if (std::llabs(static_cast<std::int64_t>(measured) - reference_) > kLargestDrift) {
            logThreshold(measured, ServiceResult::Refused, kWrongSupply.text);
            show(kWrongSupply, MessageIcon::Exclamation);
            return;
        }
        try {
            battery.commit(measured, conn);
        } catch (...) {
            logThreshold(measured, ServiceResult::Failed, messages::kCommunicationError.text);
            throw;
        }
        logThreshold(measured, ServiceResult::Done, {});
        thresholdText_ = formatText("%d\n", static_cast<int>(measured));
        storage().setValue(identity::kBatteryRow, kThresholdEntry, static_cast<std::int32_t>(measured));
        committed = true;
    });
    if (committed) show(kCommitted, MessageIcon::Information);
}

}  // namespace vantrel
