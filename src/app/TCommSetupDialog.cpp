#include "app/TCommSetupDialog.h"

#include "link/PortConfigurationFile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

void TCommSetupDialog::showSelection() {
    if (selection_ >= 1 && selection_ <= kPorts) {
        status_->setText(QStringLiteral("COM Port %1 currently selected").arg(selection_));
    } else if (selection_ == kPortNumberUnreadable) {
        status_->setText(QStringLiteral("COM Port profile is not currently configured"));
    } else {
        status_->clear();
    }
}

void TCommSetupDialog::apply() {
    writePortNumber(selection_);
    accept();
}

}  // namespace vantrel
