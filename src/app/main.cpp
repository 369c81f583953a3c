// vantrel: the desktop program.
//
//   vantrel [ARCHIVE]
//
// All arguments, joined by blanks, name an archive (*.sfp) to load at start.

#include "app/CommandLine.h"
#include "app/QtInteraction.h"
#include "app/TVantrelApp.h"
#include "link/FileLocations.h"
#include "link/ProgramDirectory.h"

#include <QApplication>

#include <cstdio>
#include <optional>
#include <string_view>
#include <system_error>

namespace {

constexpr const char* kHelp =
    "Usage: vantrel [ARCHIVE]\n"
    "\n"
    "The Vantrel desktop program: read, tune and program a two-way radio on a serial port.\n"
    "ARCHIVE (*.sfp) is loaded at start; every argument, joined by blanks, names it.\n"
    "The port is COM n of com.ini; on Linux COM n is the link comN beside it, else\n"
    "/dev/ttyS(n-1).\n"
    "\n"
    "  -h, --help     show this text\n"
    "      --version  show the version\n"
    "\n"
    "vantrel-cli does the same work without a display.\n\n";

// Answered before the toolkit starts, which would abort without a display; only as the one
// argument, so an archive of any other name still loads.
std::optional<int> answerWithoutWindow(int argc, char** argv) {
    if (argc != 2) return std::nullopt;
    const std::string_view word = argv[1];
    if (word == "--help" || word == "-h") {
        std::fputs(kHelp, stdout);
        std::fputs(vantrel::describeFileLocations(vantrel::fileLocations()).c_str(), stdout);
        return 0;
    }
    if (word == "--version") {
        std::puts("vantrel " VANTREL_VERSION);
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = answerWithoutWindow(argc, argv)) return *status;
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
