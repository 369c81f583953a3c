#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "app/HelpContexts.h"
#include "app/KeyboardHelp.h"
#include "app/QtInteraction.h"
#include "app/TProgressWindow.h"

#include <QMenu>
#include <QMenuBar>

#include <QFileInfo>

#include <fstream>
#include <regex>
#include <set>

namespace vantrel::testing {
namespace {

using namespace command;

class KeyboardHelpTest : public GuiTest {
protected:
    void SetUp() override { ASSERT_TRUE(startApp()); }

    void pressF1(Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&frame(), Qt::Key_F1, modifiers); }

    // Opens a menu of the menu bar and highlights one of its items.
    QMenu* highlight(int popup, int command) {
        QMenu* menu = frame().menuBar()->actions()[popup]->menu();
        menu->popup(QPoint(20, 20));
        settle();
        menu->setActiveAction(frame().action(command));
        return menu;
    }
};

TEST_F(KeyboardHelpTest, F1OpensTheHelpOfTheOpenWindowOrTheContents) {
    app->openScreenKind() = 1;  // reference oscillator warp
    pressF1();
    app->openScreenKind() = 17;
    pressF1();
    app->openScreenKind() = 0;
    pressF1();
    app->openScreenKind() = 39;  // temperature compensation: no topic of its own
    pressF1();
    app->openScreenKind() = 0;
    pressF1(Qt::ShiftModifier);
    EXPECT_EQ(ui.helpRequests(), (std::vector<std::optional<int>>{40001, 40011, std::nullopt, std::nullopt}));
}

TEST_F(KeyboardHelpTest, F1OnAHighlightedItemOpensItsHelpWithoutRunningIt) {
    putRadio();
    QMenu* file = highlight(0, kReadRadio);
    QTest::keyClick(file, Qt::Key_F1);
    settle();
    EXPECT_EQ(ui.helpRequests(), std::vector<std::optional<int>>{kReadRadio});
    EXPECT_EQ(ui.messages().size(), 0u);
    EXPECT_EQ(client().progressWindow(), nullptr) << "the radio was not read";
    EXPECT_TRUE(radio->log().empty());
    EXPECT_FALSE(app->keyboardHelp().helpMode());
    EXPECT_FALSE(file->isVisible());

    // The next choice runs as usual.
    choose(kReadRadio);
    EXPECT_TRUE(client().radioRead());
}

TEST_F(KeyboardHelpTest, EscLeavesHelpModeEnteredOnADisabledItem) {
    QMenu* file = highlight(0, kSaveArchive);  // disabled: choosing it does nothing
    QTest::keyClick(file, Qt::Key_F1);
    settle();
    EXPECT_TRUE(app->keyboardHelp().helpMode());
    EXPECT_TRUE(ui.helpRequests().empty());
    QTest::keyClick(file, Qt::Key_Escape);
    EXPECT_FALSE(app->keyboardHelp().helpMode());

    choose(kRadioHardwareInformation);
    EXPECT_TRUE(ui.helpRequests().empty());
    EXPECT_EQ(ui.dialogTitles(), std::vector<std::string>{"Radio Information"});
}

TEST_F(KeyboardHelpTest, HelpModeTurnsTheNextCommandIntoItsHelpWhereverItComesFrom) {
    QMenu* file = highlight(0, kSaveArchive);
    QTest::keyClick(file, Qt::Key_F1);
    settle();
    file->hide();
    app->dispatch(kAbout);
    EXPECT_EQ(ui.helpRequests(), std::vector<std::optional<int>>{kAbout});
    EXPECT_TRUE(ui.dialogTitles().empty());
}

const std::filesystem::path kHelpFolder = std::filesystem::path(VANTREL_BIN_DIR) / "help";

// What the first group of `pattern` captures anywhere in `html`.
std::set<std::string> captured(const std::string& html, const std::regex& pattern) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), pattern); it != std::sregex_iterator(); ++it) {
        found.insert((*it)[1].str());
    }
    return found;
}

std::set<std::string> anchorsOf(const std::string& page) {
    return captured(readWholeFile(kHelpFolder / page), std::regex(R"re(id="([^"]+)")re"));
}

// Every context the program can open has its anchor on the help page made from the manual, and
// every command too.
TEST(HelpPages, EveryContextAndCommandHasAnAnchor) {
    const std::set<std::string> anchors = anchorsOf("Vantrel.html");
    for (const ScreenHelp& help : screenHelpTable()) {
        EXPECT_TRUE(anchors.contains(helpAnchor(help.context))) << help.context;
    }
    for (const CommandInfo& info : commandTable()) {
        EXPECT_TRUE(anchors.contains(helpAnchor(info.id))) << info.id;
    }
    EXPECT_TRUE(anchors.contains(helpAnchor(kPaBiasDefaultHelpContext)));
}

// The manual's links name its Markdown pages; in the help made from it every link leads to a help
// page and to an anchor there, and every picture is beside the pages.
TEST(HelpPages, EveryLinkAndPictureResolvesWithinTheHelp) {
    const std::regex link(R"re(href="([^"]*)")re");
    const std::regex picture(R"re(src="([^"]*)")re");
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kHelpFolder)) {
        if (entry.path().extension() != ".html") continue;
        ++pages;
        const std::string page = entry.path().filename().string();
        const std::string html = readWholeFile(entry.path());
        for (const std::string& target : captured(html, link)) {
            const std::size_t hash = target.find('#');
            const std::string file = hash == 0 ? page : target.substr(0, hash);
            ASSERT_TRUE(std::filesystem::exists(kHelpFolder / file)) << page << " links to " << target;
            if (hash != std::string::npos) {
                EXPECT_TRUE(anchorsOf(file).contains(target.substr(hash + 1))) << page << " links to " << target;
            }
        }
        for (const std::string& source : captured(html, picture)) {
            EXPECT_TRUE(std::filesystem::exists(kHelpFolder / source)) << page << " shows " << source;
        }
    }
    EXPECT_EQ(pages, 2) << "Vantrel.html and RealRadioLinux.html";
}

}  // namespace
}  // namespace vantrel::testing

namespace vantrel::testing {
namespace {

// The desktop's opener is handed a page without an anchor, which forwards to the topic's anchor.
TEST(HelpPages, TopicIsOpenedThroughAForwardingPage) {
    const QUrl url = QtInteraction::topicUrl("/opt/vantrel/help/Vantrel.html", 40001);
    ASSERT_TRUE(url.isLocalFile());
    EXPECT_FALSE(url.hasFragment());
    std::ifstream forward(url.toLocalFile().toStdString());
    const std::string html((std::istreambuf_iterator<char>(forward)), std::istreambuf_iterator<char>());
    EXPECT_NE(html.find("url=file:///opt/vantrel/help/Vantrel.html#40001\""), std::string::npos) << html;
    // In the user's own folder, out of reach of other users of the machine.
    const QFileInfo folder(QFileInfo(url.toLocalFile()).absolutePath());
    EXPECT_EQ(folder.absoluteFilePath(), QFileInfo(QtInteraction::forwardingFolder()).absoluteFilePath());
    EXPECT_EQ(folder.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
}

}  // namespace
}  // namespace vantrel::testing
