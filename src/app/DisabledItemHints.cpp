#include "app/DisabledItemHints.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusTipEvent>

namespace vantrel {

bool DisabledItemHints::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr || event->type() != QEvent::MouseMove || window_ == nullptr) return false;
    const QAction* under = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (under == nullptr || under->isEnabled() || under->isSeparator()) return false;
    // Posted, so that it arrives after the menu has dealt with the move (and cleared the hint of
    // the item it no longer highlights).
    QCoreApplication::postEvent(window_, new QStatusTipEvent(under->statusTip()));
    return false;
}

}  // namespace vantrel
