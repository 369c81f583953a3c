#include "screens/TuningViews.h"

#include "screens/ReceiveWindows.h"
#include "screens/ScreenLayout.h"
#include "screens/TBatteryVoltageWindow.h"
#include "screens/TMobilePowerTuneHI.h"
#include "screens/TTuningScreen.h"
#include "tuning/TuningFamily.h"
#include "tuning/TuningSession.h"

namespace vantrel {

TTuningScreen* makeTuningView(const TuningFamily& family, std::unique_ptr<TuningSession> session,
                              MessageInteraction& ui) {
    // Families with views of their own are chosen here by kind.
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
        break;
    }
    return new TTuningScreen(nullptr, std::move(session), screenLayout(family.kind), ui);
}

}  // namespace vantrel
