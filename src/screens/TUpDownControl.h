#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

class QLineEdit;
class QToolButton;

namespace vantrel {

// The small up and down arrows beside a working value box. Its position follows the number in
// its buddy box, each arrow click writes the next number into the box, and letting go of an
// arrow ends the scroll, which the screen is told of.
class TUpDownControl : public QWidget {
public:
    TUpDownControl(QWidget* parent, QLineEdit* buddy, std::uint32_t maximum, int id, const QRect& geometry);

    int id() const { return id_; }
    std::uint32_t maximum() const { return maximum_; }
    // The buddy's number, kept inside the range.
    std::uint32_t position() const;
    void setPosition(std::uint32_t position);
    void step(int delta);
    void setEndListener(std::function<void()> listener) { ended_ = std::move(listener); }

private:
    QToolButton* arrow(Qt::ArrowType type, int delta, int y);

    QLineEdit* buddy_;
    std::uint32_t maximum_;
    int id_;
    std::function<void()> ended_;
};

}  // namespace vantrel
