#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "app/autoTuneDialog.h"
#include "screens/TTunerEditBox.h"
#include "screens/TTuningScreen.h"
#include "tuning/TuningSession.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace vantrel::testing {
namespace {

using namespace command;

// The seven-row, automatic tuning and PA bias screens, each opened by its command on a read
// radio of the profile given.
class PointAndBiasScreensTest : public GuiTest {
protected:
    void open(const std::string& profile) {
        putRadio(profile + ".json");
        ASSERT_TRUE(startApp());
        choose(kReadRadio);
        settle();
        ui.clear();
        radio->clearLog();
    }

    TTuningScreen& screen() {
        const auto frames = client().subWindowList();
        if (frames.isEmpty()) throw std::runtime_error("no screen is open");
        return *dynamic_cast<TTuningScreen*>(frames.front()->widget());
    }
    std::string caption() { return client().subWindowList().value(0)->windowTitle().toStdString(); }
    QPushButton* button(int id) { return static_cast<QPushButton*>(screen().control(id)); }
    QString text(int id) { return static_cast<QLineEdit*>(screen().control(id))->text(); }

    // Clicks a button and reports whether the wait dialog was on screen while the radio worked
    // (a timer queued before the click runs when the dialog paints).
    bool waitShownDuring(int id) {
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (dynamic_cast<autoTuneDialog*>(w) != nullptr && w->isVisible()) shown = true;
            }
        });
        button(id)->click();
        return shown;
    }
    static int waitDialogsLeft() {
        int left = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) left += dynamic_cast<autoTuneDialog*>(w) != nullptr;
        return left;
    }
};

struct PerPointPlacement {
    int command;
    std::string caption;
    QSize window;
    bool ptt;
    int programX;
    std::string rangeNote;
};

// Names the case in test listings.
inline void PrintTo(const PerPointPlacement& p, std::ostream* os) { *os << p.caption; }

class PerPointPlacementTest : public PointAndBiasScreensTest,
                              public ::testing::WithParamInterface<PerPointPlacement> {};

TEST_P(PerPointPlacementTest, LaysOutSevenRowsWithTheButtonsBelow) {
    const PerPointPlacement& p = GetParam();
    open("portable-v1");
    choose(p.command);
    ASSERT_EQ(caption(), p.caption);
    TTuningScreen& s = screen();
    EXPECT_EQ(s.size(), p.window);
    EXPECT_EQ(s.control(3006)->geometry(), QRect(10, 210, 150, 20));
    EXPECT_EQ(s.control(4014)->geometry(), QRect(200, 210, 40, 20));
    EXPECT_EQ(s.control(6006)->geometry(), QRect(250, 210, 300, 20));
    EXPECT_EQ(s.control(4011), nullptr);
    EXPECT_EQ(s.control(7000) != nullptr, p.ptt);
    EXPECT_EQ(s.control(7001)->geometry(), QRect(p.programX, 240, 100, 30));
    EXPECT_EQ(s.control(8000)->geometry(), QRect(20, 280, 600, 30));
    const auto labels = s.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* l) {
        return l->text().toStdString() == p.rangeNote && l->geometry() == QRect(10, 320, 350, 20);
    }));
}

INSTANTIATE_TEST_SUITE_P(Screens, PerPointPlacementTest,
                         ::testing::Values(PerPointPlacement{kTransmitHighPower,
                                                             "Transmit High Power",
                                                             {700, 350},
                                                             true,
                                                             130,
                                                             "Note : Valid Softpot values will range from 0-127"},
                                           PerPointPlacement{kTransmitLowPower,
                                                             "Transmit Low Power",
                                                             {700, 350},
                                                             true,
                                                             130,
                                                             "Note : Valid Softpot values will range from 0-127"},
                                           PerPointPlacement{kModulationBalance,
                                                             "Mod. Balance Attn.",
                                                             {700, 350},
                                                             true,
                                                             130,
                                                             "Note : Valid Softpot values will range from 0-63"},
                                           PerPointPlacement{kVco25,
                                                             "VCO Attn. 25kHz",
                                                             {700, 350},
                                                             true,
                                                             130,
                                                             "Note : Valid Softpot values will range from 0-127"},
                                           PerPointPlacement{kSquelch125,
                                                             "Squelch Attn. 12.5KHz",
                                                             {750, 350},
                                                             false,
                                                             20,
                                                             "Note : Valid Softpot values will range from 1-63"}));

TEST_F(PointAndBiasScreensTest, SquelchAutoTuneShowsTheWaitAndTheValueFound) {
    open("portable-v1");
    choose(kSquelch20);
    TTuningScreen& s = screen();
    for (int n = 0; n < 7; ++n) {
        ASSERT_NE(s.control(7002 + n), nullptr);
        EXPECT_EQ(s.control(7002 + n)->geometry(), QRect(625, 30 + 30 * n, 100, 20));
    }
    EXPECT_EQ(static_cast<QScrollBar*>(s.control(6000))->minimum(), 1);
    EXPECT_EQ(static_cast<TTunerEditBox*>(s.control(4000))->minimum(), 1u);
    EXPECT_TRUE(waitShownDuring(7004));
    EXPECT_EQ(waitDialogsLeft(), 0);
    EXPECT_EQ(text(4002), QStringLiteral("46"));
    EXPECT_EQ(static_cast<QScrollBar*>(s.control(6002))->value(), 46);
    EXPECT_EQ(text(4009), QStringLiteral("37")) << "the default field keeps the stored value";
    EXPECT_EQ(client().storage().value(11, 9), 46);

    // A failure closes the wait too.
    sim::FaultRule silence;
    silence.kind = sim::FaultKind::NoAcknowledgement;
    silence.match.opcode = 0x1F;
    silence.count = sim::FaultRule::kForever;
    radio->inject(silence);
    EXPECT_TRUE(waitShownDuring(7002));
    EXPECT_EQ(waitDialogsLeft(), 0);
    EXPECT_EQ(ui.messages().back(), error("Radio Communication Error!!", "ERROR"));
}

TEST_F(PointAndBiasScreensTest, PaVoltageLimitRunsWithTheWaitAndShowsItsResults) {
    open("mobile-v2-pa-limit-zero");
    choose(kPaVoltageLimit);
    ASSERT_EQ(caption(), "Transmit PA Voltage Limit");
    TTuningScreen& s = screen();
    EXPECT_EQ(s.size(), QSize(400, 350));
    EXPECT_EQ(s.control(3006)->geometry(), QRect(20, 210, 150, 20));
    EXPECT_EQ(s.control(4014)->geometry(), QRect(310, 210, 40, 20));
    EXPECT_EQ(s.control(7000)->geometry(), QRect(20, 240, 100, 30));
    EXPECT_EQ(s.control(8000)->geometry(), QRect(20, 280, 360, 30));
    EXPECT_EQ(s.control(6000), nullptr);
    EXPECT_EQ(s.control(7001), nullptr);
    EXPECT_EQ(text(8000), QStringLiteral("Auto tuning of all softpots has not been done"));
    ui.answers = {MessageAnswer::Ok};
    EXPECT_TRUE(waitShownDuring(7000));
    EXPECT_EQ(waitDialogsLeft(), 0);
    EXPECT_EQ(text(4007), QStringLiteral("88"));
    EXPECT_EQ(text(4008), QStringLiteral("91"));
    EXPECT_EQ(text(8000), QStringLiteral("Error in tuning Softpot 2"));
    EXPECT_EQ(ui.messages().back(), error("Tuning is not possible. Please check hardware!!", "ERROR"));
}

// The toggles' enabling as the technician goes through voltage and Bias 1.
TEST_F(PointAndBiasScreensTest, PaBiasTogglesEnableOneQuantityAtATime) {
    open("portable-v1");
    ui.answers = {MessageAnswer::Ok, MessageAnswer::No};
    choose(kPaBiasHighPower);
    ASSERT_EQ(caption(), "PA Bias Voltage High Power");
    TTuningScreen& s = screen();
    EXPECT_EQ(s.size(), QSize(450, 450));
    EXPECT_EQ(s.control(7001)->geometry(), QRect(20, 50, 100, 30));
    EXPECT_EQ(s.control(8002)->geometry(), QRect(20, 220, 100, 30));
    EXPECT_EQ(s.control(4003)->geometry(), QRect(200, 220, 60, 25));
    EXPECT_EQ(s.control(5007)->geometry(), QRect(280, 220, 20, 30));
    EXPECT_EQ(s.control(4006)->geometry(), QRect(350, 220, 60, 25));
    EXPECT_EQ(s.control(7002)->geometry(), QRect(20, 300, 100, 30));
    EXPECT_EQ(text(4004), QStringLiteral("80"));
    const auto enabledToggles = [&] {
        std::string on;
        for (const auto& [id, name] : {std::pair{7001, 'V'}, {7000, '1'}, {8001, '2'}, {8002, '3'}}) {
            if (s.control(id)->isEnabled()) on += name;
        }
        return on;
    };
    EXPECT_EQ(enabledToggles(), "V");
    EXPECT_FALSE(s.control(4001)->isEnabled());
    button(7001)->click();
    EXPECT_EQ(enabledToggles(), "V");
    EXPECT_TRUE(s.control(4001)->isEnabled());
    EXPECT_EQ(text(4001), QStringLiteral("0"));
    button(7001)->click();
    EXPECT_EQ(enabledToggles(), "V1");
    EXPECT_FALSE(s.control(4001)->isEnabled());
    button(7000)->click();
    button(7000)->click();
    EXPECT_EQ(enabledToggles(), "V12");
}

TEST_F(PointAndBiasScreensTest, AMobileOfTheSecondProcedureOpensRxModeWithoutQuestions) {
    open("mobile-e3");
    choose(kPaBiasRxMode);
    ASSERT_EQ(caption(), "PA Bias Voltage Rx Mode");
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(app->openScreenKind(), 11);
    const auto labels = screen().findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* l) {
        return l->text() == QStringLiteral("           Bias 2 and 3 softpot values range from 0-255");
    }));
}

}  // namespace
}  // namespace vantrel::testing
