#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "app/TBasebandUpdateWindow.h"
#include "app/TSerialProgramWindow.h"
#include "app/TTempCompWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

#include <fstream>

namespace vantrel::testing {
namespace {

using namespace command;

class UtilityWindowsTest : public GuiTest {
protected:
    void openOn(const std::string& profile) {
        putRadio(profile);
        std::filesystem::copy_file(std::filesystem::path(VANTREL_SOURCE_DIR) / "src/resources/bbo.cfg",
                                   folder.path() / "bbo.cfg");
        ASSERT_TRUE(startApp());
        choose(kReadRadio);
        settle();
        ui.clear();
    }

    template <typename Window>
    Window* openWindow(const char* caption) {
        for (QMdiSubWindow* child : client().subWindowList()) {
            if (child->windowTitle() == QString::fromLatin1(caption)) return dynamic_cast<Window*>(child->widget());
        }
        return nullptr;
    }

    void closeAll() {
        client().closeAllSubWindows();
        settle();
    }

    void expectPlaced(const QWidget* w, QRect geometry, int weight) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), geometry) << w->objectName().toStdString();
        EXPECT_EQ(w->font().family(), QStringLiteral("Times Roman"));
        EXPECT_EQ(w->font().pixelSize(), 12);
        EXPECT_EQ(w->font().weight(), weight);
    }
};

TEST_F(UtilityWindowsTest, SerialNumberWindowTakesTenCharactersOfItsSet) {
    openOn("portable-v1.json");
    choose(kProgramSerialNumber);
    auto* window = openWindow<TSerialProgramWindow>("Program Radio Serial No.");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(client().openScreenKind(), 30);
    EXPECT_EQ(window->size(), QSize(460, 170));
    expectPlaced(window->entry(), {170, 20, 100, 20}, 500);
    expectPlaced(window->updateButton(), {170, 80, 100, 30}, 400);
    EXPECT_EQ(window->entry()->objectName(), QStringLiteral("4000"));

    QTest::keyClicks(window->entry(), "781 TKA$0999^XYZ");
    EXPECT_EQ(window->entry()->text(), QStringLiteral("781TKA0999"));  // no blank, $ or ^; ten at most
    QTest::keyClick(window->entry(), Qt::Key_Return);
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{note("Serial No. has been successfully programmed !!", "NOTE")}));
    EXPECT_EQ(radio->model().identity().serialNumber, "781TKA0999");

    choose(kTempCompRead);
    EXPECT_EQ(ui.messages().back(), note("Please close all windows before reading Temp Comp data", "NOTE"));
    closeAll();
    EXPECT_EQ(client().openScreenKind(), 0);
}

TEST_F(UtilityWindowsTest, AnotherRadioAtOpeningAsksToReadIt) {
    openOn("portable-v1.json");
    const std::string other = "999TKA0000";
    radio->model().writeSerialNumber(std::span(reinterpret_cast<const std::uint8_t*>(other.data()), 10));
    ui.answers.push_back(MessageAnswer::Ok);
    choose(kProgramSerialNumber);
    settle();
    const auto shown = ui.messages();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0], (ShownMessage{"Radio has been changed!! Read in new radio?", "WARNING",
                                      MessageIcon::Information, MessageButtons::OkCancel}));
    EXPECT_EQ(shown[1], note("Radio has been successfully read !!", "NOTE"));
    EXPECT_EQ(client().storage().serialNumber(), other);
    EXPECT_EQ(openWindow<TSerialProgramWindow>("Program Radio Serial No."), nullptr);
}

TEST_F(UtilityWindowsTest, TempCompWindowsInBothModes) {
    openOn("portable-v1.json");
    choose(kTempCompRead);
    auto* reader = openWindow<TTempCompWindow>("Read Temp Comp");
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(client().openScreenKind(), 39);
    EXPECT_EQ(reader->entry()->text(), QStringLiteral("0aff007b"));
    EXPECT_FALSE(reader->entry()->isEnabled());
    EXPECT_EQ(reader->button()->text(), QStringLiteral("Close"));
    choose(kTempCompWrite);
    choose(kBasebandOffsetUpdate);
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{note("Please close all windows before writing Temp Comp data", "NOTE"),
                                         note("Current window still open! Please close first!", " NOTE")}));
    QTest::mouseClick(reader->button(), Qt::LeftButton);
    settle();
    EXPECT_EQ(client().openScreenKind(), 0);

    ui.clear();
    choose(kTempCompWrite);
    auto* writer = openWindow<TTempCompWindow>("Write Temp Comp");
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(client().openScreenKind(), 40);
    expectPlaced(writer->entry(), {170, 20, 100, 20}, 500);
    QTest::keyClicks(writer->entry(), "0AFX007B9");
    EXPECT_EQ(writer->entry()->text(), QStringLiteral("0AF007B9"));  // no X, eight at most
    writer->entry()->setText(QStringLiteral("0AF007B"));
    QTest::mouseClick(writer->button(), Qt::LeftButton);
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{note("Length of Temp Comp data must be exactly 4 bytes", "NOTE")}));
}

TEST_F(UtilityWindowsTest, BasebandWindowEditsTheCodeplugTableAndUpdatesIt) {
    openOn("mobile-bbo-codeplug-prefixed.json");
    choose(kBasebandOffsetUpdate);
    auto* window = openWindow<TBasebandUpdateWindow>("Update Baseband Offset");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(client().openScreenKind(), 31);
    EXPECT_EQ(window->size(), QSize(625, 40 * 8 + 150));
    EXPECT_TRUE(window->spacingButton(0)->isChecked());
    expectPlaced(window->list(1), {410, 80, 80, 23}, 500);
    expectPlaced(window->defaultField(7), {520, 320, 70, 23}, 500);
    EXPECT_EQ(window->list(1)->count(), 16);
    EXPECT_EQ(window->list(1)->itemText(0), QStringLiteral("28 Hz"));
    EXPECT_EQ(window->list(1)->currentText(), QStringLiteral("144 Hz"));
    EXPECT_EQ(window->defaultField(0)->text(), QStringLiteral("1215 Hz"));
    EXPECT_FALSE(window->defaultField(0)->isEnabled());
    expectPlaced(window->updateButton(), {400, 40 * 8 + 70, 100, 30}, 400);

    QTest::mouseClick(window->spacingButton(1), Qt::LeftButton);
    EXPECT_EQ(window->defaultField(0)->text(), QStringLiteral("1066 Hz"));
    QTest::mouseClick(window->spacingButton(0), Qt::LeftButton);
    window->list(1)->setCurrentText(QStringLiteral("1500 Hz"));
    emit window->list(1)->activated(window->list(1)->currentIndex());
    QTest::mouseClick(window->updateButton(), Qt::LeftButton);
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{note("Baseband offset parameters updated successfully", "NOTE")}));
    EXPECT_EQ(radio->model().readMemory(0x106, 1), std::vector<std::uint8_t>{0x8A});
    EXPECT_EQ(window->defaultField(1)->text(), QStringLiteral("1500 Hz"));
}

TEST_F(UtilityWindowsTest, BasebandWindowWithoutConfigurationNeverOpens) {
    openOn("mobile-bbo-codeplug.json");
    std::filesystem::remove(folder.path() / "bbo.cfg");
    choose(kBasebandOffsetUpdate);
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{note("Baseband Offset Utility configuration file is missing.\nPlease contact "
                                              "Keldane for latest configuration file.",
                                              " NOTE")}));
    EXPECT_TRUE(client().subWindowList().isEmpty());
    EXPECT_EQ(client().openScreenKind(), 0);
}

}  // namespace
}  // namespace vantrel::testing
