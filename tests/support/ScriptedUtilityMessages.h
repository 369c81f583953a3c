#pragma once

#include "operations/MessageInteraction.h"

#include <deque>
#include <string>
#include <vector>

namespace vantrel::testing {

// Answers the core's messages and questions from a script (OK when the script is empty) and
// keeps what was shown, as "caption|text".
class ScriptedUtilityMessages : public MessageInteraction {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override {
        shown.push_back({text, caption, icon, buttons});
        if (answers.empty()) return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const Shown& s : shown) all.push_back(s.caption + "|" + s.text);
        return all;
    }

    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;
};

}  // namespace vantrel::testing
