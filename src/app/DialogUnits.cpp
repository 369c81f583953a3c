#include "app/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace vantrel {

namespace {

// The rounded quotient a × b ÷ c, as dialog templates have always been scaled.
int scaled(int a, int b, int c) { return (2 * a * b + c) / (2 * c); }

}  // namespace

QSize dialogUnitsToPixels(const QFont& font, int across, int down) {
    const QFontMetrics metrics(font);
    // The average character width is that of the 52 letters, rounded.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int baseWidth = (letters / 26 + 1) / 2;
    return {scaled(across, baseWidth, 4), scaled(down, metrics.height(), 8)};
}

}  // namespace vantrel
