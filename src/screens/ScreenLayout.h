#pragma once

#include <QRect>
#include <QString>

namespace vantrel {

// Where a screen puts its controls, in pixels of its client area. The value rows, the column
// headings and the range note sit at the same places on every screen; these are what differ.
struct ScreenLayout {
    QSize window{700, 300};
    int buttonsY = 120;
    int statusId = 4016;
    QRect status{10, 200, 600, 40};
    QString statusCreatedWith;  // the text the status field is created with (then kept)
    int boxWidth = 60;
    int workingLabelX = 560;
    QRect rangeNote{10, 250, 300, 20};
    QRect manyRowsRangeNote{10, 320, 350, 20};
    // The parts a screen with controls of its own leaves to its view.
    QString pointHeading = QStringLiteral("Frequency Point(MHz)");  // empty: no column headings
    bool valueRows = true;
    bool buttons = true;  // PTT Toggle (transmit screens) and Program
    bool programButton = true;
    bool statusField = true;
    bool rangeNoteShown = true;
};

// A screen whose view lays out every control itself: no headings, value rows, buttons, status
// field or range note from the generic view.
ScreenLayout ownControls(QSize window);

// The layout of the screen of a kind; screens without an entry of their own use the
// single-value layout.
ScreenLayout screenLayout(int kind);

// Control identifiers of a value row n (0-based) and of the screen.
namespace control {
inline constexpr int kFrequency = 3000;
inline constexpr int kWorkingBox = 4000;
inline constexpr int kDefaultValue = 4007;
inline constexpr int kUpDown = 5000;
inline constexpr int kSlider = 6000;
inline constexpr int kPttToggle = 7000;
inline constexpr int kProgram = 7001;
}  // namespace control

}  // namespace vantrel
