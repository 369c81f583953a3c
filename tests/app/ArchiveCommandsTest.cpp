#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "app/StatusText.h"
#include "files/fileModule.h"

#include <fstream>

namespace vantrel::testing {
namespace {

using namespace command;

const ShownMessage kInitializeQuestion{"Initialize radio data?", "CONFIRMATION", MessageIcon::Information,
                                       MessageButtons::OkCancel};

class ArchiveCommandsTest : public GuiTest {
protected:
    void SetUp() override { ASSERT_TRUE(startApp()); }

    std::filesystem::path archive(const std::string& name, const std::string& serial, std::int32_t procedure = 1,
                                  std::uint8_t version = 35) {
        radioStorage storage;
        storage.setSerialNumber(serial);
        storage.setModelNumber("H25K416CA1AB120 ");
        storage.setTuningProcedureVersion(procedure);
        storage.setDataVersion(version);
        const auto file = work.path() / name;
        EXPECT_TRUE(fileModule([] { return 77; }).saveArchive(file, storage));
        return file;
    }

    // Load Archive File from the menu, answering the file dialog and the question.
    void loadFromMenu(const std::filesystem::path& file, MessageAnswer answer = MessageAnswer::Ok) {
        ui.files.push_back(file);
        ui.answers.push_back(answer);
        choose(kLoadArchive);
    }

    // Reads the simulated radio, so that radioRead is set.
    void readRadio() {
        putRadio();
        choose(kReadRadio);
        ASSERT_TRUE(client().radioRead());
        ui.clear();
    }

    std::string identity(const std::string& serial, const std::string& model = "H25K416CA1AB120 ") {
        return "Radio Serial No :" + serial + std::string(95, ' ') + "Radio Model No: " + model;
    }
};

TEST_F(ArchiveCommandsTest, LoadAsksForAFileThenForConfirmationAndLoads) {
    loadFromMenu(archive("radio.sfp", "781TKA0101"));
    ASSERT_EQ(ui.events.size(), 3u);
    const FileDialogRequest& dialog = ui.events[0].file;
    EXPECT_EQ(dialog.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(dialog.filter, "Tuner files (*.sfp)|*.sfp|");
    EXPECT_EQ(dialog.defaultExtension, "sfp");
    EXPECT_TRUE(dialog.fileMustExist && dialog.hideReadOnly && dialog.promptBeforeOverwriting);
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{kInitializeQuestion, note("Tuning data has been loaded.", "NOTE")}));
    EXPECT_TRUE(client().archiveLoaded());
    EXPECT_FALSE(client().radioRead());
    EXPECT_TRUE(client().tuningAllowed());
    EXPECT_EQ(statusShown(), identity("781TKA0101"));
    // An image is present: Save and Program All open, the Utilities wait for a radio read.
    EXPECT_TRUE(enabled(kSaveArchive));
    EXPECT_TRUE(enabled(kProgramAll));
    EXPECT_FALSE(enabled(kProgramSerialNumber));
}

TEST_F(ArchiveCommandsTest, CancellingTheFileDialogOrTheQuestionLoadsNothing) {
    ui.files.push_back(std::nullopt);
    choose(kLoadArchive);
    loadFromMenu(archive("radio.sfp", "781TKA0101"), MessageAnswer::Cancel);
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{kInitializeQuestion});
    EXPECT_FALSE(client().archiveLoaded());
    EXPECT_EQ(client().storage().serialNumber(), "NULL      ");
    EXPECT_EQ(statusShown(), kStartStatusText);
}

TEST_F(ArchiveCommandsTest, LoadAfterAReadKeepsTheReadAndARefusedLoadThenForgetsIt) {
    readRadio();
    loadFromMenu(archive("other.sfp", "OTHER00001"));
    EXPECT_TRUE(client().radioRead());
    EXPECT_TRUE(client().archiveLoaded());
    EXPECT_TRUE(enabled(kProgramSerialNumber));

    const auto junk = work.path() / "junk.sfp";
    std::ofstream(junk) << "not an archive at all\n";
    ui.clear();
    loadFromMenu(junk);
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{kInitializeQuestion,
                                         error("Invalid file format!! File is not an *.SFP file", "ERROR")}));
    EXPECT_FALSE(client().radioRead());
    EXPECT_FALSE(client().archiveLoaded());
    EXPECT_EQ(client().storage().serialNumber(), "NULL      ");
    EXPECT_EQ(client().storage().modelNumber(), "NULL            ");
    EXPECT_EQ(statusShown(), kStartStatusText);
    for (int id : {kProgramSerialNumber, kBasebandOffsetUpdate, kTempCompRead, kTempCompWrite, kSaveArchive}) {
        EXPECT_FALSE(enabled(id)) << id;
    }
}

TEST_F(ArchiveCommandsTest, OldArchiveIsRefusedAsIncompatible) {
    loadFromMenu(archive("old.sfp", "781TKA0101"));
    loadFromMenu(archive("v32.sfp", "OLD0000032", 1, 32));
    EXPECT_EQ(ui.messages().back(),
              error("Softpot archive file is incompatible with current version of the Tuner", "ERROR"));
    EXPECT_FALSE(client().archiveLoaded());
    EXPECT_TRUE(client().tuningAllowed());
    EXPECT_EQ(statusShown(), kStartStatusText);
}

TEST_F(ArchiveCommandsTest, ArchiveWithAnotherTuningProcedureBlocksTuningUntilAGoodLoad) {
    loadFromMenu(archive("v3.sfp", "781TKA0101", 3));
    EXPECT_EQ(ui.messages().back(),
              note("Archive file contains invalid Tuning Procedure Version. All tuning operations blocked", "NOTE"));
    EXPECT_FALSE(client().tuningAllowed());
    EXPECT_FALSE(client().archiveLoaded());
    loadFromMenu(archive("v1.sfp", "781TKA0101", 1));
    EXPECT_TRUE(client().tuningAllowed());
    EXPECT_TRUE(client().archiveLoaded());
}

TEST_F(ArchiveCommandsTest, AFileThatCannotBeOpenedChangesNothing) {
    readRadio();
    const std::string status = statusShown();
    loadFromMenu(work.path() / "gone.sfp");
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{kInitializeQuestion, error("Archive File could not be opened!!", "ERROR")}));
    EXPECT_TRUE(client().radioRead());
    EXPECT_EQ(client().storage().serialNumber(), "781TKA0101");
    EXPECT_EQ(statusShown(), status);
}

TEST_F(ArchiveCommandsTest, SaveWritesTheImageAndReportsAFileThatCannotBeWritten) {
    loadFromMenu(archive("radio.sfp", "781TKA0101"));
    ui.clear();
    const auto copy = work.path() / "copy.sfp";
    ui.files.push_back(copy);
    choose(kSaveArchive);
    ASSERT_EQ(ui.events.size(), 2u);
    EXPECT_EQ(ui.events[0].file.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{note("Tuning data has been saved.", "NOTE")});
    radioStorage reloaded;
    EXPECT_EQ(fileModule().loadArchive(copy, reloaded), ArchiveLoadResult::Loaded);
    EXPECT_EQ(reloaded.serialNumber(), "781TKA0101");

    ui.clear();
    ui.files.push_back(work.path() / "no such folder" / "copy.sfp");
    choose(kSaveArchive);
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{error("Archive File could not be saved!!", "ERROR")});
    EXPECT_TRUE(client().archiveLoaded());
}

}  // namespace
}  // namespace vantrel::testing
