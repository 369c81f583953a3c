// The real file dialogs of Load and Save Archive File, built and driven offscreen.

#include "GuiFixture.h"
#include "ModalDriver.h"

#include "app/CommandIds.h"
#include "app/QtInteraction.h"
#include "files/fileModule.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <fstream>
#include <sstream>

namespace vantrel::testing {
namespace {

using namespace command;

struct DialogCase {
    FileDialogRequest::Mode mode;
    QFileDialog::AcceptMode acceptMode;
    QFileDialog::FileMode fileMode;
};

TEST(ArchiveFileDialogTest, OpenNeedsAnExistingFileAndSaveTakesAnyNameAndAsksBeforeOverwriting) {
    const DialogCase cases[] = {
        {FileDialogRequest::Mode::Open, QFileDialog::AcceptOpen, QFileDialog::ExistingFile},
        {FileDialogRequest::Mode::Save, QFileDialog::AcceptSave, QFileDialog::AnyFile},
    };
    for (const DialogCase& c : cases) {
        QFileDialog dialog;
        QtInteraction::configureFileDialog(dialog, TVantrelMDIClient::archiveDialog(c.mode));
        SCOPED_TRACE(c.acceptMode == QFileDialog::AcceptOpen ? "open" : "save");
        EXPECT_EQ(dialog.acceptMode(), c.acceptMode);
        EXPECT_EQ(dialog.fileMode(), c.fileMode);
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("sfp"));
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Tuner files (*.sfp)")});
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    }
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Save Archive File through the toolkit's own save dialog: the technician types a name and, for
// a file that is there, answers the dialog's overwrite question.
class SaveDialogTest : public GuiTest {
protected:
    void SetUp() override {
        startWithRadioRead();
        ui.fileDialog = [this](const FileDialogRequest& request) { return real.chooseFile(request); };
    }

    // Types `name` into the save dialog and accepts; `overwrite` answers the question if it comes,
    // and when it is No the still open dialog is then cancelled.
    void saveAs(const std::string& name, std::optional<QMessageBox::StandardButton> overwrite = std::nullopt) {
        const QString folderShown = QString::fromStdString(work.path().string());
        const QString typed = QString::fromStdString(name);
        whenModal<QFileDialog>([this, folderShown, typed, overwrite](QFileDialog& dialog) {
            if (overwrite) {
                whenModal<QMessageBox>([this, overwrite](QMessageBox& question) {
                    questionShown = question.text().toStdString();
                    question.button(*overwrite)->click();
                    if (*overwrite == QMessageBox::No) whenModal<QFileDialog>([](QFileDialog& d) { d.reject(); });
                });
            }
            dialog.setDirectory(folderShown);
            QLineEdit* typing = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(typing, nullptr);
            typing->setText(typed);
            static_cast<QDialog&>(dialog).accept();  // as the Save button does
        });
        choose(kSaveArchive);
    }

    QtInteraction real;
    std::string questionShown;
};

TEST_F(SaveDialogTest, NewNameIsCreatedWithTheArchiveExtension) {
    saveAs("new-radio");
    const auto saved = work.path() / "new-radio.sfp";
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{note("Tuning data has been saved.", "NOTE")});
    radioStorage back;
    EXPECT_EQ(fileModule([] { return 0; }).loadArchive(saved, back), ArchiveLoadResult::Loaded);
    EXPECT_EQ(back.serialNumber(), client().storage().serialNumber());
}

TEST_F(SaveDialogTest, ExistingFileIsReplacedOnlyWhenTheTechnicianSaysYes) {
    const auto target = work.path() / "radio.sfp";
    std::ofstream(target) << "an older archive";

    saveAs("radio.sfp", QMessageBox::No);
    EXPECT_NE(questionShown.find("already exists"), std::string::npos) << questionShown;
    EXPECT_EQ(contents(target), "an older archive");
    EXPECT_TRUE(ui.messages().empty());

    questionShown.clear();
    saveAs("radio.sfp", QMessageBox::Yes);
    EXPECT_FALSE(questionShown.empty());
    EXPECT_NE(contents(target), "an older archive");
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{note("Tuning data has been saved.", "NOTE")});
}

}  // namespace
}  // namespace vantrel::testing
