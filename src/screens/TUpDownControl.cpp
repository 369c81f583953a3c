#include "screens/TUpDownControl.h"

#include "tuning/TunerBoxRule.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace vantrel {

TUpDownControl::TUpDownControl(QWidget* parent, QLineEdit* buddy, std::uint32_t maximum, int id,
                               const QRect& geometry)
    : QWidget(parent), buddy_(buddy), maximum_(maximum), id_(id) {
    setGeometry(geometry);
    setProperty("controlId", id);
    const int half = geometry.height() / 2;
    arrow(Qt::UpArrow, +1, 0)->setFixedSize(geometry.width(), half);
    arrow(Qt::DownArrow, -1, half)->setFixedSize(geometry.width(), geometry.height() - half);
}

QToolButton* TUpDownControl::arrow(Qt::ArrowType type, int delta, int y) {
    auto* button = new QToolButton(this);
    button->setArrowType(type);
    button->move(0, y);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::pressed, this, [this, delta] { step(delta); });
    connect(button, &QToolButton::released, this, [this] {
        if (ended_) ended_();
    });
    return button;
}

std::uint32_t TUpDownControl::position() const {
    return std::min(TunerBoxRule::convert(buddy_->text().toStdString()), maximum_);
}

void TUpDownControl::setPosition(std::uint32_t position) {
    buddy_->setText(QString::number(std::min(position, maximum_)));
}

void TUpDownControl::step(int delta) {
    const auto next = static_cast<std::int64_t>(position()) + delta;
    setPosition(static_cast<std::uint32_t>(std::clamp<std::int64_t>(next, 0, maximum_)));
}

}  // namespace vantrel
