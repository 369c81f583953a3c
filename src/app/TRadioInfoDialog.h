#pragma once

#include <QDialog>

class QLineEdit;

namespace vantrel {

class radioStorage;

// "Radio Information": the serial and model number of the image in memory, as they are when
// the dialog opens (the defaults before any read or load, "Invalid" after a failed read).
class TRadioInfoDialog : public QDialog {
public:
    static constexpr int kSerialField = 105;
    static constexpr int kModelField = 106;

    TRadioInfoDialog(QWidget* parent, const radioStorage& storage);

    QLineEdit* serialField() const { return serial_; }
    QLineEdit* modelField() const { return model_; }

private:
    QLineEdit* serial_;
    QLineEdit* model_;
};

}  // namespace vantrel
