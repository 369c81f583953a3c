#include "screens/TKMPowerEditBox.h"

#include <QRegularExpressionValidator>

#include <algorithm>

namespace vantrel {

TKMPowerEditBox::TKMPowerEditBox(QWidget* parent, int id, const QRect& geometry, bool digitsOnly)
    : QLineEdit(parent), id_(id) {
    setGeometry(geometry);
    setMaxLength(kTextLimit);
    setProperty("controlId", id);
    if (digitsOnly) setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& edited) {
        setMaxLength(std::max<int>(kTextLimit, static_cast<int>(edited.size())));
    });
}

void TKMPowerEditBox::showText(const QString& text) {
    setMaxLength(std::max<int>(kTextLimit, static_cast<int>(text.size())));
    setText(text);
}

// The flag keeps a focus that the toolkit delivers twice (window activation) to one report.
void TKMPowerEditBox::focusInEvent(QFocusEvent* event) {
    if (!hasFocus_) {
        hasFocus_ = true;
        if (focused_) focused_(id_);
    }
    QLineEdit::focusInEvent(event);
}

void TKMPowerEditBox::focusOutEvent(QFocusEvent* event) {
    hasFocus_ = false;
    QLineEdit::focusOutEvent(event);
}

}  // namespace vantrel
