#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "app/TVantrelMDIChild.h"
#include "screens/TTunerEditBox.h"
#include "screens/TTuningScreen.h"
#include "screens/TuningWindowCommands.h"
#include "tuning/TuningSession.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace vantrel::testing {
namespace {

using namespace command;

const ShownMessage kStillOpen = note("Current window still open! Please close first!", " NOTE");

class TuningScreensTest : public GuiTest {
protected:
    void SetUp() override {
        putRadio();
        ASSERT_TRUE(startApp());
        choose(kReadRadio);
        settle();
        ui.clear();
        radio->clearLog();
    }

    TTuningScreen* screen() {
        const auto frames = client().subWindowList();
        if (frames.isEmpty()) return nullptr;
        return dynamic_cast<TTuningScreen*>(frames.front()->widget());
    }
    QMdiSubWindow* frameOfScreen() { return client().subWindowList().value(0); }

    std::vector<std::string> opcodes() {
        std::vector<std::string> words;
        for (const auto& request : radio->log()) words.push_back(std::to_string(request.opcode));
        return words;
    }
};

// Where each screen puts the controls that differ between them.
struct Placement {
    int command;
    std::string caption;
    bool applicationIcon;
    QSize window;
    int buttonsY;
    int statusId;
    QRect status;
    int boxWidth;
};

// Names the case in test listings.
inline void PrintTo(const Placement& p, std::ostream* os) { *os << p.caption; }

class ScreenPlacementTest : public TuningScreensTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(ScreenPlacementTest, OpensInItsFrameWithItsControlsInPlace) {
    const Placement& p = GetParam();
    choose(p.command);
    ASSERT_NE(screen(), nullptr);
    EXPECT_EQ(frameOfScreen()->windowTitle().toStdString(), p.caption);
    EXPECT_EQ(frameOfScreen()->windowIcon().pixmap(16).toImage() == applicationIcon().pixmap(16).toImage(),
              p.applicationIcon);
    TTuningScreen& s = *screen();
    EXPECT_EQ(s.size(), p.window);
    EXPECT_EQ(s.control(3000)->geometry(), QRect(10, 30, 150, 20));
    EXPECT_EQ(s.control(4007)->geometry(), QRect(200, 30, 40, 20));
    EXPECT_EQ(s.control(6000)->geometry(), QRect(250, 30, 300, 20));
    EXPECT_EQ(s.control(4000)->geometry(), QRect(560, 30, p.boxWidth, 20));
    EXPECT_EQ(s.control(5000)->geometry(), QRect(609, 30, 20, 20));
    EXPECT_EQ(s.control(7000)->geometry(), QRect(20, p.buttonsY, 100, 30));
    EXPECT_EQ(s.control(7001)->geometry(), QRect(130, p.buttonsY, 100, 30));
    ASSERT_NE(s.control(p.statusId), nullptr);
    EXPECT_EQ(s.control(p.statusId)->geometry(), p.status);
    EXPECT_EQ(static_cast<QLineEdit*>(s.control(p.statusId))->text(), QStringLiteral("Radio is currently dekeyed"));
    EXPECT_FALSE(s.control(3000)->isEnabled()) << "display only";
    EXPECT_TRUE(s.control(6000)->isEnabled());
    EXPECT_EQ(s.font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(s.font().pixelSize(), 12);
}

INSTANTIATE_TEST_SUITE_P(
    SingleValueScreens, ScreenPlacementTest,
    ::testing::Values(
        Placement{
            kReferenceOscillatorWarp, "Reference Oscillator Warp", true, {700, 300}, 120, 4016, {10, 200, 600, 40}, 60},
        Placement{kVco125, "VCO Attn. 12.5kHz", true, {700, 300}, 120, 8000, {10, 200, 600, 30}, 55},
        Placement{kVco20, "VCO Attn. 20kHz", true, {700, 350}, 120, 8000, {20, 200, 600, 30}, 55},
        Placement{kDtmf, "DTMF Deviation", true, {700, 300}, 150, 4016, {10, 200, 600, 40}, 60},
        Placement{kDalmor, "Dalmor Signalling", true, {700, 300}, 150, 4016, {10, 200, 600, 40}, 55},
        Placement{kSelect5, "Select 5 Signalling Deviation", false, {700, 300}, 120, 4016, {10, 200, 600, 40}, 60},
        Placement{kMpt1327, "MPT1327 Signalling Deviation", false, {700, 300}, 150, 4016, {10, 200, 600, 40}, 55},
        Placement{kHighSpeedTrunking,
                  "High Speed Trunking Signalling Deviation",
                  false,
                  {700, 300},
                  120,
                  4016,
                  {10, 200, 600, 40},
                  60}));

TEST_F(TuningScreensTest, OneWindowAtATime) {
    choose(kDtmf);
    EXPECT_EQ(app->openScreenKind(), 9);
    choose(kDtmf);
    EXPECT_EQ(client().subWindowList().size(), 1);
    EXPECT_TRUE(ui.messages().empty());
    choose(kReferenceOscillatorWarp);
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{kStillOpen});
    EXPECT_EQ(app->openScreenKind(), 9);

    // F1 in the open screen opens its topic.
    QTest::keyClick(screen()->control(4000), Qt::Key_F1);
    EXPECT_EQ(ui.helpRequests(), std::vector<std::optional<int>>{40005});

    radio->clearLog();
    client().closeAllSubWindows();
    settle();
    EXPECT_EQ(app->openScreenKind(), 0);
    EXPECT_EQ(opcodes(), (std::vector<std::string>{"25", "16"})) << "dekey, then reset";
}

// Every single-value screen's command is disabled while tuning is blocked; a screen whose rule
// does not ask (rated volume) reaches the client's opening as this does.
TEST_F(TuningScreensTest, AScreenTheImageMayNotTuneClosesAtOnceAfterItsExchanges) {
    client().setTuningAllowed(false);
    openTuningScreen(client(), *tuningFamilyOfKind(13));
    settle();
    EXPECT_TRUE(client().subWindowList().isEmpty());
    EXPECT_EQ(app->openScreenKind(), 0);
    // serial, test mode, channel; then dekey and reset
    EXPECT_EQ(opcodes(), (std::vector<std::string>{"35", "34", "33", "25", "16"}));
}

TEST_F(TuningScreensTest, AFailedOpeningDestroysTheFrame) {
    sim::FaultRule silence;
    silence.kind = sim::FaultKind::NoAcknowledgement;
    silence.match.opcode = 0x22;
    silence.count = sim::FaultRule::kForever;
    radio->inject(silence);
    choose(kMpt1327);
    settle();
    EXPECT_TRUE(client().subWindowList().isEmpty());
    EXPECT_EQ(app->openScreenKind(), 0);
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{error("Radio Communication Error!!", "ERROR")});
}

TEST_F(TuningScreensTest, AWarpTypedAboveTheRangeIsCommittedAsTheMaximum) {
    choose(kReferenceOscillatorWarp);
    TTuningScreen& s = *screen();
    auto* box = static_cast<TTunerEditBox*>(s.control(4000));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("600"));
    ui.answers.push_back(MessageAnswer::Ok);
    // The button takes the focus as it is clicked, so the box gives it up first.
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(box, &out);
    static_cast<QPushButton*>(s.control(7001))->click();
    EXPECT_EQ(box->text(), QStringLiteral("511"));
    EXPECT_EQ(static_cast<QScrollBar*>(s.control(6000))->value(), 511);
    EXPECT_EQ(client().storage().value(2, 0), 511);
    EXPECT_EQ(static_cast<QLineEdit*>(s.control(4007))->text(), QStringLiteral("511"));
}

TEST_F(TuningScreensTest, SliderStepsWhileKeyedGoLiveAndShowInTheBox) {
    choose(kSelect5);
    TTuningScreen& s = *screen();
    static_cast<QPushButton*>(s.control(7000))->click();
    EXPECT_EQ(static_cast<QLineEdit*>(s.control(4016))->text(),
              QStringLiteral("Radio is currently keyed up at 173.975000MHz"));
    radio->clearLog();
    auto* slider = static_cast<QScrollBar*>(s.control(6000));
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(static_cast<QLineEdit*>(s.control(4000))->text(), QStringLiteral("21"));
    const auto log = radio->log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].payload, (std::vector<std::uint8_t>{15, 2, 21}));

    // The wheel is no drag: the step gives its port back at once.
    QWheelEvent wheel(QPointF(150, 10), slider->mapToGlobal(QPointF(150, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
    EXPECT_NE(slider->value(), 21);
    EXPECT_FALSE(s.session().connectionHeld());
    EXPECT_EQ(opener.opened, opener.closed);
}

TEST_F(TuningScreensTest, AScreenWithoutAUsedPointOpensWithItsRowOff) {
    for (int n = 0; n < 7; ++n) client().storage().setValue(0, n, 0);
    choose(kDalmor);
    TTuningScreen& s = *screen();
    for (const int id : {4000, 5000, 6000}) EXPECT_FALSE(s.control(id)->isEnabled()) << id;
    EXPECT_TRUE(s.control(7001)->isEnabled());
    EXPECT_EQ(static_cast<QLineEdit*>(s.control(3000))->text(), QStringLiteral("UNSUPPORTED"));
    EXPECT_EQ(static_cast<QLineEdit*>(s.control(4000))->text(), QString());
    EXPECT_EQ(static_cast<QLineEdit*>(s.control(4007))->text(), QString());
}

TEST_F(TuningScreensTest, PaBiasHighPowerAsksAboutTheSupplyFirst) {
    const ShownMessage supply{"PCIC SCREENING\n\nSet Supply Voltage to 6V", "WARNING", MessageIcon::Information,
                              MessageButtons::OkCancel};
    const ShownMessage current{"Is Current Drawn of the Radio > 100mA?", "WARNING", MessageIcon::Information,
                               MessageButtons::YesNo};
    ui.answers = {MessageAnswer::Cancel};
    choose(kPaBiasHighPower);
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{supply});

    ui.clear();
    ui.answers = {MessageAnswer::Ok, MessageAnswer::Yes};
    choose(kPaBiasHighPower);
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[1], current);
    EXPECT_EQ(frameOfScreen()->windowTitle().toStdString(), "PA Bias Default (High Power)");
    EXPECT_EQ(app->openScreenKind(), 36);
    EXPECT_EQ(ui.helpRequests(), std::vector<std::optional<int>>{40017});
    client().closeAllSubWindows();
    settle();

    ui.clear();
    ui.answers = {MessageAnswer::Ok, MessageAnswer::No};
    choose(kPaBiasLowPower);
    ASSERT_EQ(ui.messages().size(), 3u);
    EXPECT_EQ(ui.messages()[2],
              note("You are clear to proceed for PA Bias Tuning.\nPlease Set Supply Voltage to 7.5V", "NOTE"));
    EXPECT_EQ(frameOfScreen()->windowTitle().toStdString(), "PA Bias Voltage Low Power");
    EXPECT_EQ(app->openScreenKind(), 12);
}

TEST_F(TuningScreensTest, PaBiasCommandsKeepTheOneWindowRule) {
    choose(kDtmf);
    choose(kPaBiasLowPower);
    choose(kPaBiasHighPower);
    EXPECT_EQ(ui.messages(), (std::vector<ShownMessage>{kStillOpen, kStillOpen}));
    client().closeAllSubWindows();
    settle();
    app->openScreenKind() = 11;  // as the PA bias high power screen writes it
    choose(kPaBiasHighPower);
    EXPECT_EQ(ui.messages().size(), 2u) << "its own kind: nothing happens";
    app->openScreenKind() = 0;
}

}  // namespace
}  // namespace vantrel::testing
