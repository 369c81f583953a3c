#include "screens/ScreenLayout.h"

namespace vantrel {

namespace {

ScreenLayout vcoLayout(QSize window, QRect status) {
    ScreenLayout layout;
    layout.window = window;
    layout.statusId = 8000;
    layout.status = status;
    layout.statusCreatedWith = QStringLiteral("Radio is currently dekeyed");
    layout.boxWidth = 55;
    layout.workingLabelX = 550;
    return layout;
}

// The signalling screens whose buttons sit lower and whose box is narrower.
ScreenLayout lowButtons(int boxWidth) {
    ScreenLayout layout;
    layout.buttonsY = 150;
    layout.boxWidth = boxWidth;
    layout.workingLabelX = 550;
    return layout;
}

}  // namespace

ScreenLayout screenLayout(int kind) {
    switch (kind) {
    case 6:
        return vcoLayout({700, 300}, {10, 200, 600, 30});
    case 7:
        return vcoLayout({700, 350}, {20, 200, 600, 30});
    case 9:
        return lowButtons(60);
    case 10:
    case 14:
        return lowButtons(55);
    default:
        return {};
    }
}

}  // namespace vantrel
