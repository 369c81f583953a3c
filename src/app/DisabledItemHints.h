#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace vantrel {

// The toolkit highlights no greyed menu item, so pointing at one would leave the hint of the
// item highlighted before it in the status bar. Watching the menus' mouse moves, this shows the
// greyed item's own hint instead, through the same status-tip route as every other hint.
class DisabledItemHints : public QObject {
public:
    // Hints go to `window`, which shows status tips in its status bar.
    explicit DisabledItemHints(QWidget* window) : QObject(window), window_(window) {}

    void watch(QObject* menu) { menu->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace vantrel
