#pragma once

#include "screens/QtAutoTuneWait.h"
#include "screens/TTuningScreen.h"

namespace vantrel {

class AutoSquelchSession;

// A squelch attenuation screen: the seven receive rows, running 1..63, each with its Auto Tune
// button (enabled also for a row whose point is not in use).
class TAutoSquelchScreen : public TTuningScreen {
public:
    TAutoSquelchScreen(std::unique_ptr<TuningSession> session, const ScreenLayout& layout, MessageInteraction& ui);

    const QtAutoTuneWait& autoTuneWait() const { return wait_; }

private:
    AutoSquelchSession& squelch();

    QtAutoTuneWait wait_;
};

}  // namespace vantrel
