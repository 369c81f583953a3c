#include "app/UtilityWindowCommands.h"

#include "app/AppMessages.h"
#include "app/CommandIds.h"
#include "app/TBasebandUpdateWindow.h"
#include "app/TSerialProgramWindow.h"
#include "app/TTempCompWindow.h"
#include "app/TVantrelMDIChild.h"
#include "app/TVantrelMDIClient.h"
#include "utilities/bboMatching.h"
#include "utilities/utilityMessages.h"

namespace vantrel {

UtilityWindowCommands::UtilityWindowCommands(TVantrelMDIClient& client) : client_(client) {}

void UtilityWindowCommands::install() {
    using namespace command;
    client_.setWindowCommand(kProgramSerialNumber, [this] { openSerialProgram(); });
    client_.setWindowCommand(kTempCompRead, [this] { openTempComp(TempCompMode::Read); });
    client_.setWindowCommand(kTempCompWrite, [this] { openTempComp(TempCompMode::Write); });
    client_.setWindowCommand(kBasebandOffsetUpdate, [this] { openBasebandUpdate(); });
}

bool UtilityWindowCommands::anotherWindowOpen(int ownKind) {
    const int open = client_.openScreenKind();
    if (open == 0) return false;
    if (open != ownKind) {
        client_.interaction().message(messages::kWindowStillOpen.text, messages::kWindowStillOpen.caption,
                                      MessageIcon::Information);
    }
    return true;
}

void UtilityWindowCommands::showInFrame(QWidget* window, const char* caption, bool closeWhenKindCleared) {
    auto* frame = new TVantrelMDIChild(window, QString::fromLatin1(caption));
    client_.addSubWindow(frame);
    frame->show();
    if (closeWhenKindCleared && client_.openScreenKind() == 0) delete frame;
}

void UtilityWindowCommands::openSerialProgram() {
    if (anotherWindowOpen(SerialProgramSession::kKind)) return;
    TSerialProgramWindow* window = nullptr;
    try {
        window = new TSerialProgramWindow(client_.storage(), client_.operations(), client_.interaction(),
                                          client_.openScreenKind());
    } catch (const RadioChangedError&) {
        if (messages::tell(client_.interaction(), messages::kRadioChangedQuestion) == MessageAnswer::Ok) {
            client_.runReadRadio();
        }
        return;
    }
    // The frame stays even when the opening check failed: the technician may try Update.
    showInFrame(window, "Program Radio Serial No.", false);
}

void UtilityWindowCommands::openTempComp(TempCompMode mode) {
    switch (TempCompSession::opening(client_.openScreenKind(), mode)) {
        case TempCompSession::Opening::AlreadyOpen:
            return;
        case TempCompSession::Opening::Refused:
            messages::tell(client_.interaction(), TempCompSession::refusal(mode));
            return;
        case TempCompSession::Opening::Open:
            break;
    }
    client_.openScreenKind() = TempCompSession::kindOf(mode);
    auto* window = new TTempCompWindow(client_.storage(), client_.interaction(), client_.openScreenKind(), mode);
    showInFrame(window, mode == TempCompMode::Read ? "Read Temp Comp" : "Write Temp Comp", true);
}

void UtilityWindowCommands::openBasebandUpdate() {
    if (anotherWindowOpen(BasebandUpdateSession::kKind)) return;
    if (!prepareBasebandUpdate(client_.storage(), config_, client_.interaction())) return;
    auto* window = new TBasebandUpdateWindow(client_.storage(), client_.interaction(), client_.openScreenKind(),
                                             [this] { client_.runReadRadio(); });
    showInFrame(window, "Update Baseband Offset", true);
}

}  // namespace vantrel
