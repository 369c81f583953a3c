#include "screens/ReceiveWindows.h"

#include "tuning/ReceiveSessions.h"

#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {
constexpr int kRssiDacField = 4016;
constexpr int kFirstLevelField = 4000;
constexpr int kFirstSoftpotField = 4003;
constexpr int kFirstUpdateButton = 7001;
constexpr int kThresholdYs[] = {20, 60, 100};
}  // namespace

ScreenLayout ratedVolumeLayout() {
    ScreenLayout layout;
    layout.buttonsY = 150;
    layout.boxWidth = 55;
    layout.workingLabelX = 550;
    return layout;
}

ScreenLayout frontEndFilterLayout() {
    ScreenLayout layout;
    layout.window = {700, 350};
    layout.buttonsY = 240;
    layout.statusId = 8000;
    layout.status = {20, 280, 600, 30};
    return layout;
}

ScreenLayout rssiLayout() {
    ScreenLayout layout = ownControls({560, 230});
    layout.statusField = true;
    layout.statusId = 3000;
    layout.status = {20, 140, 500, 30};
    return layout;
}

TFrontEndFilterWindow::TFrontEndFilterWindow(std::unique_ptr<TuningSession> session, MessageInteraction& ui)
    : TTuningScreen(nullptr, std::move(session), frontEndFilterLayout(), ui) {
    if (dynamic_cast<FrontEndFilterSession&>(this->session()).showsRssiDac()) {
        label(QStringLiteral("RSSI DAC"), {350, 240, 140, 20});
        rssiDac_ = displayField(kRssiDacField, {410, 240, 40, 20});
    }
    refresh();
}

void TFrontEndFilterWindow::refresh() {
    TTuningScreen::refresh();
    if (rssiDac_ != nullptr) {
        rssiDac_->setText(QString::fromStdString(dynamic_cast<FrontEndFilterSession&>(session()).rssiDacText()));
    }
}

TRSSIWindow::TRSSIWindow(std::unique_ptr<TuningSession> session, MessageInteraction& ui)
    : TTuningScreen(nullptr, std::move(session), rssiLayout(), ui) {
    QFont font(QStringLiteral("Times Roman"));
    font.setPixelSize(12);
    setFont(font);
    auto& rssi = dynamic_cast<RssiSession&>(this->session());
    for (std::size_t i = 0; i < rssi.thresholds().size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const int y = kThresholdYs[i];
        label(QStringLiteral("-"), {10, y, 10, 20});
        Row row{displayField(kFirstLevelField + n - 1, {20, y, 50, 20}), nullptr};
        label(QStringLiteral("dBm"), {80, y, 80, 20});
        label(QStringLiteral("Softpot %1: ").arg(n), {150, y, 60, 20});
        row.softpot = displayField(kFirstSoftpotField + n - 1, {220, y, 50, 20});
        rows_.push_back(row);
        connect(button(QStringLiteral("Update"), kFirstUpdateButton + n - 1, {310, y, 100, 30}), &QPushButton::clicked,
                this, [this, n] {
                    dynamic_cast<RssiSession&>(this->session()).update(n);
                    refresh();
                });
    }
    refresh();
}

void TRSSIWindow::refresh() {
    TTuningScreen::refresh();
    const auto& thresholds = dynamic_cast<RssiSession&>(session()).thresholds();
    for (std::size_t i = 0; i < rows_.size() && i < thresholds.size(); ++i) {
        rows_[i].level->setText(QString::fromStdString(thresholds[i].level));
        rows_[i].softpot->setText(QString::fromStdString(thresholds[i].softpot));
    }
}

}  // namespace vantrel
