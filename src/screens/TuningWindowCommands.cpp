#include "screens/TuningWindowCommands.h"

#include "app/AppMessages.h"
#include "app/TVantrelMDIChild.h"
#include "app/TVantrelMDIClient.h"
#include "screens/PaBiasCommands.h"
#include "screens/TTuningScreen.h"
#include "screens/TuningViews.h"
#include "tuning/TuningSession.h"

namespace vantrel {

namespace {

TuningContext contextOf(TVantrelMDIClient& client) {
    return TuningContext{client.storage(), client.operations(), client.openScreenKind(), client.interaction(),
                         [&client] { client.runReadRadio(); }};
}

}  // namespace

bool windowStillOpen(TVantrelMDIClient& client, int ownKind) {
    const int open = client.openScreenKind();
    if (open == 0) return false;
    if (open != ownKind) {
        client.interaction().message(messages::kWindowStillOpen.text, messages::kWindowStillOpen.caption,
                                     MessageIcon::Information);
    }
    return true;
}

void openTuningScreen(TVantrelMDIClient& client, const TuningFamily& family) {
    if (windowStillOpen(client, family.kind)) return;
    frameTuningScreen(client, makeTuningScreen(client, family), family);
}

TTuningScreen* makeTuningScreen(TVantrelMDIClient& client, const TuningFamily& family) {
    return makeTuningView(family, family.session(family, contextOf(client)), client.interaction());
}

void frameTuningScreen(TVantrelMDIClient& client, TTuningScreen* screen, const TuningFamily& family) {
    auto* frame = new TVantrelMDIChild(
        screen, QString::fromUtf8(family.caption.data(), static_cast<qsizetype>(family.caption.size())),
        family.applicationIcon);
    client.addSubWindow(frame);
    frame->show();
    if (!client.tuningAllowed()) client.openScreenKind() = 0;
    if (client.openScreenKind() == 0) delete frame;
}

void installTuningCommands(TVantrelMDIClient& client) {
    for (const TuningFamily& family : tuningFamilies()) {
        client.setWindowCommand(family.command, [&client, &family] { openTuningScreen(client, family); });
    }
    installPaBiasCommands(client);
}

}  // namespace vantrel
