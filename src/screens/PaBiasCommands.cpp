#include "screens/PaBiasCommands.h"

#include "app/CommandIds.h"
#include "app/HelpContexts.h"
#include "app/TVantrelMDIClient.h"
#include "screens/TuningWindowCommands.h"

#include <string>

namespace vantrel {

namespace {

const char* const kSupplyQuestion = "PCIC SCREENING\n\nSet Supply Voltage to 6V";
const char* const kCurrentQuestion = "Is Current Drawn of the Radio > 100mA?";
const char* const kClearToProceed = "You are clear to proceed for PA Bias Tuning.\nPlease Set Supply Voltage to 7.5V";
const char* const kQuestionCaption = "WARNING";

// Where a PA bias screen would open in a frame with this caption.
void screenNotBuilt(TVantrelMDIClient& client, const std::string& caption) {
    client.interaction().message(caption + " is not available in this version of Vantrel yet.", "NOTE",
                                 MessageIcon::Information);
}

bool suppliedAtSixVolts(Interaction& ui) {
    return ui.message(kSupplyQuestion, kQuestionCaption, MessageIcon::Information, MessageButtons::OkCancel) ==
           MessageAnswer::Ok;
}

// The current question and its two branches: the default screen with the help about it, or
// the note that tuning may go on and the tuning screen.
void afterCurrentQuestion(TVantrelMDIClient& client, const std::string& defaultCaption,
                          const std::string& tuningCaption) {
    Interaction& ui = client.interaction();
    if (ui.message(kCurrentQuestion, kQuestionCaption, MessageIcon::Information, MessageButtons::YesNo) ==
        MessageAnswer::Yes) {
        screenNotBuilt(client, defaultCaption);
        ui.openHelp(kPaBiasDefaultHelpContext);
        return;
    }
    ui.message(kClearToProceed, "NOTE", MessageIcon::Information);
    screenNotBuilt(client, tuningCaption);
}

void highPower(TVantrelMDIClient& client) {
    if (windowStillOpen(client, paBias::kHighPowerKind)) return;
    // The second tuning procedure's radios go straight to the screen, without the supply checks.
    if (client.storage().tuningProcedureVersion() == 2) {
        screenNotBuilt(client, "PA Bias Voltage High Power");
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
    screenNotBuilt(client, "PA Bias Voltage Rx Mode");
}

}  // namespace

void installPaBiasCommands(TVantrelMDIClient& client) {
    client.setWindowCommand(command::kPaBiasHighPower, [&client] { highPower(client); });
    client.setWindowCommand(command::kPaBiasLowPower, [&client] { lowPower(client); });
    client.setWindowCommand(command::kPaBiasRxMode, [&client] { rxMode(client); });
}

}  // namespace vantrel
