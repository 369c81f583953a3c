#include "screens/TuningViews.h"

#include "screens/ReceiveWindows.h"
#include "screens/ScreenLayout.h"
#include "screens/TAutoSquelchScreen.h"
#include "screens/TBatteryVoltageWindow.h"
#include "screens/TMobilePowerTuneHI.h"
#include "screens/TPABiasScreen.h"
#include "screens/TPAVoltageLimitScreen.h"
#include "screens/TTuningScreen.h"
#include "tuning/AutoTuneSession.h"
#include "tuning/PaBiasSession.h"
#include "tuning/TuningFamily.h"
#include "tuning/TuningSession.h"

namespace vantrel {

TTuningScreen* makeTuningView(const TuningFamily& family, std::unique_ptr<TuningSession> session,
                              MessageInteraction& ui) {
    // Families with views of their own are chosen here by kind or by their session's class.
    const ScreenLayout layout = screenLayout(family.kind);
    TuningSession* s = session.get();
    if (dynamic_cast<AutoSquelchSession*>(s) != nullptr) return new TAutoSquelchScreen(std::move(session), layout, ui);
    if (dynamic_cast<PaVoltageLimitSession*>(s) != nullptr) {
        return new TPAVoltageLimitScreen(std::move(session), layout, ui);
    }
    if (dynamic_cast<PaBiasSession*>(s) != nullptr) return new TPABiasScreen(std::move(session), layout, ui);
    switch (family.kind) {
        case 4:
            return new TMobilePowerTuneHI(std::move(session), ui);
        case 15:
            return new TFrontEndFilterWindow(std::move(session), ui);
        case 20:
            return new TRSSIWindow(std::move(session), ui);
        case 32:
            return new TBatteryVoltageWindow(std::move(session), ui);
        default:
            return new TTuningScreen(nullptr, std::move(session), layout, ui);
    }
}

}  // namespace vantrel
