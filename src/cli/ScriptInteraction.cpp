#include "cli/ScriptInteraction.h"

#include "tuning/TuningMessages.h"

namespace vantrel::cli {

namespace {

bool isSerialQuestion(const std::string& text) {
    return text == messages::kSerialMismatchQuestion.text || text == messages::kSerialMismatchCapitalQuestion.text;
}

}  // namespace

void ScriptInteraction::beginRequest(bool confirm, bool readNewRadio) {
    confirm_ = confirm;
    readNewRadio_ = readNewRadio;
    messages_.clear();
}

MessageAnswer ScriptInteraction::message(const std::string& text, const std::string& caption, MessageIcon icon,
                                         MessageButtons buttons) {
    ScriptMessage shown{text, caption, icon == MessageIcon::Exclamation, std::nullopt};
    if (buttons == MessageButtons::Ok) {
        messages_.push_back(std::move(shown));
        return MessageAnswer::Ok;
    }
    const bool yes = isSerialQuestion(text) ? readNewRadio_ : confirm_;
    shown.confirmed = yes;
    messages_.push_back(std::move(shown));
    if (buttons == MessageButtons::YesNo) return yes ? MessageAnswer::Yes : MessageAnswer::No;
    return yes ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<std::string> ScriptInteraction::refusal() const {
    for (const ScriptMessage& m : messages_) {
        if (m.confirmed == false) {
            const char* needed = isSerialQuestion(m.text) ? "readNewRadio" : "confirm";
            return "declined \"" + m.text + "\" (send \"" + needed + "\": true to accept)";
        }
        if (m.error) return m.text;
    }
    return std::nullopt;
}

}  // namespace vantrel::cli
