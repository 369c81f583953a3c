#include "screens/TPABiasScreen.h"

#include "screens/TTunerEditBox.h"
#include "screens/TUpDownControl.h"

#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {

// Identifiers and rows of the four quantities, in the order of BiasQuantity.
struct Place {
    const char* toggleText;
    int toggleId;
    int y;
    int boxId;
    int upDownId;
    int defaultId;  // 0: none
};
constexpr std::array<Place, kBiasQuantities> kPlaces{{
    {"Toggle Voltage", 7001, 50, 4001, 5005, 0},
    {"Toggle Bias 1", 7000, 120, 4000, 5000, 4004},
    {"Toggle Bias 2", 8001, 170, 4002, 5006, 4005},
    {"Toggle Bias 3", 8002, 220, 4003, 5007, 4006},
}};
constexpr int kProgramId = 7002;
constexpr int kBoxTextLimit = 3;

}  // namespace

TPABiasScreen::TPABiasScreen(std::unique_ptr<TuningSession> session, const ScreenLayout& layout,
                             MessageInteraction& ui)
    : TTuningScreen(nullptr, std::move(session), layout, ui) {
    label(QStringLiteral("Working Softpot"), {190, 95, 100, 20});
    label(QStringLiteral("Default Softpot"), {340, 95, 100, 20});
    for (const BiasControl& quantity : bias().controls()) {
        if (quantity.present) buildQuantity(quantity, ui);
    }
    QPushButton* program = button(QStringLiteral("Program"), kProgramId, {20, 300, 100, 30});
    connect(program, &QPushButton::clicked, this, [this] {
        std::vector<std::string> texts;
        for (const QuantityControls& c : controls_) texts.push_back(c.box != nullptr ? c.box->text().toStdString() : "");
        bias().program(texts);
        refresh();
    });
    label(QString::fromStdString(bias().rangeNote()), {10, 350, 430, 20});
    const std::string second = bias().rangeNoteSecondLine();
    if (!second.empty()) label(QString::fromStdString(second), {10, 370, 430, 20});
    showPositions();
    refresh();
}

PaBiasSession& TPABiasScreen::bias() { return static_cast<PaBiasSession&>(session()); }

void TPABiasScreen::buildQuantity(const BiasControl& quantity, MessageInteraction& ui) {
    const auto index = static_cast<std::size_t>(quantity.quantity);
    const Place& place = kPlaces[index];
    QuantityControls& c = controls_[index];
    c.toggle = button(QString::fromLatin1(place.toggleText), place.toggleId, {20, place.y, 100, 30});
    c.box = new TTunerEditBox(this, nullptr, quantity.range, place.boxId, QString(), {200, place.y, 60, 25},
                              kBoxTextLimit, ui);
    c.box->setProperty("controlId", place.boxId);
    c.upDown = new TUpDownControl(this, c.box, quantity.range, place.upDownId, {280, place.y, 20, 30});
    if (place.defaultId != 0) c.defaultValue = displayField(place.defaultId, {350, place.y, 60, 25});
    const BiasQuantity q = quantity.quantity;
    connect(c.toggle, &QPushButton::clicked, this, [this, q] {
        bias().toggle(q);
        showPositions();
        refresh();
    });
    const auto changed = [this, q, upDown = c.upDown] {
        bias().changeValue(q, upDown->position());
        refresh();
    };
    c.upDown->setEndListener(changed);
    c.box->setEnteredListener([changed](int) { changed(); });
}

// The boxes show the session's positions: the stored values at first, 0 when tuning starts.
void TPABiasScreen::showPositions() {
    for (const BiasControl& quantity : bias().controls()) {
        const QuantityControls& c = controls_[static_cast<std::size_t>(quantity.quantity)];
        if (c.box != nullptr) c.upDown->setPosition(quantity.position);
    }
}

void TPABiasScreen::refresh() {
    TTuningScreen::refresh();
    for (const BiasControl& quantity : bias().controls()) {
        const QuantityControls& c = controls_[static_cast<std::size_t>(quantity.quantity)];
        if (c.toggle == nullptr) continue;
        c.toggle->setEnabled(quantity.toggleEnabled);
        c.box->setEnabled(quantity.tuning);
        c.upDown->setEnabled(quantity.tuning);
        if (c.defaultValue != nullptr) c.defaultValue->setText(QString::fromStdString(quantity.defaultText));
    }
}

}  // namespace vantrel
