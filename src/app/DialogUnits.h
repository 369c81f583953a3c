#pragma once

#include <QSize>

class QFont;

namespace vantrel {

// Dialog sizes are given in dialog units of the dialog's font: a quarter of its average
// character width across, an eighth of its height down. So a dialog keeps its proportions to
// its text at every font size.
QSize dialogUnitsToPixels(const QFont& font, int across, int down);

}  // namespace vantrel
