#pragma once

#include <QFont>
#include <QString>
#include <QValidator>

#include <functional>

class QWidget;

namespace vantrel {

// What the three utility windows share: their font, and controls placed at fixed pixels and
// named by their control identifier (so tests and help find them as the windows define them).
namespace utilityWidgets {

inline constexpr int kTextWeight = 400;
inline constexpr int kEntryWeight = 500;

// "Times Roman" with a character height of 12 pixels.
QFont font(int weight);

// Places a child at x, y with the size w × h in the given font weight; `id` becomes its name.
template <typename W>
W* place(W* widget, int x, int y, int w, int h, int weight, int id = 0) {
    widget->setGeometry(x, y, w, h);
    widget->setFont(font(weight));
    if (id != 0) widget->setObjectName(QString::number(id));
    return widget;
}

}  // namespace utilityWidgets

// Lets only the characters a predicate accepts into an entry field.
class CharacterFilter : public QValidator {
public:
    CharacterFilter(std::function<bool(char)> accepts, QObject* parent)
        : QValidator(parent), accepts_(std::move(accepts)) {}
    State validate(QString& input, int& position) const override;

private:
    std::function<bool(char)> accepts_;
};

}  // namespace vantrel
