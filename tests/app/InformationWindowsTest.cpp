#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "app/DialogUnits.h"
#include "app/TCommSetupDialog.h"
#include "app/TRadioInfoDialog.h"
#include "app/TVantrelAboutDlg.h"
#include "app/autoTuneDialog.h"
#include "app/tunerSetupWindow.h"
#include "files/fileModule.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <fstream>

namespace vantrel::testing {
namespace {

using namespace command;

class InformationWindowsTest : public GuiTest {
protected:
    void SetUp() override {
        for (const char* picture : {"portablesetup.bmp", "mobilesetup.bmp"}) {
            std::filesystem::copy_file(std::filesystem::path(VANTREL_BIN_DIR) / picture, folder.path() / picture);
        }
        ASSERT_TRUE(startApp());
    }

    // Runs the next dialog through `look`, which reads it and returns its result.
    template <typename Dialog>
    void expectDialog(std::function<void(Dialog&)> look) {
        ui.dialogs.push_back([look](QDialog& dialog) {
            look(static_cast<Dialog&>(dialog));
            return int(QDialog::Accepted);
        });
    }

    std::vector<std::string> openFrames() {
        std::vector<std::string> captions;
        for (const QMdiSubWindow* child : client().subWindowList()) {
            if (child->isVisible()) captions.push_back(child->windowTitle().toStdString());
        }
        return captions;
    }
};

TEST_F(InformationWindowsTest, RadioInformationShowsTheIdentityInMemory) {
    expectDialog<TRadioInfoDialog>([](TRadioInfoDialog& d) {
        EXPECT_EQ(d.serialField()->text().toStdString(), "NULL      ");
        EXPECT_EQ(d.modelField()->text().toStdString(), "NULL            ");
        EXPECT_TRUE(d.serialField()->isReadOnly());
    });
    choose(kRadioHardwareInformation);

    putRadio("portable-v1.json", [](sim::RadioProfile& p) { p.plan.receive.fill(0); });
    choose(kReadRadio);
    expectDialog<TRadioInfoDialog>(
        [](TRadioInfoDialog& d) { EXPECT_EQ(d.serialField()->text().toStdString(), "Invalid"); });
    choose(kRadioHardwareInformation);
    EXPECT_EQ(ui.dialogTitles(), (std::vector<std::string>{"Radio Information", "Radio Information"}));
    EXPECT_TRUE(ui.dialogs.empty());
}

TEST_F(InformationWindowsTest, AboutShowsTheReleaseOfThisBuild) {
    expectDialog<TVantrelAboutDlg>([](TVantrelAboutDlg& d) {
        QStringList lines;
        for (const QLabel* label : d.findChildren<QLabel*>()) lines << label->text();
        EXPECT_EQ(lines.join('|').toStdString(),
                  "Vantrel|Version " VANTREL_TEST_VERSION "|" + TVantrelAboutDlg::dateLine().toStdString());
    });
    choose(kAbout);
    EXPECT_EQ(ui.dialogTitles(), std::vector<std::string>{"About Vantrel"});
    EXPECT_NE(TVantrelAboutDlg::dateLine(), QStringLiteral("Date unknown"));
}

TEST_F(InformationWindowsTest, OneSetupPictureAtATime) {
    choose(kPortableRadioSetup);
    EXPECT_EQ(app->openScreenKind(), 41);
    EXPECT_TRUE(client().setupPictureOpen());
    EXPECT_EQ(openFrames(), std::vector<std::string>{"Radio Setup"});
    const auto* picture = client().subWindowList().front()->widget();
    EXPECT_TRUE(static_cast<const tunerSetupWindow*>(picture)->hasPicture());

    choose(kPortableRadioSetup);
    EXPECT_EQ(openFrames().size(), 1u);
    EXPECT_TRUE(ui.messages().empty());
    choose(kMobileRadioSetup);
    EXPECT_EQ(ui.messages(),
              std::vector<ShownMessage>{note("Current window still open! Please close first!", " NOTE")});
    // F1 over a setup picture opens the contents.
    QTest::keyClick(&frame(), Qt::Key_F1);
    EXPECT_EQ(ui.helpRequests(), std::vector<std::optional<int>>{std::nullopt});
    // Load and Read wait until it is closed.
    EXPECT_FALSE(enabled(kReadRadio));

    client().closeAllSubWindows();
    settle();
    EXPECT_EQ(app->openScreenKind(), 0);
    EXPECT_FALSE(client().setupPictureOpen());
    EXPECT_TRUE(enabled(kReadRadio));
    choose(kMobileRadioSetup);
    EXPECT_EQ(app->openScreenKind(), 42);
}

TEST_F(InformationWindowsTest, AnotherWindowKindBlocksTheSetupPictures) {
    app->openScreenKind() = 9;
    choose(kMobileRadioSetup);
    EXPECT_EQ(ui.messages(),
              std::vector<ShownMessage>{note("Current window still open! Please close first!", " NOTE")});
    EXPECT_TRUE(openFrames().empty());
    EXPECT_FALSE(client().setupPictureOpen());
    app->openScreenKind() = 0;
}

TEST_F(InformationWindowsTest, SetupPictureClosesAtOnceWhileTuningIsBlocked) {
    client().setTuningAllowed(false);
    choose(kPortableRadioSetup);
    settle();
    EXPECT_TRUE(openFrames().empty());
    EXPECT_EQ(app->openScreenKind(), 0);
    EXPECT_FALSE(client().setupPictureOpen());
}

TEST_F(InformationWindowsTest, MissingPictureSaysWhichFile) {
    std::filesystem::remove(folder.path() / "mobilesetup.bmp");
    choose(kMobileRadioSetup);
    ASSERT_EQ(openFrames().size(), 1u);
    const auto* window = static_cast<const tunerSetupWindow*>(client().subWindowList().front()->widget());
    EXPECT_FALSE(window->hasPicture());
    const QString shown = window->findChild<QLabel*>()->text();
    EXPECT_TRUE(shown.contains(QStringLiteral("mobilesetup.bmp"))) << shown.toStdString();
}

TEST_F(InformationWindowsTest, PortDialogShowsTheConfiguredPortAndWritesOnlyOnApply) {
    writePortNumber(3);
    expectDialog<TCommSetupDialog>([](TCommSetupDialog& d) {
        EXPECT_TRUE(d.portBox(3)->isChecked());
        EXPECT_EQ(d.statusLine()->text().toStdString(), "COM Port 3 currently selected");
        EXPECT_EQ(d.portBox(1)->text().toStdString(), "    COM 1");
        EXPECT_EQ(d.applyButton()->text().toStdString(), "Apply ");
        EXPECT_TRUE(d.cancelButton()->isDefault());
        d.portBox(1)->click();
        EXPECT_TRUE(d.portBox(1)->isChecked());
        EXPECT_FALSE(d.portBox(3)->isChecked());
        EXPECT_EQ(d.statusLine()->text().toStdString(), "COM Port 1 currently selected");
        // Clicking it again clears its mark, but the selection stays.
        d.portBox(1)->click();
        EXPECT_FALSE(d.portBox(1)->isChecked());
        EXPECT_EQ(d.selection(), 1);
        d.cancelButton()->click();
    });
    choose(kCommunicationSettings);
    EXPECT_EQ(readPortNumber(), 3);

    expectDialog<TCommSetupDialog>([](TCommSetupDialog& d) {
        d.portBox(4)->click();
        d.applyButton()->click();
    });
    choose(kCommunicationSettings);
    EXPECT_EQ(readPortNumber(), 4);
    std::ifstream file(folder.path() / "com.ini", std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()),
              "COM Port Id :4\n ");
}

// The width the line edit leaves its text, as it paints it: its contents less the small margin
// it keeps on each side.
int textRoom(const QLineEdit& line) {
    QStyleOptionFrame frame;
    frame.initFrom(&line);
    frame.lineWidth = line.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &line);
    constexpr int kLineEditMargin = 2;
    return line.style()->subElementRect(QStyle::SE_LineEditContents, &frame, &line).width() - 2 * kLineEditMargin;
}

TEST_F(InformationWindowsTest, PortDialogShowsEveryStatusTextWholeAtCommonFontSizes) {
    const QFont before = QApplication::font();
    for (const int points : {8, 10, 12, 16}) {
        QFont font = before;
        font.setPointSize(points);
        QApplication::setFont(font);
        for (const int selection : {-1, 1, 2, 3, 4}) {
            std::filesystem::remove(folder.path() / "com.ini");
            if (selection != -1) writePortNumber(selection);
            TCommSetupDialog dialog;
            dialog.show();
            settle(0);
            const QString text = dialog.statusLine()->text();
            EXPECT_EQ(text, TCommSetupDialog::statusText(selection));
            EXPECT_LE(dialog.statusLine()->fontMetrics().horizontalAdvance(text), textRoom(*dialog.statusLine()))
                << points << " points: " << text.toStdString();
        }
    }
    QApplication::setFont(before);
}

TEST_F(InformationWindowsTest, AboutIsSizedInDialogUnitsAndShowsItsLinesWhole) {
    TVantrelAboutDlg about;
    about.show();
    settle(0);
    const QSize units =
        dialogUnitsToPixels(about.font(), TVantrelAboutDlg::kWidthUnits, TVantrelAboutDlg::kHeightUnits);
    EXPECT_EQ(about.size(), units.expandedTo(about.sizeHint()));
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
}

TEST_F(InformationWindowsTest, PortDialogWithANumberOutsideItsBoxes) {
    std::ofstream(folder.path() / "com.ini") << "COM Port Id :7\n ";
    TCommSetupDialog dialog;
    for (int port = 1; port <= 4; ++port) EXPECT_FALSE(dialog.portBox(port)->isChecked());
    EXPECT_TRUE(dialog.statusLine()->text().isEmpty());
    dialog.applyButton()->click();
    EXPECT_EQ(readPortNumber(), 7) << "Apply writes back the number it read";
}

TEST_F(InformationWindowsTest, AutoTuneWaitDialogStaysUntilItsOwnerDestroysIt) {
    auto* wait = new autoTuneDialog(&frame());
    wait->show();
    EXPECT_EQ(wait->windowTitle().toStdString(), "Please Wait.... Auto Tuning....");
    EXPECT_EQ(wait->findChild<QLabel*>()->text().toStdString(), "Please wait.... Currently radio is Auto Tuning...");
    EXPECT_TRUE(wait->findChildren<QPushButton*>().isEmpty());
    QTest::keyClick(wait, Qt::Key_Escape);
    wait->close();
    EXPECT_TRUE(wait->isVisible());
    delete wait;
}

TEST_F(InformationWindowsTest, AWindowCommandCanBeReplaced) {
    // Front End Filter is enabled once a portable was read and opens its screen without a word.
    putRadio();
    choose(kReadRadio);
    ui.clear();
    choose(kFrontEndFilter);
    EXPECT_TRUE(ui.messages().empty());
    int opened = 0;
    client().setWindowCommand(kFrontEndFilter, [&opened] { ++opened; });
    choose(kFrontEndFilter);
    EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace vantrel::testing
