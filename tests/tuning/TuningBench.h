#pragma once

#include "model/radioStorage.h"
#include "operations/MessageInteraction.h"
#include "operations/OperationsBench.h"
#include "operations/radioOperations.h"
#include "tuning/TuningSession.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::testing {

// A message or question as the technician saw it: "caption|text", with "?" before the caption
// of a question.
class ScriptedMessages : public MessageInteraction {
public:
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override {
        const bool question = buttons != MessageButtons::Ok;
        shown.push_back((question ? "?" : "") + caption + "|" + text + (icon == MessageIcon::Exclamation ? "|!" : "") +
                        (icon == MessageIcon::None ? "|-" : ""));
        if (!question) return MessageAnswer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question: " << text;
            return MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<MessageAnswer> answers;
    std::vector<std::string> shown;
};

// The requests the radio received, one short word each: "serial", "test 0,2,2",
// "channel 7395/7380", "channel 7380" (the one-value form), "auto tune 7", "live 11=300", "commit 11=511",
// "read all 26", "calibration 26", "key up", "dekey", "reset".
std::vector<std::string> describeRequests(const std::vector<sim::LoggedRequest>& log);

// A read portable radio on the virtual line, and the context a screen's session works in.
class TuningBench {
public:
    explicit TuningBench(const std::string& profile = "portable-v1");

    // A session of the screen of this kind, opened and displayed as the window commands do.
    std::unique_ptr<TuningSession> open(int kind);

    // The requests since the last call (or since the read).
    std::vector<std::string> requests();
    int portsOpened();

    RadioBench bench;
    radioStorage storage;
    radioOperations operations;
    int openScreenKind = 0;
    ScriptedMessages ui;
    int radioReads = 0;
    TuningContext context;

private:
    int portsSeen_ = 0;
};

}  // namespace vantrel::testing
