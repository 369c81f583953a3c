#include "screens/TTuningScreen.h"

#include "screens/TTunerEditBox.h"
#include "screens/TUpDownControl.h"
#include "tuning/TuningSession.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace vantrel {

namespace {

constexpr int kFirstRowY = 30;
constexpr int kRowPitch = 30;
constexpr int kBoxTextLimit = 3;
constexpr int kPageStep = 10;

QFont screenFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    font.setWeight(QFont::Medium);
    return font;
}

// The default value fields of the seven-row screens skip 4011.
int defaultValueId(int index, int count) {
    if (count == 1 || index < 4) return control::kDefaultValue + index;
    return control::kDefaultValue + index + 1;
}

// Only a thumb held by the mouse is a drag: the wheel moves the slider without the end of
// scroll that would give a held connection back, so it counts as line steps.
SliderStep stepOf(int action, const QScrollBar& slider) {
    switch (action) {
        case QAbstractSlider::SliderPageStepAdd:
        case QAbstractSlider::SliderPageStepSub:
            return SliderStep::Page;
        case QAbstractSlider::SliderMove:
            return slider.isSliderDown() ? SliderStep::ThumbTrack : SliderStep::Line;
        default:
            return SliderStep::Line;
    }
}

// The closing exchange is the one wait of a screen that shows the hourglass.
class WaitCursorScope {
public:
    WaitCursorScope() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursorScope() { QApplication::restoreOverrideCursor(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};

}  // namespace

TTuningScreen::TTuningScreen(QWidget* parent, std::unique_ptr<TuningSession> session, const ScreenLayout& layout,
                             MessageInteraction& ui)
    : QWidget(parent), session_(std::move(session)) {
    setObjectName(QString::fromUtf8(session_->family().className.data(),
                                    static_cast<qsizetype>(session_->family().className.size())));
    setFixedSize(layout.window);
    setFont(screenFont());
    const int count = layout.valueRows ? static_cast<int>(session_->rows().size()) : 0;
    if (!layout.pointHeading.isEmpty()) {
        label(layout.pointHeading, {20, 10, 140, 20});
        label(QStringLiteral("Default Softpot"), {190, 10, 290, 20});
        label(QStringLiteral("Working Softpot"), {layout.workingLabelX, 10, 100, 20});
    }
    for (int i = 0; i < count; ++i) buildRow(i, count, layout, ui);
    buildButtons(layout, count);

    session_->open();
    for (int i = 0; i < count; ++i) connectRow(i);
    session_->setupDisplay();
    refresh();
}

TTuningScreen::~TTuningScreen() {
    WaitCursorScope wait;
    session_->close();
}

QLabel* TTuningScreen::label(const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, this);
    l->setGeometry(geometry);
    return l;
}

QLineEdit* TTuningScreen::displayField(int id, const QRect& geometry) {
    auto* field = new QLineEdit(this);
    field->setGeometry(geometry);
    field->setReadOnly(true);
    field->setEnabled(false);
    field->setProperty("controlId", id);
    return field;
}

QPushButton* TTuningScreen::button(const QString& text, int id, const QRect& geometry) {
    auto* b = new QPushButton(text, this);
    b->setGeometry(geometry);
    b->setProperty("controlId", id);
    return b;
}

void TTuningScreen::buildRow(int index, int count, const ScreenLayout& layout, MessageInteraction& ui) {
    const int y = kFirstRowY + kRowPitch * index;
    const std::uint32_t maximum = session_->maximum();
    RowControls row{};
    row.frequency = displayField(control::kFrequency + index, {10, y, 150, 20});
    row.defaultValue = displayField(defaultValueId(index, count), {200, y, 40, 20});
    row.slider = new QScrollBar(Qt::Horizontal, this);
    row.slider->setGeometry(250, y, 300, 20);
    row.slider->setRange(0, static_cast<int>(maximum));
    row.slider->setSingleStep(1);
    row.slider->setPageStep(kPageStep);
    row.slider->setProperty("controlId", control::kSlider + index);
    row.box = new TTunerEditBox(this, row.slider, maximum, control::kWorkingBox + index, QString(),
                                {560, y, layout.boxWidth, 20}, kBoxTextLimit, ui);
    row.box->setMinimum(session_->minimum());
    row.upDown = new TUpDownControl(this, row.box, maximum, control::kUpDown + index, {609, y, 20, 20});
    const bool inUse = session_->rows()[static_cast<std::size_t>(index)].inUse;
    for (QWidget* w :
         {static_cast<QWidget*>(row.slider), static_cast<QWidget*>(row.box), static_cast<QWidget*>(row.upDown)}) {
        w->setEnabled(inUse);
    }
    rows_.push_back(row);
}

void TTuningScreen::buildButtons(const ScreenLayout& layout, int rowCount) {
    if (layout.statusField) {
        status_ = displayField(layout.statusId, layout.status);
        status_->setText(layout.statusCreatedWith);
    }
    if (layout.rangeNoteShown) {
        const QRect note = rowCount > 1 ? layout.manyRowsRangeNote : layout.rangeNote;
        rangeNote_ = label(QString::fromStdString(session_->rangeNote()), note);
    }
    if (!layout.buttons) return;
    int x = 20;
    if (session_->transmits()) {
        auto* ptt = button(QStringLiteral("PTT Toggle"), control::kPttToggle, {x, layout.buttonsY, 100, 30});
        connect(ptt, &QPushButton::clicked, this, [this] {
            session_->toggleKey();
            refresh();
        });
        x = 130;
    }
    if (!layout.programButton) return;
    auto* program = button(QStringLiteral("Program"), control::kProgram, {x, layout.buttonsY, 100, 30});
    connect(program, &QPushButton::clicked, this, [this] {
        session_->program(boxTexts());
        refresh();
    });
}

void TTuningScreen::connectRow(int index) {
    const RowControls& row = rows_[static_cast<std::size_t>(index)];
    connect(row.slider, &QScrollBar::actionTriggered, this, [this, index, row](int action) {
        const auto value = static_cast<std::uint32_t>(row.slider->sliderPosition());
        row.upDown->setPosition(value);
        session_->sliderStep(index, value, stepOf(action, *row.slider));
        refresh();
    });
    connect(row.slider, &QScrollBar::sliderReleased, this, [this, index] {
        session_->sliderEnd(index);
        refresh();
    });
    row.upDown->setEndListener([this, index, row] {
        const std::uint32_t value = row.upDown->position();
        row.slider->setValue(static_cast<int>(value));
        session_->upDownEnd(index, value);
        refresh();
    });
    row.box->setEnteredListener([this, index, row](int) {
        session_->boxEntered(index, row.upDown->position());
        refresh();
    });
}

void TTuningScreen::refresh() {
    if (shownGeneration_ != session_->displayGeneration()) showDisplay();
    const auto& rows = session_->rows();
    for (std::size_t i = 0; i < rows_.size() && i < rows.size(); ++i) {
        rows_[i].defaultValue->setText(QString::fromStdString(rows[i].defaultText));
    }
    if (status_ != nullptr) status_->setText(QString::fromStdString(session_->statusText()));
}

void TTuningScreen::showDisplay() {
    shownGeneration_ = session_->displayGeneration();
    const auto& rows = session_->rows();
    for (std::size_t i = 0; i < rows_.size() && i < rows.size(); ++i) {
        const RowControls& controls = rows_[i];
        controls.frequency->setText(QString::fromStdString(rows[i].frequencyText));
        controls.slider->setValue(static_cast<int>(rows[i].working));
        controls.box->setText(QString::fromStdString(session_->workingText(static_cast<int>(i))));
    }
}

std::vector<std::string> TTuningScreen::boxTexts() const {
    std::vector<std::string> texts;
    for (const RowControls& row : rows_) texts.push_back(row.box->text().toStdString());
    return texts;
}

QWidget* TTuningScreen::control(int id) const {
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->property("controlId").toInt() == id) return child;
    }
    return nullptr;
}

}  // namespace vantrel
