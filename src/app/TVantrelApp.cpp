#include "app/TVantrelApp.h"

#include "app/CommandIds.h"
#include "app/Interaction.h"
#include "app/KeyboardHelp.h"
#include "app/RecentFiles.h"
#include "app/ReportPrinting.h"
#include "app/TVantrelFrame.h"
#include "app/TVantrelMDIChild.h"
#include "app/TVantrelMDIClient.h"
#include "link/FileLocations.h"
#include "protocol/cominit.h"
#include "screens/TuningWindowCommands.h"

#include <QApplication>

namespace vantrel {

TVantrelApp::TVantrelApp(CommandLine commandLine, Interaction& ui)
    : commandLine_(std::move(commandLine)),
      ui_(ui),
      keyboardHelp_(std::make_unique<KeyboardHelp>(ui_, openScreenKind_)) {}

TVantrelApp::~TVantrelApp() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(keyboardHelp_.get());
    }
    ui_.setMainWindow(nullptr);
    printing_.reset();
    frame_.reset();
}

bool TVantrelApp::start() {
    // Dialogs and child frames show the program's icon rather than the toolkit's.
    QApplication::setWindowIcon(applicationIcon());
    const FileLocations locations = fileLocations();
    if (!locations.settings.empty()) ensureFolder(locations.settings);
    recentFiles_ = std::make_unique<RecentFiles>(locations.settings / RecentFiles::kSettingsFile);

    // The port check runs while the client is built, before there is a main window to show.
    auto client = std::make_unique<TVantrelMDIClient>(openScreenKind_, locations, ui_);
    if (client->startupRefused()) {
        exitStatus_ = kRefusedStartStatus;
        return false;
    }
    client_ = client.release();
    installTuningCommands(*client_);
    frame_ = std::make_unique<TVantrelFrame>(client_, [this](int command) { dispatch(command); });
    ui_.setMainWindow(frame_.get());
    hookPrinting();
    frame_->showRecentFiles(recentFiles_->entries());
    client_->setDropListener([this](const std::string& path) { recordRecentFile(path); });
    qApp->installEventFilter(keyboardHelp_.get());

    client_->setUp(commandLine_.archiveName());
    frame_->refreshCommands();
    frame_->showMaximized();
    return true;
}

int TVantrelApp::exec() {
    const int status = QApplication::exec();
    shutDown();
    return status;
}

void TVantrelApp::shutDown() {
    if (frame_) frame_->close();
    try {
        cominit conn;
        conn.reset();
    } catch (...) {
        // No radio, a busy port or a radio that does not answer: there is nobody left to tell.
    }
}

// The printer and the print jobs belong to the application; the client runs their commands.
void TVantrelApp::hookPrinting() {
    printing_ = std::make_unique<ReportPrinting>(*client_, *frame_, [this] { dispatch(command::kPrint); });
    client_->setWindowCommand(command::kPrinterSetup, [this] { printing_->printerSetup(); });
    client_->setWindowCommand(command::kPrintPreview, [this] { printing_->printPreview(); });
    client_->setWindowCommand(command::kPrint, [this] { printing_->printFromPreview(); });
}

void TVantrelApp::recordRecentFile(const std::string& path) {
    recentFiles_->record(path);
    if (frame_) frame_->showRecentFiles(recentFiles_->entries());
}

void TVantrelApp::dispatch(int command) {
    if (keyboardHelp_->takeCommand(command)) return;
    if (command == command::kExit) {
        frame_->close();
        return;
    }
    const int recent = command - command::kFirstRecentFile;
    if (recent >= 0 && recent < RecentFiles::kSlots) {
        // Choosing a recent file only moves it to the top; Load Archive File loads archives.
        const auto& entries = recentFiles_->entries();
        if (static_cast<std::size_t>(recent) >= entries.size()) return;
        const std::string chosen = entries[static_cast<std::size_t>(recent)];
        recordRecentFile(chosen);
        return;
    }
    client_->execute(command);
    if (frame_) frame_->refreshCommands();
}

}  // namespace vantrel
