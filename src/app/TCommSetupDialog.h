#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vantrel {

// "User COM Port Selection": four boxes for COM 1 to COM 4, Apply writes the choice to
// "com.ini", Cancel (the default button) leaves the file alone.
class TCommSetupDialog : public QDialog {
public:
    static constexpr int kPorts = 4;

    explicit TCommSetupDialog(QWidget* parent = nullptr);

    // The port Apply would write: the one read from "com.ini" until a box is clicked.
    std::int32_t selection() const { return selection_; }

    QCheckBox* portBox(int port) const;  // 1..4
    QPushButton* applyButton() const { return apply_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLineEdit* statusLine() const { return status_; }

    // What the status line says for a selection (empty for a number without a box).
    static QString statusText(int selection);

private:
    void select(int port);
    void showSelection();
    void fitStatusLine();
    void apply();

    std::array<QCheckBox*, kPorts> boxes_{};
    QPushButton* apply_;
    QPushButton* cancel_;
    QLineEdit* status_;
    std::int32_t selection_;
};

}  // namespace vantrel
