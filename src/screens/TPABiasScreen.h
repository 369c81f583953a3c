#pragma once

#include "screens/TTuningScreen.h"
#include "tuning/PaBiasSession.h"

#include <array>

namespace vantrel {

class TTunerEditBox;
class TUpDownControl;

// A PA bias screen: a toggle, a working box with its up-down and a default field for each
// quantity the radio has, and Program. There are no sliders, frequencies or PTT Toggle.
class TPABiasScreen : public TTuningScreen {
public:
    TPABiasScreen(std::unique_ptr<TuningSession> session, const ScreenLayout& layout, MessageInteraction& ui);

protected:
    void refresh() override;

private:
    struct QuantityControls {
        QPushButton* toggle = nullptr;
        TTunerEditBox* box = nullptr;
        TUpDownControl* upDown = nullptr;
        QLineEdit* defaultValue = nullptr;
    };

    PaBiasSession& bias();
    void buildQuantity(const BiasControl& quantity, MessageInteraction& ui);
    void showPositions();

    std::array<QuantityControls, kBiasQuantities> controls_{};
};

}  // namespace vantrel
