#pragma once

#include <string>

namespace vantrel {

// None: a bare note, as the PA bias default screens give when they close.
enum class MessageIcon { Information, Exclamation, None };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The half of the technician's side that needs no toolkit: notes, errors and questions. The
// tuning sessions ask through it, so the desktop answers with message boxes, the command line
// from its script and a test from its recorder, all with the same texts and captions.
class MessageInteraction {
public:
    virtual ~MessageInteraction() = default;

    virtual MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
};

}  // namespace vantrel
