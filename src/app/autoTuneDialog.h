#pragma once

#include <QDialog>

namespace vantrel {

// Shown, without buttons, while the radio tunes itself. The automatic tuning screens create it
// when they start the radio and destroy it on every way out; the technician cannot close it,
// because the radio is still busy until the screen hears back from it.
class autoTuneDialog : public QDialog {
public:
    static constexpr const char* kCaption = "Please Wait.... Auto Tuning....";
    static constexpr const char* kText = "Please wait.... Currently radio is Auto Tuning...";

    explicit autoTuneDialog(QWidget* parent);

    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace vantrel
