#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "app/MenuLayout.h"
#include "app/RecentFiles.h"
#include "app/StatusText.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include <fstream>
#include <sstream>

namespace vantrel::testing {
namespace {

using namespace command;

// The menu as text: one line per item, indented per popup level; "-" is a separator, ">" a
// popup.
void dumpMenu(const QMenu* menu, int depth, std::ostringstream& out) {
    for (const QAction* item : menu->actions()) {
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
        if (item->isSeparator()) {
            out << "-\n";
        } else if (item->menu() != nullptr) {
            out << ">" << item->text().toStdString() << "\n";
            dumpMenu(item->menu(), depth + 1, out);
        } else {
            out << item->text().toStdString() << "\n";
        }
    }
}

std::string dumpMenuBar(const QMenuBar* bar) {
    std::ostringstream out;
    for (const QAction* popup : bar->actions()) {
        out << ">" << popup->text().toStdString() << "\n";
        dumpMenu(popup->menu(), 1, out);
    }
    return out.str();
}

QMenu* fileMenu(TVantrelFrame& frame) { return frame.menuBar()->actions().front()->menu(); }

class MainFrameTest : public GuiTest {
protected:
    // The toolkit delivers drops only while a real drag runs; what the drop does is tested.
    void dropArchive(const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        client().takeDroppedFiles(&data);
    }
};

TEST_F(MainFrameTest, MenuBarHoldsEveryItemSeparatorAndPopupInOrder) {
    ASSERT_TRUE(startApp());
    EXPECT_EQ(dumpMenuBar(frame().menuBar()),
              ">&File\n"
              "  &Load Archive File\n  &Save Archive File\n  -\n"
              "  Read Radio &Information and Softpots\n  Program &All\n  -\n"
              "  &Printer Setup\n  P&rint/Printout Preview\n  -\n"
              "  E&xit\tAlt+F4\n"
              ">&Rx Align\n"
              "  &Front End Filter\n  -\n"
              "  >&Rated Volume\n    &Carrier Squelch\n    &Sollen\n  -\n"
              "  >&Squelch Attn. \n    &Squelch Attn.12.5KHz\n    S&quelch Attn. 20KHz\n    Sq&uelch Attn 25KHz\n  -\n"
              "  RSS&I \n"
              ">&Tx Align\n"
              "  Batt&ery Threshold\n  -\n"
              "  >&PA Bias \n    &High Power\n    &Low Power\n    &Rx Mode\n  -\n"
              "  &DAC\n  &K and M Tuning\n  -\n"
              "  &Reference Oscillator Warp\n  -\n"
              "  P&A Voltage Limit\n  -\n"
              "  Mod. &Balance Attn.\n  -\n"
              "  >&Transmit Power\n    &High \n    &Low\n  -\n"
              "  >&VCO Attn.\n    &VCO Attn. 12.5KHz\n    VCO &Attn. 20KHz\n    VCO Att&n. 25KHz\n  -\n"
              "  &DTMF Deviation\n  &Dalmor Signalling\n  -\n"
              "  &High Speed Trunking Signalling\n  &Select 5 Signalling\n  MPT1327 Si&gnalling \n"
              ">&Options\n"
              "  &Communication Settings\n"
              ">&Utilities\n"
              "  &Program Serial No.\n  &Baseband Offset Update\n  -\n"
              "  Temp Comp Data Rea&d\n  Temp Comp Data Wr&ite\n"
              ">&Window\n"
              "  >&Window\n    &Cascade\n    &Tile\n    Arrange &Icons\n    C&lose All\n"
              "  &Cascade\n  &Tile\n  Arrange &Icons\n  C&lose All\n"
              ">&Help\n"
              "  &Portable Radio Setup   \n  &Mobile Radio Setup\n  &Radio Hardware Information\n  -\n"
              "  &About...\n");
}

TEST_F(MainFrameTest, CaptionToolbarAndStatusBarAtStart) {
    ASSERT_TRUE(startApp());
    EXPECT_EQ(frame().windowTitle().toStdString(), "Vantrel              ");
    EXPECT_TRUE(frame().isMaximized());
    EXPECT_EQ(statusShown(), kStartStatusText);

    EXPECT_EQ(frame().toolBar()->windowTitle().toStdString(), "Toolbar");
    std::vector<int> buttons;
    for (QAction* button : frame().toolBar()->actions()) {
        if (button->isSeparator()) {
            EXPECT_TRUE(frame().toolBar()->widgetForAction(button)->isVisible()) << "separator " << buttons.size();
            buttons.push_back(0);
            continue;
        }
        if (button->data().isNull()) continue;  // the blank that keeps two separators apart
        buttons.push_back(button->data().toInt());
        EXPECT_FALSE(button->icon().isNull()) << button->data().toInt();
        EXPECT_EQ(button->statusTip().toStdString(), hintText(button->data().toInt()).value_or(""));
    }
    EXPECT_EQ(buttons, (std::vector<int>{kLoadArchive, kSaveArchive, kReadRadio, kProgramAll, 0, 0, kPrintPreview, 0,
                                         kCommunicationSettings, 0, kProgramSerialNumber}));
    // A button follows its command's rule.
    EXPECT_TRUE(frame().action(kLoadArchive)->isEnabled());
    EXPECT_FALSE(frame().action(kSaveArchive)->isEnabled());
    EXPECT_FALSE(frame().action(kProgramSerialNumber)->isEnabled());
}

TEST_F(MainFrameTest, HighlightedMenuItemShowsItsHintUntilTheMenuCloses) {
    ASSERT_TRUE(startApp());
    QMenu* file = fileMenu(frame());
    file->popup(QPoint(10, 10));
    settle();
    file->setActiveAction(frame().action(kReadRadio));
    settle();
    EXPECT_EQ(frame().statusBar()->currentMessage().toStdString(), "Reads all radio particulars into memory");

    // Items without a hint leave the field blank rather than showing the status text.
    QMenu* help = frame().menuBar()->actions().back()->menu();
    file->hide();
    help->popup(QPoint(10, 10));
    settle();
    help->setActiveAction(frame().action(kPortableRadioSetup));
    settle();
    EXPECT_EQ(frame().statusBar()->currentMessage().trimmed().toStdString(), "");
    EXPECT_FALSE(frame().statusBar()->currentMessage().isEmpty());

    help->hide();
    settle();
    EXPECT_TRUE(frame().statusBar()->currentMessage().isEmpty());
    EXPECT_EQ(statusShown(), kStartStatusText);
}

TEST_F(MainFrameTest, GreyedMenuItemShowsItsOwnHint) {
    ASSERT_TRUE(startApp());
    QMenu* file = fileMenu(frame());
    file->popup(QPoint(10, 10));
    settle();
    file->setActiveAction(frame().action(kReadRadio));
    settle();
    ASSERT_FALSE(frame().action(kSaveArchive)->isEnabled());
    QMouseEvent move(QEvent::MouseMove, file->actionGeometry(frame().action(kSaveArchive)).center(),
                     file->mapToGlobal(file->actionGeometry(frame().action(kSaveArchive)).center()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(file, &move);
    settle();
    EXPECT_EQ(frame().statusBar()->currentMessage().toStdString(), "Saves softpot archive files.");
    file->hide();
}

TEST_F(MainFrameTest, PopupHintIsOneBelowThatOfItsFirstItem) {
    const auto& bar = menuBarLayout();
    ASSERT_EQ(bar.size(), 7u);
    // Tx Align begins with Battery Threshold (11865): 11864 is PA Bias Low Power's hint.
    EXPECT_EQ(hintNumber(bar[2]), 11864);
    EXPECT_EQ(hintFor(bar[2]), "Perform PA Bias Low Voltage tuning");
    // The Window popup begins with a popup, whose number is one below its own first item.
    EXPECT_EQ(hintNumber(bar[5]), 18875);
    EXPECT_EQ(hintFor(bar[0]), "");
    EXPECT_EQ(hintNumber(MenuNode{MenuNode::Kind::Separator, 0, {}, {}}), std::nullopt);
    EXPECT_EQ(hintNumber(MenuNode{MenuNode::Kind::Command, kFirstRecentFile, {}, {}}), std::nullopt);
    EXPECT_EQ(hintFor(MenuNode{MenuNode::Kind::Command, kDac, {}, {}}), "");
}

TEST_F(MainFrameTest, DroppedArchivesJoinTheRecentFilesAndChoosingOneMovesItUp) {
    ASSERT_TRUE(startApp());
    auto drop = [this](const std::string& path) { dropArchive(path); };
    drop("/data/a.sfp");
    drop("/data/b.SFP");
    drop("/data/notes.txt");
    drop("/data/c.sfp");
    drop("/DATA/A.sfp");  // the same file, as a case-blind file system sees it

    std::vector<std::string> items;
    for (const QAction* entry : frame().recentFileActions()) items.push_back(entry->text().toStdString());
    EXPECT_EQ(items, (std::vector<std::string>{"&1 /DATA/A.sfp", "&2 /data/c.sfp", "&3 /data/b.SFP"}));
    // The entries sit just above Exit, followed by a separator.
    const QList<QAction*> file = fileMenu(frame())->actions();
    const auto exit = file.indexOf(frame().action(kExit));
    EXPECT_TRUE(file[exit - 1]->isSeparator());
    EXPECT_EQ(file[exit - 2], frame().recentFileActions().back());

    frame().recentFileActions()[2]->trigger();
    EXPECT_EQ(app->recentFiles().entries(), (std::vector<std::string>{"/data/b.SFP", "/DATA/A.sfp", "/data/c.sfp"}));
    EXPECT_TRUE(ui.events.empty()) << "choosing a recent file loads nothing";
    EXPECT_FALSE(client().archiveLoaded());

    drop("/data/d.sfp");
    drop("/data/e.sfp");
    EXPECT_EQ(app->recentFiles().entries(),
              (std::vector<std::string>{"/data/e.sfp", "/data/d.sfp", "/data/b.SFP", "/DATA/A.sfp"}));
    std::ifstream ini(work.path() / "Vantrel.ini");
    const std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "[MRU]\nCount=4\nMRU0=/data/e.sfp\nMRU1=/data/d.sfp\nMRU2=/data/b.SFP\nMRU3=/DATA/A.sfp\n");
}

TEST_F(MainFrameTest, RecentFilesStayOneListWhenReadRadioMovesTheWorkingDirectory) {
    ASSERT_TRUE(startApp());
    putRadio();
    dropArchive("/data/before.sfp");
    choose(kReadRadio);
    ASSERT_EQ(std::filesystem::current_path(), folder.path());
    dropArchive("/data/after.sfp");
    EXPECT_EQ(app->recentFiles().entries(), (std::vector<std::string>{"/data/after.sfp", "/data/before.sfp"}));
    EXPECT_EQ(IniFile(work.path() / "Vantrel.ini").read("MRU", "MRU1"), "/data/before.sfp");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Vantrel.ini"));
}

TEST_F(MainFrameTest, RecentFilesAreReadBackAtTheNextStartAndCountIsRewritten) {
    {
        std::ofstream ini(work.path() / "Vantrel.ini");
        ini << "[mru]\r\ncount=9\r\nMRU0=/x/one.sfp\r\nMRU1=Default\r\nMRU2=/x/two.sfp\r\n[Other]\r\nkeep=1\r\n";
    }
    ASSERT_TRUE(startApp());
    EXPECT_EQ(app->recentFiles().entries(), (std::vector<std::string>{"/x/one.sfp", "/x/two.sfp"}));
    ASSERT_EQ(frame().recentFileActions().size(), 2u);
    EXPECT_EQ(frame().recentFileActions()[1]->text().toStdString(), "&2 /x/two.sfp");
    EXPECT_EQ(IniFile(work.path() / "Vantrel.ini").read("MRU", "Count"), "4");
    EXPECT_EQ(IniFile(work.path() / "Vantrel.ini").read("Other", "keep"), "1");
}

}  // namespace
}  // namespace vantrel::testing
