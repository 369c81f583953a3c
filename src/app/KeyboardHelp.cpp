#include "app/KeyboardHelp.h"

#include "app/HelpContexts.h"
#include "app/Interaction.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace vantrel {

KeyboardHelp::KeyboardHelp(Interaction& ui, const int& openScreenKind) : ui_(ui), openScreenKind_(openScreenKind) {}

KeyboardHelp::~KeyboardHelp() {
    if (helpMode_) QApplication::restoreOverrideCursor();
}

void KeyboardHelp::enterHelpMode() {
    if (!helpMode_) QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    helpMode_ = true;
}

void KeyboardHelp::leaveHelpMode() {
    if (helpMode_) QApplication::restoreOverrideCursor();
    helpMode_ = false;
}

bool KeyboardHelp::takeCommand(int command) {
    if (!helpMode_) return false;
    leaveHelpMode();
    ui_.openHelp(command);
    return true;
}

bool KeyboardHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);

    if (key->key() == Qt::Key_Escape && helpMode_) {
        leaveHelpMode();
        return false;  // the menu still closes
    }
    if (key->key() != Qt::Key_F1 || (key->modifiers() & Qt::ShiftModifier)) return false;

    if (key->isAutoRepeat()) return true;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        // Choosing the highlighted item brings its command here, where help mode turns it into
        // a help request.
        enterHelpMode();
        QCoreApplication::postEvent(menu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
        return true;
    }
    ui_.openHelp(helpContextForScreen(openScreenKind_));
    return true;
}

}  // namespace vantrel
