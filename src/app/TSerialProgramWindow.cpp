#include "app/TSerialProgramWindow.h"

#include "app/Interaction.h"
#include "app/UtilityWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

using utilityWidgets::place;

TSerialProgramWindow::TSerialProgramWindow(radioStorage& storage, radioOperations& operations, Interaction& ui,
                                           int& openScreenKind, QWidget* parent)
    : QWidget(parent), session_(storage, operations, ui, openScreenKind) {
    setFixedSize(sizeHint());
    place(new QLabel(QStringLiteral("New Radio Serial No : "), this), 20, 20, 140, 20, utilityWidgets::kTextWeight);
    entry_ = place(new QLineEdit(this), 170, 20, 100, 20, utilityWidgets::kEntryWeight, kEntryId);
    entry_->setMaxLength(static_cast<int>(SerialProgramSession::kSerialLength));
    entry_->setValidator(new CharacterFilter(SerialProgramSession::acceptsCharacter, entry_));
    update_ = place(new QPushButton(QStringLiteral("Update"), this), 170, 80, 100, 30, utilityWidgets::kTextWeight,
                    kUpdateId);
    connect(update_, &QPushButton::clicked, this, [this] { session_.update(entry_->text().toStdString()); });
    connect(entry_, &QLineEdit::returnPressed, this, [this] { session_.quickUpdate(entry_->text().toStdString()); });
}

}  // namespace vantrel
