#pragma once

#include "tuning/AutoTuneWait.h"
#include "tuning/TuningScreenActions.h"
#include "tuning/TuningSession.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// A screen whose values the radio can find by itself: while it does, the wait dialog shows.
class AutoTuneSession : public TuningSession, public TuningAutoTune {
public:
    using TuningSession::TuningSession;

    // The wait dialog the session shows; none (nullptr) shows nothing.
    void setWait(AutoTuneWait* wait) { wait_ = wait; }

protected:
    AutoTuneWait* wait() const { return wait_; }

private:
    AutoTuneWait* wait_ = nullptr;
};

// Squelch attenuation at one channel spacing (softpot 7), a receive screen with seven rows: tuned
// by hand, or by the radio row by row with Auto Tune. The values reach the storage at once from
// Auto Tune, and from Program only after the last row.
class AutoSquelchSession : public AutoTuneSession {
public:
    using AutoTuneSession::AutoTuneSession;

    // Auto Tune of row `row`.
    void autoTune(int row) override;

protected:
    void prepareRadio(EnhancedZIRK& conn) override;
    void touchRow(int row, EnhancedZIRK& conn) override;
    void commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) override;
};

// The PA voltage limit (softpot 6): no tuning by hand; one Auto Tune keys the radio at each used
// transmit point in turn and keeps what it finds.
class PaVoltageLimitSession : public AutoTuneSession {
public:
    using AutoTuneSession::AutoTuneSession;

    void setupDisplay() override;
    std::string rangeNote() const override;
    void autoTune();
    // One run tunes every point, whichever row asked.
    void autoTune(int) override { autoTune(); }

protected:
    void prepareRadio(EnhancedZIRK& conn) override;

private:
    // False when the radio found nothing at the point, which ends the run.
    bool tunePoint(int row, EnhancedZIRK& conn, AutoTuneWaitScope& wait);
};

}  // namespace vantrel
