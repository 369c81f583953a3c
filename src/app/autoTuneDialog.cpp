#include "app/autoTuneDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace vantrel {

autoTuneDialog::autoTuneDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QString::fromLatin1(kCaption));
    setModal(false);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* text = new QLabel(QString::fromLatin1(kText), frame);
    text->setAlignment(Qt::AlignCenter);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(text);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    setMinimumSize(360, 64);
}

void autoTuneDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace vantrel
