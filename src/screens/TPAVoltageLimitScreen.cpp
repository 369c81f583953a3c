#include "screens/TPAVoltageLimitScreen.h"

#include "screens/ScreenLayout.h"
#include "tuning/AutoTuneSession.h"

#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {
// The default value fields skip 4011, as on every seven-row screen.
int defaultFieldId(int index) { return control::kDefaultValue + index + (index < 4 ? 0 : 1); }
}  // namespace

TPAVoltageLimitScreen::TPAVoltageLimitScreen(std::unique_ptr<TuningSession> session, const ScreenLayout& layout,
                                             MessageInteraction& ui)
    : TTuningScreen(nullptr, std::move(session), layout, ui), wait_(this) {
    limit().setWait(&wait_);
    label(QStringLiteral("Frequency Point(MHz)"), {20, 10, 140, 20});
    label(QStringLiteral("Default Softpot"), {290, 10, 100, 20});
    for (int i = 0; i < static_cast<int>(limit().rows().size()); ++i) {
        const int y = 30 + 30 * i;
        frequencies_.push_back(displayField(control::kFrequency + i, {20, y, 150, 20}));
        defaults_.push_back(displayField(defaultFieldId(i), {310, y, 40, 20}));
    }
    QPushButton* autoTune = button(QStringLiteral("Auto Tune"), 7000, {20, 240, 100, 30});
    connect(autoTune, &QPushButton::clicked, this, [this] {
        limit().autoTune();
        refresh();
    });
    status_ = displayField(8000, {20, 280, 360, 30});
    label(QString::fromStdString(limit().rangeNote()), {20, 320, 360, 20});
    refresh();
}

PaVoltageLimitSession& TPAVoltageLimitScreen::limit() { return static_cast<PaVoltageLimitSession&>(session()); }

void TPAVoltageLimitScreen::refresh() {
    TTuningScreen::refresh();
    const auto& rows = limit().rows();
    for (std::size_t i = 0; i < frequencies_.size() && i < rows.size(); ++i) {
        frequencies_[i]->setText(QString::fromStdString(rows[i].frequencyText));
        defaults_[i]->setText(QString::fromStdString(rows[i].defaultText));
    }
    if (status_ != nullptr) status_->setText(QString::fromStdString(limit().statusText()));
}

}  // namespace vantrel
