#include "tuning/ReceiveSessions.h"

#include "files/formatText.h"
#include "model/RF_Frequency.h"
#include "model/SoftpotReads.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "protocol/EnhancedZIRK.h"
#include "tuning/TunerBoxRule.h"
#include "tuning/TuningMessages.h"

#include <array>

namespace vantrel {

namespace {
constexpr int kRssiRow = 16;
constexpr int kCalibrationEntry = 6;
// The calibration reading wanders; the screen shows the mean of this many.
constexpr std::uint32_t kCalibrationReads = 5;
constexpr std::uint32_t kFullRange = 255;
}  // namespace

FrontEndFilterSession::FrontEndFilterSession(const TuningFamily& family, const TuningContext& context)
    : TuningSession(family, context), rssiDac_(radiomodel().isMobileE2(context.storage)) {
    if (rssiDac_) setMaximum(kFullRange);
}

std::string FrontEndFilterSession::rangeNote() const {
    // Radios with an RSSI DAC have always stated their range from the top.
    return rssiDac_ ? "Note : Valid Softpot values will range from 255-0" : TuningSession::rangeNote();
}

std::vector<TuningRow> FrontEndFilterSession::layOutRows() { return perPointRows(true); }

void FrontEndFilterSession::prepareRadio(EnhancedZIRK& conn) {
    RF_Frequency plan;
    const auto receive = static_cast<std::uint16_t>(plan.partnerValue(storage(), true, false, 1));
    if (receive != 0) {
        data().selectPoint(static_cast<std::uint16_t>(plan.partnerValue(storage(), false, true, 1)), receive, conn);
    }
    data().prepare(storage(), conn);
    if (rssiDac_) readRssiCalibration(storage(), conn);
}

void FrontEndFilterSession::completeDisplay() {
    if (rssiDac_) rssiDacText_ = formatText("%.1f", static_cast<double>(storage().value(kRssiRow, kCalibrationEntry)));
}

void FrontEndFilterSession::touchRow(int index, EnhancedZIRK&) { setSelectedRow(index); }

void FrontEndFilterSession::applyValue(int index, EnhancedZIRK& conn) {
    TuningSession::applyValue(index, conn);
    if (!rssiDac_) return;
    std::uint32_t sum = 0;
    for (std::uint32_t i = 0; i < kCalibrationReads; ++i) {
        readRssiCalibration(storage(), conn);
        sum += static_cast<std::uint32_t>(storage().value(kRssiRow, kCalibrationEntry));
    }
    // The mean is a whole number, shown with its one decimal.
    const std::uint32_t mean = sum / kCalibrationReads;
    rssiDacText_ = formatText("%.1f", static_cast<double>(mean));
}

// Every used row is validated and committed at its receive value in turn; the storage takes
// the seven boxes only once all went through.
void FrontEndFilterSession::commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) {
    setStatus(messages::kNoPointSelectedStatus);
    std::array<std::uint32_t, kPointCount> values{};
    for (int i = 0; i < kPointCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        const std::string_view text = committedText(boxTexts, at);
        values[at] = TunerBoxRule::convert(text);
        TuningRow& r = row(i);
        if (!r.inUse) continue;
        if (!commitValueAccepted(text, values[at])) return;
        conn.selectChannel(r.receive);
        data().commit(values[at], conn);
        r.defaultText = formatText("%d", static_cast<int>(values[at]));
    }
    for (int i = 0; i < kPointCount; ++i) storeValue(i, values[static_cast<std::size_t>(i)]);
}

}  // namespace vantrel
