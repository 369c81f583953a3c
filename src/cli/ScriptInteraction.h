#pragma once

#include "operations/MessageInteraction.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

// A message as a tune answer carries it: what the screen said, and for a question what the
// script's request answered.
struct ScriptMessage {
    std::string text;
    std::string caption;
    bool error = false;             // shown with the exclamation icon
    std::optional<bool> confirmed;  // set for questions
};

// The technician's side of a tuning session driven by a script: it keeps every message for the
// answer to the request that caused it, and answers questions from that request: the
// serial-number question by "readNewRadio", every other question by "confirm".
class ScriptInteraction : public MessageInteraction {
public:
    // The answers for the next request; the messages of the previous one are dropped.
    void beginRequest(bool confirm, bool readNewRadio);

    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override;

    const std::vector<ScriptMessage>& messages() const { return messages_; }
    // Why the request did not go through: the first question the script declined or error the
    // screen showed; nothing when it did.
    std::optional<std::string> refusal() const;

private:
    bool confirm_ = false;
    bool readNewRadio_ = false;
    std::vector<ScriptMessage> messages_;
};

}  // namespace vantrel::cli
