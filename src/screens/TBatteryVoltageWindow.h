#pragma once

#include "screens/TTuningScreen.h"

namespace vantrel {

// The battery threshold screen: the target voltage, the threshold, and Program, which lets
// the radio measure the threshold and keeps it.
class TBatteryVoltageWindow : public TTuningScreen {
public:
    static constexpr int kProgram = 7002;

    TBatteryVoltageWindow(std::unique_ptr<TuningSession> session, MessageInteraction& ui);

protected:
    void refresh() override;

private:
    QLabel* target_ = nullptr;
    QLabel* threshold_ = nullptr;
};

ScreenLayout batteryLayout();
ScreenLayout dacLayout();

}  // namespace vantrel
