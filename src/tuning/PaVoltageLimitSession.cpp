#include "tuning/AutoTuneSession.h"

#include "files/formatText.h"
#include "model/radioStorage.h"
#include "model/txTransmitPowData.h"
#include "protocol/EnhancedZIRK.h"
#include "tuning/TuningMessages.h"

#include <exception>

namespace vantrel {

namespace {

constexpr messages::Message kUnsupported{"PA Voltage Limit Auto Tuning Unsupported!!", "ERROR"};
constexpr const char* kConfirm = "Auto Tune softpot values? ";
constexpr const char* kNotDone = "Auto tuning of all softpots has not been done";
constexpr const char* kDone = "Auto tuning of all PA Voltage Limit softpots are done";
// The transmitter may still be keyed when an exchange of the run fails.
constexpr messages::Message kFailedWhileKeyed{"Radio Communication Error!!\nWARNING!! Please ensure radio is dekeyed",
                                             "ERROR"};
// Point 1's text has a blank before the exclamation marks; the others do not.
constexpr messages::Message kNothingFoundAtFirst{"Tuning is not possible. Please check hardware !!", "ERROR"};
constexpr messages::Message kNothingFound{"Tuning is not possible. Please check hardware!!", "ERROR"};

}  // namespace

void PaVoltageLimitSession::setupDisplay() {
    TuningSession::setupDisplay();
    setStatus(kNotDone);
}

// The radio never reports 0 for a point it could tune: that means failure.
std::string PaVoltageLimitSession::rangeNote() const { return "Note : Valid Softpot values will range from 1-127"; }

// The test mode only: the run selects each point itself.
void PaVoltageLimitSession::prepareRadio(EnhancedZIRK& conn) { data().prepare(storage(), conn); }

void PaVoltageLimitSession::autoTune() {
    act([&](EnhancedZIRK& conn) {
        if (!serialConfirmed(conn)) return;
        const int code = family().catalogue().code;
        txPAVoltageLimitData().autoTune(storage(), conn);
        if (!storage().isSupported(code)) {
            show(kUnsupported, MessageIcon::Exclamation);
            return;
        }
        if (ask(kConfirm, messages::kCommitCaption, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
        AutoTuneWaitScope waiting(wait());
        try {
            for (int i = 0; i < static_cast<int>(rows().size()); ++i) {
                if (row(i).inUse && !tunePoint(i, conn, waiting)) return;
            }
        } catch (const std::exception&) {
            waiting.close();
            show(kFailedWhileKeyed, MessageIcon::Exclamation);
            setStatus(messages::kCommunicationError.text);
            return;
        }
        setStatus(kDone);
    });
}

// Keyed only for the radio's own tuning of the point.
bool PaVoltageLimitSession::tunePoint(int index, EnhancedZIRK& conn, AutoTuneWaitScope& waiting) {
    TuningRow& r = row(index);
    data().selectPoint(r.transmit, r.receive, conn);
    setStatus(formatText(messages::kPointBeingTunedStatus, r.frequencyMHz));
    conn.keyUp();
    const std::uint32_t found = txPAVoltageLimitData().autoTune(storage(), conn);
    conn.dekey();
    if (found == 0) {
        show(index == 0 ? kNothingFoundAtFirst : kNothingFound, MessageIcon::Exclamation);
        waiting.close();
        setStatus(formatText("Error in tuning Softpot %d", index + 1));
        return false;
    }
    r.defaultText = formatText("%d", static_cast<int>(found));
    storeValue(index, found);
    return true;
}

}  // namespace vantrel
