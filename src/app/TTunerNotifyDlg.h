#pragma once

#include <QDialog>

namespace vantrel {

// "Print Notifcation": shown once per print job, after the print dialog, to say that the preview
// shows the new format only when it is opened again.
class TTunerNotifyDlg : public QDialog {
public:
    static constexpr const char* kCaption = "Print Notifcation";
    static constexpr const char* kText =
        "Printing format changes will take effect immediately. However, for the print preview window to be "
        "updated, please close the current print preview window and then open it again.";

    explicit TTunerNotifyDlg(QWidget* parent = nullptr);
};

}  // namespace vantrel
