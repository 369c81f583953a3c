#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "screens/TKMPowerEditBox.h"
#include "screens/TMobilePowerTuneHI.h"
#include "screens/TTuningScreen.h"
#include "tuning/TuningSession.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>

namespace vantrel::testing {
namespace {

using namespace command;

// The K and M, receive, battery and DAC screens, built for real offscreen over a read radio.
class PowerReceiveScreensTest : public GuiTest {
protected:
    void open(const std::string& profile, int command) {
        putRadio(profile);
        ASSERT_TRUE(startApp());
        choose(kReadRadio);
        settle();
        ui.clear();
        choose(command);
        radio->clearLog();
        ASSERT_EQ(client().subWindowList().size(), 1) << "the command opened no screen";
    }
    TTuningScreen& screen() { return *dynamic_cast<TTuningScreen*>(client().subWindowList().value(0)->widget()); }
    QString text(int id) {
        QWidget* w = screen().control(id);
        if (auto* edit = dynamic_cast<QLineEdit*>(w)) return edit->text();
        if (auto* label = dynamic_cast<QLabel*>(w)) return label->text();
        return QStringLiteral("<none>");
    }
    void click(int id) { static_cast<QPushButton*>(screen().control(id))->click(); }
    std::vector<std::vector<std::uint8_t>> payloads() {
        std::vector<std::vector<std::uint8_t>> found;
        for (const auto& request : radio->log()) found.push_back(request.payload);
        return found;
    }
    // A box takes the focus as a click gives it (an offscreen window is never active).
    static void focus(QWidget* box) {
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(box, &in);
    }
    static void unfocus(QWidget* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(box, &out);
    }
};

TEST_F(PowerReceiveScreensTest, KAndMBoxesAreConfiguredAndTheirFocusSwitchesTheDacValue) {
    ASSERT_NO_FATAL_FAILURE(open("mobile-v2-centred-k.json", kKandMTuning));
    auto& km = dynamic_cast<TMobilePowerTuneHI&>(screen());
    EXPECT_EQ(km.size(), QSize(650, 350));
    EXPECT_EQ(text(4010), QStringLiteral("23.814"));
    EXPECT_EQ(text(4000), QStringLiteral("34.574"));
    EXPECT_EQ(text(3000), QStringLiteral("138.000000"));
    EXPECT_EQ(text(4017), QStringLiteral("Radio is currently dekeyed"));
    TKMPowerEditBox* f2p1 = km.powerBox(2, false);
    TKMPowerEditBox* f2p2 = km.powerBox(2, true);
    EXPECT_EQ(f2p1->geometry(), QRect(200, 60, 100, 20));
    EXPECT_EQ(f2p2->geometry(), QRect(400, 60, 100, 20));
    EXPECT_EQ(f2p1->maxLength(), 6) << "a predicted power shows whole";
    f2p1->setText(QStringLiteral("1"));
    emit f2p1->textEdited(f2p1->text());
    EXPECT_EQ(f2p1->maxLength(), 5) << "typing is limited to five characters";
    EXPECT_NE(f2p1->validator(), nullptr) << "Power 1 takes digits and the full stop only";
    EXPECT_EQ(f2p2->validator(), nullptr);
    EXPECT_EQ(screen().control(7001)->geometry(), QRect(170, 250, 100, 30));

    focus(f2p1);
    focus(f2p1);  // a second focus-in without a focus-out is no new notification
    EXPECT_EQ(payloads(), (std::vector<std::vector<std::uint8_t>>{{1}, {0, 0x05, 0x78, 0x05, 0x64}}));
    click(7000);
    radio->clearLog();
    unfocus(f2p1);
    focus(f2p2);
    EXPECT_EQ(payloads(), (std::vector<std::vector<std::uint8_t>>{{1}, {0, 2, 150}}));
    EXPECT_EQ(text(4017), QStringLiteral("Radio is currently keyed up at 144.000000MHz"));
}

// The receive screens: their rows, buttons and status field where the technician expects them.
struct ReceivePlacement {
    std::string profile;
    int command;
    QSize window;
    int rows;
    QRect program;
    int statusId;
    QRect status;
    std::string rangeNote;
};

// Names the case in test listings.
inline void PrintTo(const ReceivePlacement& p, std::ostream* os) { *os << p.profile << " " << p.command; }

class ReceivePlacementTest : public PowerReceiveScreensTest, public ::testing::WithParamInterface<ReceivePlacement> {};

TEST_P(ReceivePlacementTest, ShowsItsRowsWithoutAPttToggle) {
    const ReceivePlacement& p = GetParam();
    ASSERT_NO_FATAL_FAILURE(open(p.profile, p.command));
    TTuningScreen& s = screen();
    EXPECT_EQ(s.size(), p.window);
    EXPECT_EQ(static_cast<int>(s.rowControls().size()), p.rows);
    EXPECT_EQ(s.control(7000), nullptr);
    EXPECT_EQ(s.control(7001)->geometry(), p.program);
    ASSERT_NE(s.control(p.statusId), nullptr);
    EXPECT_EQ(s.control(p.statusId)->geometry(), p.status);
    EXPECT_EQ(text(p.statusId), QStringLiteral("No Frequency Tuning Point is currently selected"));
    bool noteShown = false;
    for (const QLabel* l : s.findChildren<QLabel*>()) noteShown |= l->text().toStdString() == p.rangeNote;
    EXPECT_TRUE(noteShown) << p.rangeNote;
}

INSTANTIATE_TEST_SUITE_P(Screens, ReceivePlacementTest,
                         ::testing::Values(ReceivePlacement{"portable-v1.json",
                                                            kRatedVolumeCarrierSquelch,
                                                            {700, 300},
                                                            1,
                                                            {20, 150, 100, 30},
                                                            4016,
                                                            {10, 200, 600, 40},
                                                            "Note : Valid Softpot values will range from 0-255"},
                                           ReceivePlacement{"mobile-v2.json",
                                                            kFrontEndFilter,
                                                            {700, 350},
                                                            7,
                                                            {20, 240, 100, 30},
                                                            8000,
                                                            {20, 280, 600, 30},
                                                            "Note : Valid Softpot values will range from 0-127"}));

TEST_F(PowerReceiveScreensTest, TheE2FrontEndFilterShowsItsRssiDac) {
    ASSERT_NO_FATAL_FAILURE(open("mobile-e2.json", kFrontEndFilter));
    EXPECT_EQ(screen().control(4016)->geometry(), QRect(410, 240, 40, 20));
    EXPECT_EQ(text(4016), QStringLiteral("7.0"));
    auto* slider = static_cast<QScrollBar*>(screen().control(6002));
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(radio->log().size(), 1u + 2u + 5u) << "serial, channel, value, five calibration reads";
    EXPECT_EQ(text(8000), QStringLiteral("Point 149.900000MHz is currently being tuned"));
}

TEST_F(PowerReceiveScreensTest, RssiRowsUpdateFromTheRadio) {
    ASSERT_NO_FATAL_FAILURE(open("portable-v1.json", kRssi));
    EXPECT_EQ(screen().size(), QSize(560, 230));
    EXPECT_EQ(screen().control(4002), nullptr) << "the C portable has two thresholds";
    EXPECT_EQ(screen().control(7002)->geometry(), QRect(310, 60, 100, 30));
    EXPECT_EQ(text(4004), QStringLiteral("35"));
    EXPECT_EQ(text(4001), QStringLiteral("110"));
    click(7002);
    EXPECT_EQ(text(4004), QStringLiteral("38"));
    EXPECT_EQ(text(3000), QStringLiteral("Frequency tuning point is currently 155.900000 MHz"));
}

TEST_F(PowerReceiveScreensTest, BatteryProgramShowsTheMeasuredThreshold) {
    ASSERT_NO_FATAL_FAILURE(open("mobile-v2.json", kBatteryThreshold));
    EXPECT_EQ(screen().size(), QSize(450, 150));
    EXPECT_EQ(text(8000), QStringLiteral("12.0\n"));
    EXPECT_EQ(text(8001), QStringLiteral("150\n"));
    click(7002);
    EXPECT_EQ(text(8001), QStringLiteral("152\n"));
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{note("Battery Treshold softpot values commited !!", "NOTE")});
}

// The DAC command is there for the A and B mobiles whatever their procedure.
TEST_F(PowerReceiveScreensTest, TheDacScreenHasNoProgram) {
    ASSERT_NO_FATAL_FAILURE(open("mobile-a.json", kDac));
    TTuningScreen& s = screen();
    EXPECT_EQ(s.size(), QSize(700, 210));
    EXPECT_EQ(s.control(7001), nullptr);
    EXPECT_EQ(s.control(7000)->geometry(), QRect(20, 100, 100, 30));
    EXPECT_EQ(text(3001), QStringLiteral("DAC 2"));
    EXPECT_EQ(text(4008), QStringLiteral("0"));
    EXPECT_EQ(client().storage().value(1, 0), 1);
}

}  // namespace
}  // namespace vantrel::testing
