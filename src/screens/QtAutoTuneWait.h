#pragma once

#include "app/autoTuneDialog.h"
#include "tuning/AutoTuneWait.h"

#include <QPointer>

class QWidget;

namespace vantrel {


// The desktop's wait while the radio tunes itself: the modeless autoTuneDialog over the screen,
// painted before the exchange blocks the interface, destroyed when the tuning ends.
class QtAutoTuneWait : public AutoTuneWait {
public:
    explicit QtAutoTuneWait(QWidget* owner) : owner_(owner) {}
    ~QtAutoTuneWait() override { close(); }
    QtAutoTuneWait(const QtAutoTuneWait&) = delete;
    QtAutoTuneWait& operator=(const QtAutoTuneWait&) = delete;

    void show() override;
    void close() override;
    // The dialog while it is shown; nullptr otherwise.
    autoTuneDialog* dialog() const { return dialog_; }

private:
    QWidget* owner_;
    QPointer<autoTuneDialog> dialog_;
};

}  // namespace vantrel
