#include "app/UtilityWidgets.h"

namespace vantrel {

QFont utilityWidgets::font(int weight) {
    QFont f(QStringLiteral("Times Roman"));
    // Where no Times Roman is installed, a serif face of like width keeps the texts inside
    // their fixed boxes; the usual serif fallback is wider.
    f.setFamilies({QStringLiteral("Times Roman"), QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                   QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif Condensed")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(12);
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

QValidator::State CharacterFilter::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (c.unicode() > 0x7F || !accepts_(static_cast<char>(c.unicode()))) return Invalid;
    }
    return Acceptable;
}

}  // namespace vantrel
