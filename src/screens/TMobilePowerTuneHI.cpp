#include "screens/TMobilePowerTuneHI.h"

#include "screens/TKMPowerEditBox.h"
#include "tuning/KMPowerTuneSession.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {
constexpr int kFirstRowY = 30;
constexpr int kRowPitch = 30;
using Column = KMPowerTuneSession::PowerColumn;
}  // namespace

ScreenLayout kmPowerLayout() {
    ScreenLayout layout = ownControls({650, 350});
    layout.statusField = true;
    layout.statusId = 4017;
    layout.status = {20, 290, 600, 30};
    layout.statusCreatedWith = QStringLiteral("Radio is currently dekeyed");
    return layout;
}

TMobilePowerTuneHI::TMobilePowerTuneHI(std::unique_ptr<TuningSession> session, MessageInteraction& ui)
    : TTuningScreen(nullptr, std::move(session), kmPowerLayout(), ui) {
    label(QStringLiteral("Frequency Points(MHz)"), {20, 10, 150, 20});
    label(QStringLiteral("Power 1(W)"), {210, 10, 150, 20});
    label(QStringLiteral("Power 2(W)"), {410, 10, 150, 20});
    const auto& rows = this->session().rows();
    for (int n = 1; n <= 7; ++n) {
        const int y = kFirstRowY + kRowPitch * (n - 1);
        frequencies_[static_cast<std::size_t>(n - 1)] = displayField(3000 + n - 1, {10, y, 150, 20});
        for (const Column column : {Column::Power1, Column::Power2}) {
            const bool first = column == Column::Power1;
            auto* box = new TKMPowerEditBox(this, (first ? kFirstPower1Box : kFirstPower2Box) + n - 1,
                                            {first ? 200 : 400, y, 100, 20}, first);
            box->setEnabled(rows.at(static_cast<std::size_t>(n - 1)).inUse);
            box->setFocusListener([this, n, column](int) {
                km().focusBox({n, column});
                refresh();
            });
            boxes_[KMPowerTuneSession::boxIndex({n, column})] = box;
        }
    }
    connect(button(QStringLiteral("PTT Toggle"), control::kPttToggle, {20, 250, 100, 30}), &QPushButton::clicked, this,
            [this] {
                this->session().toggleKey();
                refresh();
            });
    connect(button(QStringLiteral("Program"), control::kProgram, {170, 250, 100, 30}), &QPushButton::clicked, this,
            [this] {
                QApplication::setOverrideCursor(Qt::WaitCursor);
                km().program(powerTexts());
                QApplication::restoreOverrideCursor();
                refresh();
            });
    refresh();
}

KMPowerTuneSession& TMobilePowerTuneHI::km() { return dynamic_cast<KMPowerTuneSession&>(session()); }

TKMPowerEditBox* TMobilePowerTuneHI::powerBox(int point, bool power2) const {
    return boxes_.at(KMPowerTuneSession::boxIndex({point, power2 ? Column::Power2 : Column::Power1}));
}

std::vector<std::string> TMobilePowerTuneHI::powerTexts() const {
    std::vector<std::string> texts;
    for (const TKMPowerEditBox* box : boxes_) texts.push_back(box->text().toStdString());
    return texts;
}

// The boxes show the predicted powers after a display setup and keep what is typed afterwards.
void TMobilePowerTuneHI::refresh() {
    TTuningScreen::refresh();
    if (boxes_.front() == nullptr || shownGeneration_ == session().displayGeneration()) return;
    shownGeneration_ = session().displayGeneration();
    const auto& rows = session().rows();
    for (std::size_t i = 0; i < frequencies_.size(); ++i) {
        frequencies_[i]->setText(QString::fromStdString(rows.at(i).frequencyText));
    }
    for (int n = 1; n <= 7; ++n) {
        for (const Column column : {Column::Power1, Column::Power2}) {
            boxes_[KMPowerTuneSession::boxIndex({n, column})]->showText(
                QString::fromStdString(km().powerText({n, column})));
        }
    }
}

}  // namespace vantrel
