#include "app/TTunerNotifyDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int kOkWidth = 90;
constexpr int kPictureSize = 32;

}  // namespace

TTunerNotifyDlg::TTunerNotifyDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(kCaption));
    auto* group = new QGroupBox(QStringLiteral("Notification Message"), this);
    auto* text = new QLabel(QString::fromLatin1(kText), group);
    text->setWordWrap(true);
    (new QVBoxLayout(group))->addWidget(text);

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kPictureSize));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setFixedWidth(kOkWidth);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(picture);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(bottom);
    setMinimumWidth(group->fontMetrics().averageCharWidth() * 60);
}

}  // namespace vantrel
