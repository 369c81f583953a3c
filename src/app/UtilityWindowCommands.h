#pragma once

#include "utilities/TempCompSession.h"
#include "utilities/bboConfigFileModule.h"

class QWidget;

namespace vantrel {

class TVantrelMDIClient;

// The Utilities menu's window commands: Program Serial No., Baseband Offset Update and the two
// Temp Comp commands, each with its own opening rule, hooked into the client's window commands.
// Owns the baseband offset configuration reader, which keeps the file read until the next
// opening.
class UtilityWindowCommands {
public:
    explicit UtilityWindowCommands(TVantrelMDIClient& client);
    void install();

    void openSerialProgram();
    void openTempComp(TempCompMode mode);
    void openBasebandUpdate();

private:
    // The rule every other window follows: nothing when the window is open already, the
    // "still open" note when another one is.
    bool anotherWindowOpen(int ownKind);
    void showInFrame(QWidget* window, const char* caption, bool closeWhenKindCleared);

    TVantrelMDIClient& client_;
    bboConfigFileModule config_;
};

}  // namespace vantrel
