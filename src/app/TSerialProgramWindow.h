#pragma once

#include "utilities/SerialProgramSession.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vantrel {

class Interaction;

// The serial number window: an entry field for the new ten-character number and Update. A view
// over SerialProgramSession; constructing it runs the session's opening check, which raises
// RadioChangedError when another radio is on the line.
class TSerialProgramWindow : public QWidget {
public:
    static constexpr int kEntryId = 4000;
    static constexpr int kUpdateId = 7001;

    TSerialProgramWindow(radioStorage& storage, radioOperations& operations, Interaction& ui, int& openScreenKind,
                         QWidget* parent = nullptr);

    QLineEdit* entry() const { return entry_; }
    QPushButton* updateButton() const { return update_; }
    QSize sizeHint() const override { return {460, 170}; }

private:
    SerialProgramSession session_;
    QLineEdit* entry_;
    QPushButton* update_;
};

}  // namespace vantrel
