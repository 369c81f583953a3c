#include "app/tunerSetupWindow.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vantrel {

tunerSetupWindow::tunerSetupWindow(bool portable, int& openScreenKind, bool& setupPictureOpen,
                                   const std::filesystem::path& picture, QWidget* parent)
    : QWidget(parent), openScreenKind_(openScreenKind), setupPictureOpen_(setupPictureOpen) {
    openScreenKind_ = kindOf(portable);

    auto* label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    const QPixmap image(QString::fromStdString(picture.string()));
    hasPicture_ = !image.isNull();
    if (hasPicture_) {
        label->setPixmap(image);
    } else {
        // The picture is a file beside the program; say which one is missing rather than show
        // an empty frame.
        label->setText(
            QStringLiteral("The picture %1 could not be read.").arg(QString::fromStdString(picture.string())));
        label->setWordWrap(true);
    }
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(label);
    scroller->setWidgetResizable(true);
    scroller->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
    resize(kWidth, kHeight);
}

tunerSetupWindow::~tunerSetupWindow() {
    openScreenKind_ = 0;
    setupPictureOpen_ = false;
}

}  // namespace vantrel
