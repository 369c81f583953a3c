// vantrel: the desktop program.
//
//   vantrel [ARCHIVE]
//
// All arguments, joined by blanks, name an archive (*.sfp) to load at start.

#include "app/CommandLine.h"
#include "app/QtInteraction.h"
#include "app/TVantrelApp.h"
#include "link/ProgramDirectory.h"

#include <QApplication>

#include <system_error>

int main(int argc, char** argv) {
    // The toolkit takes its own options (-platform, -style) out of the arguments first, so that
    // only what the technician passed is read as an archive name.
    QApplication application(argc, argv);

    std::error_code ignored;
    const vantrel::CommandLine line = vantrel::parseCommandLine(argc, argv, std::filesystem::current_path(ignored));
    if (!line.programDirectory.empty()) vantrel::setProgramDirectory(line.programDirectory);

    vantrel::QtInteraction ui;
    vantrel::TVantrelApp app(line, ui);
    if (!app.start()) return app.exitStatus();
    return app.exec();
}
