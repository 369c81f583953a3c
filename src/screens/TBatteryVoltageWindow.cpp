#include "screens/TBatteryVoltageWindow.h"

#include "tuning/BatteryDacSessions.h"

#include <QLabel>
#include <QPushButton>

namespace vantrel {

ScreenLayout batteryLayout() { return ownControls({450, 150}); }

ScreenLayout dacLayout() {
    ScreenLayout layout;
    layout.window = {700, 210};
    layout.pointHeading = QStringLiteral("DAC No.");
    layout.buttonsY = 100;
    layout.programButton = false;
    layout.statusId = 8000;
    layout.status = {20, 140, 600, 30};
    layout.statusCreatedWith = QStringLiteral("Radio is currently dekeyed");
    layout.manyRowsRangeNote = {10, 180, 350, 20};
    return layout;
}

TBatteryVoltageWindow::TBatteryVoltageWindow(std::unique_ptr<TuningSession> session, MessageInteraction& ui)
    : TTuningScreen(nullptr, std::move(session), batteryLayout(), ui) {
    label(QStringLiteral("Target Voltage (V)"), {20, 50, 180, 20});
    target_ = label(QString(), {20, 70, 100, 30});
    target_->setProperty("controlId", 8000);
    label(QStringLiteral("Default"), {220, 50, 230, 20});
    threshold_ = label(QString(), {220, 70, 100, 30});
    threshold_->setProperty("controlId", 8001);
    connect(button(QStringLiteral("Program"), kProgram, {20, 110, 100, 30}), &QPushButton::clicked, this, [this] {
        this->session().program({});
        refresh();
    });
    refresh();
}

void TBatteryVoltageWindow::refresh() {
    TTuningScreen::refresh();
    if (target_ == nullptr) return;
    auto& battery = dynamic_cast<BatteryThresholdSession&>(session());
    target_->setText(QString::fromStdString(battery.targetText()));
    threshold_->setText(QString::fromStdString(battery.thresholdText()));
}

}  // namespace vantrel
