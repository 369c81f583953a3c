#pragma once

#include "utilities/TempCompSession.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vantrel {

class Interaction;

// The temperature compensation window in read mode (the bytes shown, Close) or write mode
// (eight digits, Program). A view over TempCompSession.
class TTempCompWindow : public QWidget {
public:
    static constexpr int kEntryId = 4000;
    static constexpr int kButtonId = 7001;

    TTempCompWindow(radioStorage& storage, Interaction& ui, int& openScreenKind, TempCompMode mode,
                    QWidget* parent = nullptr);

    QLineEdit* entry() const { return entry_; }
    QPushButton* button() const { return button_; }
    QSize sizeHint() const override { return {460, 170}; }

private:
    void pressed();

    TempCompSession session_;
    QLineEdit* entry_;
    QPushButton* button_;
};

}  // namespace vantrel
