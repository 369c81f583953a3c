#pragma once

#include "operations/MessageInteraction.h"

#include <filesystem>
#include <optional>
#include <string>

class QDialog;
class QPrinter;
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
    // A message with OK alone and a detail the technician can open below it (why a port did not
    // open, say); where there is no room for details, the message alone.
    virtual void messageWithDetail(const std::string& text, const std::string& caption, MessageIcon icon,
                                   const std::string& detail) {
        (void)detail;
        message(text, caption, icon);
    }
    // The chosen file, or nothing when the dialog was cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) = 0;
    // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int runDialog(QDialog& dialog) = 0;
    // The print dialog for a document of pages minPage to maxPage: the technician picks the
    // printer (or a PDF file), the pages and the copies, which the printer then carries. False
    // when the dialog was cancelled.
    virtual bool choosePrinter(QPrinter& printer, int minPage, int maxPage) {
        (void)printer, (void)minPage, (void)maxPage;
        return false;
    }
    // Opens the help at a context number, or at its contents.
    virtual void openHelp(std::optional<int> context) = 0;

    // The window the message boxes and file dialogs belong to, once it exists.
    virtual void setMainWindow(QWidget* window) { (void)window; }
};

}  // namespace vantrel
