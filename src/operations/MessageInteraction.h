#pragma once

#include <string>

namespace vantrel {

enum class MessageIcon { Information, Exclamation };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The message-and-question half of the interaction seam, free of any toolkit, so that the
// core's sessions can tell and ask: the desktop program answers with message boxes, the command
// line from its flags, a test from its script.
class MessageInteraction {
public:
    virtual ~MessageInteraction() = default;

    virtual MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
};

}  // namespace vantrel
