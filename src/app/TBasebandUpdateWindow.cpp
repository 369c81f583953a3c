#include "app/TBasebandUpdateWindow.h"

#include "app/Interaction.h"
#include "app/UtilityWidgets.h"
#include "utilities/toneCodes.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vantrel {

namespace {

using utilityWidgets::place;
constexpr int kText = utilityWidgets::kTextWeight;
constexpr int kEntry = utilityWidgets::kEntryWeight;
constexpr int kRowPitch = 40;
constexpr std::array<const char*, BasebandUpdateSession::kSpacings> kSpacingTexts{
    "12.5 kHz Channel Spacing", "20 kHz Channel Spacing", "25 kHz Channel Spacing"};

}  // namespace

TBasebandUpdateWindow::TBasebandUpdateWindow(radioStorage& storage, Interaction& ui, int& openScreenKind,
                                             BasebandUpdateSession::ReadRadio readRadio, QWidget* parent)
    : QWidget(parent), ui_(ui), session_(storage, ui_, openScreenKind, std::move(readRadio)) {
    setFixedSize(sizeHint());
    buildSpacingButtons();
    place(new QLabel(QString::fromStdString(session_.radioTypeText()), this), 20, 135, 200, 20, kText);
    place(new QLabel(QString::fromStdString(session_.primarySystemText()), this), 20, 155, 300, 20, kText);
    place(new QLabel(QStringLiteral("New value"), this), 410, 25, 80, 20, kText);
    place(new QLabel(QStringLiteral("Default Value"), this), 520, 25, 80, 20, kText);
    for (int i = 0; i < session_.parameterCount(); ++i) buildParameterRow(i);
    update_ = place(new QPushButton(QStringLiteral("Update"), this), 400, kRowPitch * session_.parameterCount() + 70,
                    100, 30, kText, kUpdateId);
    connect(update_, &QPushButton::clicked, this, [this] { update(); });
    redraw();
}

QSize TBasebandUpdateWindow::sizeHint() const { return {625, kRowPitch * session_.parameterCount() + 150}; }

void TBasebandUpdateWindow::buildSpacingButtons() {
    place(new QGroupBox(QStringLiteral("Channel Spacing"), this), 20, 20, 200, 100, kText, 3100);
    for (int r = 0; r < BasebandUpdateSession::kSpacings; ++r) {
        auto* button = place(new QRadioButton(QString::fromLatin1(kSpacingTexts[static_cast<std::size_t>(r)]), this),
                             30, 40 + 25 * r, 170, 20, kText, kSpacingButtonId + r);
        connect(button, &QRadioButton::clicked, this, [this, r] { showRow(r); });
        spacing_[static_cast<std::size_t>(r)] = button;
    }
}

void TBasebandUpdateWindow::buildParameterRow(int i) {
    const int y = kRowPitch * i;
    place(new QLabel(QString::fromStdString(session_.parameterName(i)), this), 240, y + 42, 165, 20, kText);
    auto* list = place(new QComboBox(this), 410, y + 40, 80, 23, kEntry, kListId + i);
    for (const std::string_view tone : toneList()) list->addItem(QString::fromLatin1(tone.data(), int(tone.size())));
    // The chosen text is taken when the list closes, as the technician confirms a choice.
    connect(list, &QComboBox::activated, this, [this, i] { chosen(i); });
    lists_.push_back(list);
    auto* field = place(new QLineEdit(this), 520, y + 40, 70, 23, kEntry, kDefaultId + i);
    field->setEnabled(false);
    defaults_.push_back(field);
}

void TBasebandUpdateWindow::showRow(int row) {
    if (session_.showRow(row)) redraw();
}

void TBasebandUpdateWindow::chosen(int i) {
    session_.choose(i, lists_[static_cast<std::size_t>(i)]->currentText().toStdString());
    redraw();
}

MessageAnswer TBasebandUpdateWindow::CursorReleasingInteraction::message(const std::string& text,
                                                                         const std::string& caption, MessageIcon icon,
                                                                         MessageButtons buttons) {
    restoreCursor();
    return inner_.message(text, caption, icon, buttons);
}

void TBasebandUpdateWindow::CursorReleasingInteraction::showHourglass() {
    if (hourglass_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hourglass_ = true;
}

void TBasebandUpdateWindow::CursorReleasingInteraction::restoreCursor() {
    if (!hourglass_) return;
    QApplication::restoreOverrideCursor();
    hourglass_ = false;
}

void TBasebandUpdateWindow::update() {
    ui_.showHourglass();
    session_.update();
    ui_.restoreCursor();
    redraw();
}

void TBasebandUpdateWindow::redraw() {
    const int row = session_.shownRow();
    for (int r = 0; r < BasebandUpdateSession::kSpacings; ++r)
        spacing_[static_cast<std::size_t>(r)]->setChecked(r == row);
    for (int i = 0; i < static_cast<int>(lists_.size()); ++i) {
        QComboBox* list = lists_[static_cast<std::size_t>(i)];
        const int at = list->findText(QString::fromStdString(session_.currentText(i)));
        list->setCurrentIndex(at);  // -1 (no text) for no value
        defaults_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(session_.defaultText(i)));
    }
}

}  // namespace vantrel
