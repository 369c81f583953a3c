#include "tuning/TuningCommitJournal.h"

#include "files/serviceLog.h"
#include "tuning/TunerBoxRule.h"
#include "tuning/TuningFamily.h"
#include "tuning/TuningSession.h"

namespace vantrel {

TuningCommitJournal::TuningCommitJournal(const TuningFamily& family, const radioStorage& storage,
                                         std::vector<std::int32_t> before, const std::vector<std::string>& boxTexts)
    : family_(family), storage_(storage), before_(std::move(before)), boxTexts_(boxTexts), notes_(before_.size()) {}

void TuningCommitJournal::committed(int row, std::uint32_t value) {
    notes_.at(static_cast<std::size_t>(row)) = Note{true, value, {}};
}

void TuningCommitJournal::refused(std::optional<std::uint32_t> value, std::string_view reason) {
    refusal_ = Note{false, value, std::string(reason)};
}

std::optional<std::uint32_t> TuningCommitJournal::intended(std::size_t row) const {
    if (row >= boxTexts_.size() || boxTexts_[row].empty()) return std::nullopt;
    return TunerBoxRule::convert(boxTexts_[row], TunerBoxRule::kCommitReadLimit);
}

void TuningCommitJournal::write(const std::vector<TuningRow>& rows, const std::vector<std::int32_t>& after,
                                std::optional<std::string_view> failure) const {
    bool stopWritten = false;
    for (std::size_t i = 0; i < rows.size() && i < notes_.size() && i < after.size(); ++i) {
        const TuningRow& row = rows[i];
        if (!row.inUse) continue;
        serviceRecord record = serviceRecordOf(storage_, std::string(family_.caption), ServiceResult::Done);
        record.kind = family_.kind;
        if (row.point != 0) record.point = row.point;
        if (row.frequencyMHz != 0) record.frequency = row.frequencyMHz;
        record.before = before_[i];
        if (const auto& note = notes_[i]) {
            record.after = note->value;
        } else if (after[i] != before_[i]) {
            record.after = after[i];
        } else if (refusal_ && !stopWritten) {
            stopWritten = true;
            if (refusal_->value) record.after = *refusal_->value;
            record.result = ServiceResult::Refused;
            record.reason = refusal_->reason;
        } else if (failure && !stopWritten) {
            stopWritten = true;
            if (const auto value = intended(i)) record.after = *value;
            record.result = ServiceResult::Failed;
            record.reason = std::string(*failure);
        } else {
            continue;
        }
        recordServiceChange(record);
    }
}

}  // namespace vantrel
