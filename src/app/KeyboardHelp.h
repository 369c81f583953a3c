#pragma once

#include <QObject>

#include <optional>

namespace vantrel {

class Interaction;

// F1 help, watching every key before it is delivered:
//  - F1 (without Shift) with no menu open opens the help of the open window, or the contents;
//  - F1 on a highlighted menu item enters help mode and chooses the item, and the command that
//    then arrives opens the help at its own number instead of running;
//  - Esc leaves help mode. Shift+F1 is left alone.
class KeyboardHelp : public QObject {
public:
    KeyboardHelp(Interaction& ui, const int& openScreenKind);
    ~KeyboardHelp() override;

    bool helpMode() const { return helpMode_; }
    // A command arriving in help mode opens its help and is dropped: true when that happened.
    // (Whether F1 is still held cannot be told reliably once the help viewer has the keyboard,
    // so only help mode counts.)
    bool takeCommand(int command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterHelpMode();
    void leaveHelpMode();

    Interaction& ui_;
    const int& openScreenKind_;
    bool helpMode_ = false;
};

}  // namespace vantrel
