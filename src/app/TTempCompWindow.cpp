#include "app/TTempCompWindow.h"

#include "app/Interaction.h"
#include "app/UtilityWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

using utilityWidgets::place;

TTempCompWindow::TTempCompWindow(radioStorage& storage, Interaction& ui, int& openScreenKind, TempCompMode mode,
                                 QWidget* parent)
    : QWidget(parent), session_(storage, ui, openScreenKind, mode) {
    const bool reading = mode == TempCompMode::Read;
    setFixedSize(sizeHint());
    place(new QLabel(reading ? QStringLiteral("Read Temp Comp  :  ") : QStringLiteral("Temp Comp Write :  "), this), 20,
          20, 140, 20, utilityWidgets::kTextWeight);
    entry_ = place(new QLineEdit(QString::fromStdString(session_.displayText()), this), 170, 20, 100, 20,
                   utilityWidgets::kEntryWeight, kEntryId);
    entry_->setEnabled(!reading);
    if (!reading) {
        entry_->setMaxLength(static_cast<int>(TempCompSession::kDigits));
        entry_->setValidator(new CharacterFilter(TempCompSession::acceptsCharacter, entry_));
    }
    button_ = place(new QPushButton(reading ? QStringLiteral("Close") : QStringLiteral("Program"), this), 170, 80, 100,
                    30, utilityWidgets::kTextWeight, kButtonId);
    connect(button_, &QPushButton::clicked, this, [this] { pressed(); });
}

void TTempCompWindow::pressed() {
    if (session_.mode() == TempCompMode::Write) {
        session_.program(entry_->text().toStdString());
        return;
    }
    // Close shuts the frame around the window, as its own close box would.
    QWidget* frame = parentWidget() != nullptr ? parentWidget() : this;
    frame->close();
}

}  // namespace vantrel
