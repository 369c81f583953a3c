#include "screens/ScreenLayout.h"

#include "screens/ReceiveWindows.h"
#include "screens/TBatteryVoltageWindow.h"

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

// The seven-row screens: buttons under the rows, the status field below them.
ScreenLayout perPointLayout(int width) {
    ScreenLayout layout;
    layout.window = {width, 350};
    layout.buttonsY = 240;
    layout.statusId = 8000;
    layout.status = {20, 280, 600, 30};
    return layout;
}

}  // namespace

ScreenLayout ownControls(QSize window) {
    ScreenLayout layout;
    layout.window = window;
    layout.pointHeading.clear();
    layout.valueRows = false;
    layout.buttons = false;
    layout.statusField = false;
    layout.rangeNoteShown = false;
    return layout;
}

ScreenLayout screenLayout(int kind) {
    switch (kind) {
        // Per-point transmit, automatic tuning and PA bias screens.
        case 2:
        case 3:
        case 5:
        case 8:
            return perPointLayout(700);
        case 16:
        case 17:
        case 18:
            return perPointLayout(750);
        case 34:
            return ownControls({400, 350});
        case 11:
        case 12:
        case 36:
        case 37:
            return ownControls({450, 450});
        case 6:
            return vcoLayout({700, 300}, {10, 200, 600, 30});
        case 7:
            return vcoLayout({700, 350}, {20, 200, 600, 30});
        case 9:
            return lowButtons(60);
        case 10:
        case 14:
            return lowButtons(55);
        case 19:
        case 38:
            return ratedVolumeLayout();
        case 35:
            return dacLayout();
        default:
            return {};
    }
}

}  // namespace vantrel
