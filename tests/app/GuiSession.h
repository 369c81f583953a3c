#pragma once

#include "RecordingInteraction.h"
#include "app/CommandLine.h"
#include "app/TVantrelApp.h"
#include "app/TVantrelFrame.h"
#include "app/TVantrelMDIClient.h"
#include "link/PortConfigurationFile.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "support/RadioProfiles.h"
#include "support/ScopedProgramDirectory.h"
#include "support/ScratchDirectory.h"
#include "support/VirtualPortOpener.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vantrel::testing {

// A working directory of its own for the life of a session: Read Radio moves the working
// directory to the program folder, and the settings file is named relative to it.
class ScopedWorkingDirectory {
public:
    ScopedWorkingDirectory() {
        std::error_code ignored;
        before_ = std::filesystem::current_path(ignored);
        std::filesystem::current_path(folder_.path());
    }
    ~ScopedWorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(before_, ignored);
    }
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return folder_.path(); }

private:
    std::filesystem::path before_;
    ScratchDirectory folder_{"work"};
};

// The whole desktop program, offscreen, with a scripted technician and a simulated radio on a
// virtual line behind the port opener: what the GUI tests and the screenshot program drive.
class GuiSession {
public:
    // Puts a radio from a profile on the line; `adjust` may change the profile first.
    void putRadio(const std::string& profile = "portable-v1.json",
                  const std::function<void(sim::RadioProfile&)>& adjust = {}) {
        sim::RadioProfile loaded = sim::loadRadioProfile(radioProfilePath(profile));
        if (adjust) adjust(loaded);
        peer.reset();
        radio.emplace(loaded);
        peer.emplace(*radio, opener.line);
    }

    // Starts the program with a port configured (unless told otherwise) and the arguments given.
    bool startApp(const std::string& commandText = {}, bool configurePort = true) {
        if (configurePort) writePortNumber(1);
        CommandLine line;
        line.commandText = commandText;
        app = std::make_unique<TVantrelApp>(line, ui);
        return app->start();
    }

    TVantrelMDIClient& client() { return *app->client(); }
    TVantrelFrame& frame() { return *app->frame(); }

    // Chooses a command as the technician does: through its menu item (a disabled one does
    // nothing).
    void choose(int command) {
        frame().refreshCommands();
        QAction* item = frame().action(command);
        if (item == nullptr) throw std::logic_error("no menu item for command " + std::to_string(command));
        item->trigger();
    }
    bool enabled(int command) {
        frame().refreshCommands();
        return frame().action(command)->isEnabled();
    }

    // Lets timers and posted events run.
    static void settle(int ms = 40) { QTest::qWait(ms); }

    std::string statusShown() { return frame().statusField()->text().toStdString(); }

    ScopedWorkingDirectory work;
    ScopedProgramDirectory folder;
    VirtualPortOpener opener;
    std::optional<sim::SimRadio> radio;
    std::optional<sim::VirtualLineRadio> peer;
    RecordingInteraction ui;
    std::unique_ptr<TVantrelApp> app;
};

}  // namespace vantrel::testing
