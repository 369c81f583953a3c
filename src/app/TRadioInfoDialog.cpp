#include "app/TRadioInfoDialog.h"

#include "model/radioStorage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {

QLineEdit* readOnlyField(QWidget* parent, const std::string& text) {
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setReadOnly(true);
    field->setMinimumWidth(180);
    return field;
}

}  // namespace

TRadioInfoDialog::TRadioInfoDialog(QWidget* parent, const radioStorage& storage)
    : QDialog(parent),
      serial_(readOnlyField(this, storage.serialNumber())),
      model_(readOnlyField(this, storage.modelNumber())) {
    setWindowTitle(QStringLiteral("Radio Information"));
    serial_->setObjectName(QString::number(kSerialField));
    model_->setObjectName(QString::number(kModelField));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Radio Serial No"), this), 0, 0);
    layout->addWidget(serial_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Radio Model No"), this), 1, 0);
    layout->addWidget(model_, 1, 1);
    layout->addWidget(ok, 2, 0, 1, 2, Qt::AlignHCenter);
}

}  // namespace vantrel
