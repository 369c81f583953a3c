#include "app/TCommSetupDialog.h"

#include "link/PortConfigurationFile.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

TCommSetupDialog::TCommSetupDialog(QWidget* parent)
    : QDialog(parent),
      apply_(new QPushButton(QStringLiteral("Apply "), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      status_(new QLineEdit(this)),
      selection_(readPortNumber()) {
    setWindowTitle(QStringLiteral("User COM Port Selection"));

    auto* frame = new QGroupBox(this);
    auto* boxes = new QVBoxLayout(frame);
    for (int port = 1; port <= kPorts; ++port) {
        auto* box = new QCheckBox(QStringLiteral("    COM %1").arg(port), frame);
        boxes->addWidget(box);
        boxes_[static_cast<std::size_t>(port - 1)] = box;
        connect(box, &QCheckBox::clicked, this, [this, port] { select(port); });
    }

    status_->setReadOnly(true);
    status_->setFocusPolicy(Qt::NoFocus);
    apply_->setAutoDefault(false);
    cancel_->setDefault(true);
    connect(apply_, &QPushButton::clicked, this, [this] { apply(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    if (selection_ >= 1 && selection_ <= kPorts) portBox(selection_)->setChecked(true);
    showSelection();
    fitStatusLine();
}

QCheckBox* TCommSetupDialog::portBox(int port) const {
    if (port < 1 || port > kPorts) return nullptr;
    return boxes_[static_cast<std::size_t>(port - 1)];
}

// The clicked box has already toggled itself; only the other three are cleared.
void TCommSetupDialog::select(int port) {
    selection_ = port;
    for (int other = 1; other <= kPorts; ++other) {
        if (other != port) portBox(other)->setChecked(false);
    }
    showSelection();
}

QString TCommSetupDialog::statusText(int selection) {
    if (selection >= 1 && selection <= kPorts) return QStringLiteral("COM Port %1 currently selected").arg(selection);
    if (selection == kPortNumberUnreadable) return QStringLiteral("COM Port profile is not currently configured");
    return {};
}

void TCommSetupDialog::showSelection() { status_->setText(statusText(selection_)); }

// Wide enough for the longest status text in the dialog's font, so none is cut at either end.
void TCommSetupDialog::fitStatusLine() {
    const QFontMetrics metrics(status_->font());
    int widest = 0;
    for (int selection = kPortNumberUnreadable; selection <= kPorts; ++selection) {
        widest = std::max(widest, metrics.horizontalAdvance(statusText(selection)));
    }
    QStyleOptionFrame frame;
    frame.initFrom(status_);
    frame.lineWidth = status_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, status_);
    // The line edit keeps a few pixels of margin inside its frame on each side.
    constexpr int kInnerMargin = 2 * 4;
    const QSize needed = status_->style()->sizeFromContents(QStyle::CT_LineEdit, &frame,
                                                            QSize(widest + kInnerMargin, metrics.height()), status_);
    status_->setMinimumWidth(needed.width());
}

void TCommSetupDialog::apply() {
    writePortNumber(selection_);
    accept();
}

}  // namespace vantrel
