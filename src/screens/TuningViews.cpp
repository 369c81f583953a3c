#include "screens/TuningViews.h"

#include "screens/ScreenLayout.h"
#include "screens/TTuningScreen.h"
#include "tuning/TuningFamily.h"
#include "tuning/TuningSession.h"

namespace vantrel {

TTuningScreen* makeTuningView(const TuningFamily& family, std::unique_ptr<TuningSession> session,
                              MessageInteraction& ui) {
    // Families with views of their own are chosen here by kind.
    return new TTuningScreen(nullptr, std::move(session), screenLayout(family.kind), ui);
}

}  // namespace vantrel
