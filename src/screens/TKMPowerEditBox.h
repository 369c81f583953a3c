#pragma once

#include <QLineEdit>

#include <functional>

namespace vantrel {

// A power reading box of the K and M screen. Taking the keyboard focus is what chooses the
// point and the DAC value, so the box reports each focus once to its screen (the code 302 of
// the screen's notifications); it checks no range.
class TKMPowerEditBox : public QLineEdit {
public:
    static constexpr int kFocusCode = 302;
    static constexpr int kTextLimit = 5;

    TKMPowerEditBox(QWidget* parent, int id, const QRect& geometry, bool digitsOnly);

    int id() const { return id_; }
    // Shows a predicted power. The limit is on typing, as on the screens technicians know:
    // a longer text the screen shows stays whole, and the limit returns as it is edited down.
    void showText(const QString& text);
    void setFocusListener(std::function<void(int id)> listener) { focused_ = std::move(listener); }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int id_;
    bool hasFocus_ = false;
    std::function<void(int)> focused_;
};

}  // namespace vantrel
