#pragma once

#include "app/CommandLine.h"

#include <memory>
#include <string>

namespace vantrel {

class Interaction;
class KeyboardHelp;
class RecentFiles;
class ReportPrinting;
class TVantrelFrame;
class TVantrelMDIClient;

// The application: builds the main window in the order the program has always started in,
// keeps the recent-files list, the open-window number and keyboard help, routes every command,
// and says goodbye to the radio when it ends.
class TVantrelApp {
public:
    static constexpr int kRefusedStartStatus = -1;

    TVantrelApp(CommandLine commandLine, Interaction& ui);
    ~TVantrelApp();
    TVantrelApp(const TVantrelApp&) = delete;
    TVantrelApp& operator=(const TVantrelApp&) = delete;

    // Builds and shows the main window, loading the archive named on the command line. False
    // when the port check ended the start (the exit status is then kRefusedStartStatus).
    bool start();
    // Runs the message loop until the main window closes, then shuts down.
    int exec();
    // The end step: the radio is sent its reset request; nothing that fails is reported.
    void shutDown();

    int exitStatus() const { return exitStatus_; }

    // Every menu, toolbar and screen command comes through here.
    void dispatch(int command);

    TVantrelFrame* frame() const { return frame_.get(); }
    TVantrelMDIClient* client() const { return client_; }
    RecentFiles& recentFiles() const { return *recentFiles_; }
    KeyboardHelp& keyboardHelp() const { return *keyboardHelp_; }
    int& openScreenKind() { return openScreenKind_; }
    ReportPrinting& printing() const { return *printing_; }

private:
    void recordRecentFile(const std::string& path);
    void hookPrinting();

    CommandLine commandLine_;
    Interaction& ui_;
    int openScreenKind_ = 0;
    int exitStatus_ = 0;
    std::unique_ptr<RecentFiles> recentFiles_;
    std::unique_ptr<KeyboardHelp> keyboardHelp_;
    TVantrelMDIClient* client_ = nullptr;  // owned by the frame once it exists
    std::unique_ptr<TVantrelFrame> frame_;
    std::unique_ptr<ReportPrinting> printing_;
};

}  // namespace vantrel
