#pragma once

#include "GuiSession.h"
#include "app/Interaction.h"

#include <QImage>

#include <deque>
#include <functional>
#include <string>

class QWidget;

namespace vantrel::testing {

// The desktop program offscreen in a program folder laid out as an installation has it (the
// pictures and the sample bbo.cfg beside the program), over a simulated radio on the virtual
// line; what a picture is taken of.
class PictureSession : public GuiSession {
public:
    PictureSession();

    // Starts the program over the radio of a profile ("portable-v1") and reads it.
    void startOverReadRadio(const std::string& profile);
    // Scripts the answers to the questions asked next.
    void answer(std::deque<MessageAnswer> answers);

    // The frame of the window open in the main window, title bar included.
    QImage openWindow();
    // The next dialog the program runs while `open` runs, as it first shows; it is then
    // cancelled.
    QImage nextDialog(const std::function<void()>& open);

    // Fails unless every question asked was scripted and every scripted answer was used.
    void expectScriptDone() const;

private:
    int reportsBefore_;
};

}  // namespace vantrel::testing
