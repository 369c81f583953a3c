#pragma once

#include "screens/TTuningScreen.h"

#include <array>

namespace vantrel {

class KMPowerTuneSession;
class TKMPowerEditBox;

// The K and M power tuning screen: per point its frequency and the two power boxes, whose
// focus chooses the point and the DAC value; PTT Toggle and Program.
class TMobilePowerTuneHI : public TTuningScreen {
public:
    static constexpr int kFirstPower1Box = 4010;
    static constexpr int kFirstPower2Box = 4000;

    TMobilePowerTuneHI(std::unique_ptr<TuningSession> session, MessageInteraction& ui);

    TKMPowerEditBox* powerBox(int point, bool power2) const;

protected:
    void refresh() override;

private:
    KMPowerTuneSession& km();
    std::vector<std::string> powerTexts() const;

    std::array<QLineEdit*, 7> frequencies_{};
    std::array<TKMPowerEditBox*, 14> boxes_{};
    int shownGeneration_ = -1;
};

// Where the K and M screen puts the parts the generic view builds.
ScreenLayout kmPowerLayout();

}  // namespace vantrel
