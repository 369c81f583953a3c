#pragma once

#include "tuning/TunerBoxRule.h"

#include <QLineEdit>

#include <functional>

class QScrollBar;

namespace vantrel {

class MessageInteraction;

// The working value box of a tuning screen, bound to its row's slider. Enter with a value in
// range moves the slider and reports the entry to the screen (the code 300 of the screen's
// notifications); out of range it shows the range message and nothing else happens. Leaving the
// box clamps its text into the range and moves the slider, without a report.
class TTunerEditBox : public QLineEdit {
public:
    static constexpr int kEnteredCode = 300;

    TTunerEditBox(QWidget* parent, QScrollBar* slider, std::uint32_t maximum, int id, const QString& text,
                  const QRect& geometry, int textLimit, MessageInteraction& ui);

    int id() const { return id_; }
    std::uint32_t minimum() const { return rule_.minimum(); }
    std::uint32_t maximum() const { return rule_.maximum(); }
    void setMinimum(std::uint32_t minimum) { rule_.setMinimum(minimum); }
    std::uint32_t lastValue() const { return lastValue_; }
    // Told of every accepted Enter with the box's identifier.
    void setEnteredListener(std::function<void(int id)> listener) { entered_ = std::move(listener); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::uint32_t readValue();

    QScrollBar* slider_;
    TunerBoxRule rule_;
    int id_;
    std::uint32_t lastValue_ = 0;
    MessageInteraction& ui_;
    std::function<void(int)> entered_;
};

}  // namespace vantrel
