#include "RecordingInteraction.h"
#include "screens/TTunerEditBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace vantrel::testing {
namespace {

// The real box, offscreen, bound to a slider of 0..maximum.
class TTunerEditBoxTest : public ::testing::Test {
protected:
    void build(std::uint32_t maximum) {
        slider = new QScrollBar(Qt::Horizontal, &window);
        slider->setRange(0, static_cast<int>(maximum));
        box = new TTunerEditBox(&window, slider, maximum, 4000, QStringLiteral("64"), {560, 30, 60, 20}, 3, ui);
        box->setEnteredListener([this](int id) { entered.push_back(id); });
        window.show();
        box->setFocus();
    }
    void type(const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }
    // The focus leaves as it does when the technician clicks elsewhere (an offscreen window
    // is never active, so the event is sent as the toolkit would send it).
    void leave() {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(box, &out);
    }

    QWidget window;
    QScrollBar* slider = nullptr;
    TTunerEditBox* box = nullptr;
    RecordingInteraction ui;
    std::vector<int> entered;
};

TEST_F(TTunerEditBoxTest, IsConfiguredAsTheScreensBox) {
    build(127);
    EXPECT_EQ(box->maxLength(), 3);
    EXPECT_EQ(box->geometry(), QRect(560, 30, 60, 20));
    EXPECT_EQ(box->id(), 4000);
    type(QStringLiteral("1a-2.5"));
    EXPECT_EQ(box->text(), QStringLiteral("12."));
}

TEST_F(TTunerEditBoxTest, EnterOutsideTheRangeShowsItAndSendsNothing) {
    build(127);
    type(QStringLiteral("300"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{error("Softpot Value (300) is not between 0 and 127", "OUT OF RANGE")});
    EXPECT_TRUE(entered.empty());
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(box->text(), QStringLiteral("300"));
}

TEST_F(TTunerEditBoxTest, EnterInRangeMovesTheSliderAndReportsTheEntry) {
    build(31);
    type(QStringLiteral("17"));
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(entered, std::vector<int>{4000});
    EXPECT_EQ(slider->value(), 17);
    EXPECT_EQ(box->lastValue(), 17u);
}

TEST_F(TTunerEditBoxTest, LeavingTheBoxClampsItsTextAndMovesTheSlider) {
    build(127);
    const std::pair<QString, QString> cases[] = {{"300", "127"}, {"", "0"}, {"45", "45"}};
    for (const auto& [typed, after] : cases) {
        type(typed);
        leave();
        EXPECT_EQ(box->text(), after) << typed.toStdString();
        EXPECT_EQ(slider->value(), after.toInt());
    }
    EXPECT_TRUE(entered.empty());
    EXPECT_TRUE(ui.messages().empty());
}

}  // namespace
}  // namespace vantrel::testing
