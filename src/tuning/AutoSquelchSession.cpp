#include "tuning/AutoTuneSession.h"

#include "files/formatText.h"
#include "model/RF_Frequency.h"
#include "model/radioStorage.h"
#include "model/rxAutoSquelchData.h"
#include "operations/radioOperations.h"
#include "protocol/EnhancedZIRK.h"
#include "tuning/TunerBoxRule.h"
#include "tuning/TuningMessages.h"

namespace vantrel {

void AutoSquelchSession::prepareRadio(EnhancedZIRK& conn) {
    data().prepare(storage(), conn);
    RF_Frequency plan;
    const auto transmit = static_cast<std::uint16_t>(plan.partnerValue(storage(), false, true, 1));
    const auto receive = static_cast<std::uint16_t>(plan.partnerValue(storage(), true, false, 1));
    if (receive != 0) data().selectPoint(transmit, receive, conn);
}

void AutoSquelchSession::touchRow(int index, EnhancedZIRK&) { setSelectedRow(index); }

// The Auto Tune button of a row whose point is not in use stays enabled: the radio is then
// tuned at that row's channel all the same, and what it reports is kept.
void AutoSquelchSession::autoTune(int index) {
    act([&](EnhancedZIRK& conn) {
        setSelectedRow(index);
        AutoTuneWaitScope waiting(wait());
        if (!context().operations.serialMatches(storage(), conn)) {
            waiting.close();
            handleMismatch();
            return;
        }
        TuningRow& r = row(index);
        data().selectPoint(r.transmit, r.receive, conn);
        setStatus(formatText(messages::kPointBeingTunedStatus, r.frequencyMHz));
        const std::uint32_t found = rxAutoSquelchData().autoTune(storage(), conn);
        r.working = r.lastApplied = found;
        waiting.close();
        // Kept, not committed: the radio's memory gets it from Program here or Program All.
        storeValue(index, found);
    });
}

// Only values of 64 and more are refused; 0 passes, though a box never shows it after losing
// the focus. Each row is committed on the receive channel alone.
void AutoSquelchSession::commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) {
    setStatus(messages::kNoPointSelectedStatus);
    std::vector<std::uint32_t> values(rows().size(), 0);
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const std::string_view text = committedText(boxTexts, i);
        values[i] = TunerBoxRule::convert(text);
        TuningRow& r = row(static_cast<int>(i));
        if (!r.inUse) continue;
        if (!commitValueAccepted(text, values[i])) return;
        conn.selectChannel(r.receive);
        data().commit(values[i], conn);
        noteCommitted(static_cast<int>(i), values[i]);
        r.defaultText = formatText("%d", static_cast<int>(values[i]));
    }
    for (std::size_t i = 0; i < values.size(); ++i) storeValue(static_cast<int>(i), values[i]);
}

}  // namespace vantrel
