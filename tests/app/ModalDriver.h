#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace vantrel::testing {

// Acts on the next modal window of type T once it is up: the program under test is then inside
// the window's own event loop, so the action has to be queued before the program opens it.
template <typename T>
void whenModal(std::function<void(T&)> action, int attemptsLeft = 300) {
    QTimer::singleShot(10, [action = std::move(action), attemptsLeft]() mutable {
        if (auto* shown = dynamic_cast<T*>(QApplication::activeModalWidget()); shown != nullptr && shown->isVisible()) {
            action(*shown);
        } else if (attemptsLeft > 0) {
            whenModal<T>(std::move(action), attemptsLeft - 1);
        } else if (QWidget* stuck = QApplication::activeModalWidget()) {
            // The awaited window never came: close whatever holds the program, so the test fails
            // on its assertions rather than hanging.
            stuck->close();
        }
    });
}

}  // namespace vantrel::testing
