#pragma once

#include "screens/QtAutoTuneWait.h"
#include "screens/TTuningScreen.h"

#include <vector>

namespace vantrel {

class PaVoltageLimitSession;

// The PA voltage limit screen: each transmit point's frequency and stored value, and one Auto
// Tune button that lets the radio tune them all.
class TPAVoltageLimitScreen : public TTuningScreen {
public:
    TPAVoltageLimitScreen(std::unique_ptr<TuningSession> session, const ScreenLayout& layout, MessageInteraction& ui);

    const QtAutoTuneWait& autoTuneWait() const { return wait_; }

protected:
    void refresh() override;

private:
    PaVoltageLimitSession& limit();

    QtAutoTuneWait wait_;
    std::vector<QLineEdit*> frequencies_;
    std::vector<QLineEdit*> defaults_;
    QLineEdit* status_ = nullptr;
};

}  // namespace vantrel
