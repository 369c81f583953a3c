#include "screens/TTunerEditBox.h"

#include "operations/MessageInteraction.h"
#include "tuning/TuningMessages.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QScrollBar>

namespace vantrel {

TTunerEditBox::TTunerEditBox(QWidget* parent, QScrollBar* slider, std::uint32_t maximum, int id, const QString& text,
                             const QRect& geometry, int textLimit, MessageInteraction& ui)
    : QLineEdit(text, parent), slider_(slider), rule_(0, maximum), id_(id), ui_(ui) {
    setGeometry(geometry);
    setMaxLength(textLimit);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
    setProperty("controlId", id);
}

std::uint32_t TTunerEditBox::readValue() {
    lastValue_ = TunerBoxRule::convert(text().toStdString());
    return lastValue_;
}

void TTunerEditBox::keyPressEvent(QKeyEvent* event) {
    const std::uint32_t value = readValue();
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (const auto refusal = rule_.enterRefusal(value)) {
        ui_.message(*refusal, messages::kOutOfRangeCaption, MessageIcon::Exclamation);
        return;
    }
    if (slider_ != nullptr) slider_->setValue(static_cast<int>(value));
    if (entered_) entered_(id_);
}

void TTunerEditBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (const auto replaced = rule_.textOnFocusLost(text().toStdString())) setText(QString::fromStdString(*replaced));
    const std::uint32_t value = readValue();
    if (slider_ != nullptr) slider_->setValue(static_cast<int>(std::min<std::uint32_t>(value, INT32_MAX)));
}

}  // namespace vantrel
