#include "GuiFixture.h"

#include "app/IniFile.h"
#include "app/StatusText.h"
#include "app/TCommSetupDialog.h"
#include "files/fileModule.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>

namespace vantrel::testing {
namespace {

class StartupTest : public GuiTest {
protected:
    // An archive of a radio with the given serial number, written as the program writes them.
    std::filesystem::path archiveOf(const std::string& serial, const std::string& name) {
        radioStorage storage;
        storage.setSerialNumber(serial);
        storage.setModelNumber("H25K416CA1AB120 ");
        storage.setTuningProcedureVersion(1);
        storage.setDataVersion(35);
        const std::filesystem::path file = work.path() / name;
        EXPECT_TRUE(fileModule([] { return 1234; }).saveArchive(file, storage));
        return file;
    }
};

TEST_F(StartupTest, NoComIniShowsThePortDialogBeforeTheMainWindowAndCancelEndsWithMinusOne) {
    bool windowExistedAtDialog = true;
    ui.onShow = [&](const RecordingInteraction::Event& e) {
        if (e.kind == RecordingInteraction::Kind::Dialog) windowExistedAtDialog = app->frame() != nullptr;
    };
    EXPECT_FALSE(startApp({}, false));
    EXPECT_FALSE(windowExistedAtDialog);
    EXPECT_EQ(ui.dialogTitles(), std::vector<std::string>{"User COM Port Selection"});
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{error("COM.INI could not be created. Exiting Application",
                                                             "COM PORT INITIALIZATION ERROR")});
    EXPECT_EQ(app->exitStatus(), -1);
    EXPECT_EQ(app->frame(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "com.ini"));
    // The settings file was written before the port check.
    EXPECT_EQ(IniFile(work.path() / "Vantrel.ini").read("MRU", "Count"), "4");
}

TEST_F(StartupTest, ChoosingAPortInTheStartDialogStartsTheProgram) {
    ui.dialogs.push_back([](QDialog& dialog) {
        auto& ports = static_cast<TCommSetupDialog&>(dialog);
        EXPECT_EQ(ports.statusLine()->text().toStdString(), "COM Port profile is not currently configured");
        ports.portBox(2)->click();
        EXPECT_EQ(ports.statusLine()->text().toStdString(), "COM Port 2 currently selected");
        ports.applyButton()->click();
        return dialog.result();
    });
    ASSERT_TRUE(startApp({}, false));
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(readPortNumber(), 2);
    // The check opened the chosen port once and closed it again.
    EXPECT_EQ(opener.requested, std::vector<std::int32_t>{2});
    EXPECT_EQ(opener.closed, 1);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(client().tuningAllowed());
}

TEST_F(StartupTest, APortThatDoesNotOpenAtStartIsNotReported) {
    opener.refuse = true;
    ASSERT_TRUE(startApp());
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(frame().isVisible());
}

TEST_F(StartupTest, ArchiveNamedOnTheCommandLineIsLoadedWithoutTheQuestion) {
    const auto file = archiveOf("781TKA0101", "start up.sfp");
    bool windowVisibleAtMessage = true;
    ui.onShow = [&](const RecordingInteraction::Event&) { windowVisibleAtMessage = app->frame()->isVisible(); };
    // Unquoted, a path with a blank arrives as two arguments; they are joined again.
    ASSERT_TRUE(startApp(file.parent_path().string() + "/start up.sfp "));
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{note("Tuning data has been loaded.", "NOTE")});
    EXPECT_FALSE(windowVisibleAtMessage);
    EXPECT_TRUE(client().archiveLoaded());
    EXPECT_FALSE(client().radioRead());
    EXPECT_EQ(statusShown(), "Radio Serial No :781TKA0101" + std::string(95, ' ') + "Radio Model No: H25K416CA1AB120 ");
}

TEST_F(StartupTest, ArgumentNamingNoFileLeavesTheStartState) {
    ASSERT_TRUE(startApp((work.path() / "missing.sfp").string() + " "));
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{error("Archive File could not be opened!!", "ERROR")});
    EXPECT_EQ(statusShown(), kStartStatusText);
    EXPECT_FALSE(client().archiveLoaded());
}

TEST_F(StartupTest, RefusedStartUpLoadKeepsTheStatusTextButNotTheArchiveFlag) {
    const auto file = work.path() / "old.sfp";
    {
        radioStorage storage;
        storage.setSerialNumber("OLDRADIO01");
        storage.setTuningProcedureVersion(7);
        storage.setDataVersion(35);
        ASSERT_TRUE(fileModule([] { return 5; }).saveArchive(file, storage));
    }
    ASSERT_TRUE(startApp(file.string() + " "));
    EXPECT_EQ(ui.messages(),
              std::vector<ShownMessage>{note(
                  "Archive file contains invalid Tuning Procedure Version. All tuning operations blocked", "NOTE")});
    EXPECT_FALSE(client().archiveLoaded());
    EXPECT_FALSE(client().tuningAllowed());
    EXPECT_EQ(statusShown(), kStartStatusText);
}

TEST_F(StartupTest, SettingsFileHoldsCountFourAfterEveryStart) {
    ASSERT_TRUE(startApp());
    app.reset();
    {
        std::ofstream ini(work.path() / "Vantrel.ini", std::ios::trunc);
        ini << "[MRU]\nCount=2\nMRU0=/a.sfp\n";
    }
    ASSERT_TRUE(startApp());
    EXPECT_EQ(IniFile(work.path() / "Vantrel.ini").read("MRU", "Count"), "4");
    EXPECT_EQ(IniFile(work.path() / "Vantrel.ini").read("MRU", "MRU0"), "/a.sfp");
}

TEST_F(StartupTest, EndStepSendsTheRadioItsResetAndIgnoresFailures) {
    putRadio();
    ASSERT_TRUE(startApp());
    radio->clearLog();
    app->shutDown();
    const auto log = radio->log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].frame, (std::vector<std::uint8_t>{0xF1, 0x10, 0xFE}));
    EXPECT_FALSE(frame().isVisible());

    // No radio at all: the end step still returns, saying nothing.
    peer.reset();
    ui.clear();
    app->shutDown();
    opener.refuse = true;
    app->shutDown();
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
}  // namespace vantrel::testing
