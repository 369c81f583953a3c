#include "screens/QtAutoTuneWait.h"

#include "app/autoTuneDialog.h"

#include <QApplication>

namespace vantrel {

void QtAutoTuneWait::show() {
    close();
    dialog_ = new autoTuneDialog(owner_);
    dialog_->show();
    // The exchange that follows blocks the interface: let the dialog paint first.
    QApplication::processEvents();
}

void QtAutoTuneWait::close() {
    delete dialog_.data();
    dialog_ = nullptr;
}

}  // namespace vantrel
