#pragma once

#include "app/Interaction.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QFileDialog;

namespace vantrel {

// The desktop's own dialogs: message boxes over the main window, the toolkit's file dialogs,
// and the help pages beside the executable opened in the desktop's browser.
class QtInteraction : public Interaction {
public:
    // Message boxes and file dialogs are modal over this window (none until it exists).
    void setMainWindow(QWidget* window) override { parent_ = window; }

    void messageWithDetail(const std::string& text, const std::string& caption, MessageIcon icon,
                           const std::string& detail) override;
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) override;
    int runDialog(QDialog& dialog) override;
    bool choosePrinter(QPrinter& printer, int minPage, int maxPage) override;
    void openHelp(std::optional<int> context) override;

    // Modes, filter, default suffix and overwrite question of a file dialog from its data.
    static void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

    // What the help viewer is given for a topic.
    static QUrl topicUrl(const std::filesystem::path& page, int context);
    // Where the pages that forward to a topic are written.
    static QString forwardingFolder();
    // What the technician is told when the help cannot be shown.
    static QString helpFailureText(const std::filesystem::path& page, bool pagePresent);

private:
    QPointer<QWidget> parent_;
};

}  // namespace vantrel
