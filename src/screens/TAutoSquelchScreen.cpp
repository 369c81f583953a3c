#include "screens/TAutoSquelchScreen.h"

#include "screens/TUpDownControl.h"
#include "tuning/AutoTuneSession.h"

#include <QPushButton>
#include <QScrollBar>

namespace vantrel {

namespace {
constexpr int kFirstAutoTune = 7002;
}  // namespace

TAutoSquelchScreen::TAutoSquelchScreen(std::unique_ptr<TuningSession> session, const ScreenLayout& layout,
                                       MessageInteraction& ui)
    : TTuningScreen(nullptr, std::move(session), layout, ui), wait_(this) {
    squelch().setWait(&wait_);
    const int minimum = static_cast<int>(squelch().minimum());
    for (int i = 0; i < static_cast<int>(rowControls().size()); ++i) {
        rowControls()[static_cast<std::size_t>(i)].slider->setMinimum(minimum);
        QPushButton* autoTune = button(QStringLiteral("Auto Tune"), kFirstAutoTune + i, {625, 30 + 30 * i, 100, 20});
        connect(autoTune, &QPushButton::clicked, this, [this, i] {
            squelch().autoTune(i);
            const auto& controls = rowControls()[static_cast<std::size_t>(i)];
            const std::uint32_t found = squelch().rows()[static_cast<std::size_t>(i)].working;
            controls.upDown->setPosition(found);
            controls.slider->setValue(static_cast<int>(found));
            refresh();
        });
    }
}

AutoSquelchSession& TAutoSquelchScreen::squelch() { return static_cast<AutoSquelchSession&>(session()); }

}  // namespace vantrel
