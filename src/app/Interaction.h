#pragma once

#include "operations/MessageInteraction.h"

#include <filesystem>
#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace vantrel {

// The data of a file-open or file-save dialog.
struct FileDialogRequest {
    enum class Mode { Open, Save };

    Mode mode = Mode::Open;
    // "Description (pattern)|pattern|", as many pairs as there are choices.
    std::string filter;
    // Added to a name typed without an extension.
    std::string defaultExtension;
    bool fileMustExist = false;
    bool hideReadOnly = false;
    bool promptBeforeOverwriting = false;
};

// Every exchange with the technician that waits for an answer goes through here: message boxes
// and questions, file dialogs, the program's own modal dialogs and the help viewer. The program
// uses the toolkit's dialogs; tests answer from a script and keep the exact texts, captions,
// icons and buttons that were shown.
class Interaction : public MessageInteraction {
public:
    // The chosen file, or nothing when the dialog was cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) = 0;
    // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int runDialog(QDialog& dialog) = 0;
    // Opens the help at a context number, or at its contents.
    virtual void openHelp(std::optional<int> context) = 0;

    // The window the message boxes and file dialogs belong to, once it exists.
    virtual void setMainWindow(QWidget* window) { (void)window; }
};

}  // namespace vantrel
