#include "screens/PaBiasCommands.h"

#include "app/CommandIds.h"
#include "app/HelpContexts.h"
#include "app/TVantrelMDIClient.h"
#include "screens/TTuningScreen.h"
#include "screens/TuningWindowCommands.h"
#include "tuning/TuningFamily.h"

#include <memory>
#include <string_view>

namespace vantrel {

namespace {

const char* const kSupplyQuestion = "PCIC SCREENING\n\nSet Supply Voltage to 6V";
const char* const kCurrentQuestion = "Is Current Drawn of the Radio > 100mA?";
const char* const kClearToProceed = "You are clear to proceed for PA Bias Tuning.\nPlease Set Supply Voltage to 7.5V";
const char* const kQuestionCaption = "WARNING";

const TuningFamily& screenOf(std::string_view caption) { return *tuningFamilyOfCaption(caption); }

void open(TVantrelMDIClient& client, std::string_view caption) {
    const TuningFamily& family = screenOf(caption);
    frameTuningScreen(client, makeTuningScreen(client, family), family);
}

bool suppliedAtSixVolts(Interaction& ui) {
    return ui.message(kSupplyQuestion, kQuestionCaption, MessageIcon::Information, MessageButtons::OkCancel) ==
           MessageAnswer::Ok;
}

// The tuning screen is built (and the radio prepared) before the current question. Yes: the
// radio draws too much, and the default screen opens instead, with the help about it; the
// screen built first is never shown and is closed before the default one opens, so that its
// closing cannot clear the default screen's kind. No: the tuning screen is shown.
void afterCurrentQuestion(TVantrelMDIClient& client, std::string_view defaultCaption, std::string_view tuningCaption) {
    const TuningFamily& tuning = screenOf(tuningCaption);
    std::unique_ptr<TTuningScreen> screen(makeTuningScreen(client, tuning));
    Interaction& ui = client.interaction();
    if (ui.message(kCurrentQuestion, kQuestionCaption, MessageIcon::Information, MessageButtons::YesNo) ==
        MessageAnswer::Yes) {
        screen.reset();
        open(client, defaultCaption);
        ui.openHelp(kPaBiasDefaultHelpContext);
        return;
    }
    ui.message(kClearToProceed, "NOTE", MessageIcon::Information);
    frameTuningScreen(client, screen.release(), tuning);
}

void highPower(TVantrelMDIClient& client) {
    if (windowStillOpen(client, paBias::kHighPowerKind)) return;
    // The second tuning procedure's radios go straight to the screen, without the supply checks.
    if (client.storage().tuningProcedureVersion() == 2) {
        open(client, "PA Bias Voltage High Power");
        return;
    }
    if (!suppliedAtSixVolts(client.interaction())) return;
    afterCurrentQuestion(client, "PA Bias Default (High Power)", "PA Bias Voltage High Power");
}

void lowPower(TVantrelMDIClient& client) {
    if (windowStillOpen(client, paBias::kLowPowerKind)) return;
    if (!suppliedAtSixVolts(client.interaction())) return;
    afterCurrentQuestion(client, "PA Bias Default (Low Power)", "PA Bias Voltage Low Power");
}

void rxMode(TVantrelMDIClient& client) {
    if (windowStillOpen(client, paBias::kRxModeKind)) return;
    open(client, "PA Bias Voltage Rx Mode");
}

}  // namespace

void installPaBiasCommands(TVantrelMDIClient& client) {
    client.setWindowCommand(command::kPaBiasHighPower, [&client] { highPower(client); });
    client.setWindowCommand(command::kPaBiasLowPower, [&client] { lowPower(client); });
    client.setWindowCommand(command::kPaBiasRxMode, [&client] { rxMode(client); });
}

}  // namespace vantrel
