#pragma once

#include "app/Interaction.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::testing {

// A message box as the technician would have seen it.
struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const ShownMessage&) const = default;
};
void PrintTo(const ShownMessage& m, std::ostream* out);

// Notes and errors with the OK button alone.
inline ShownMessage note(std::string text, std::string caption) {
    return {std::move(text), std::move(caption), MessageIcon::Information, MessageButtons::Ok};
}
inline ShownMessage error(std::string text, std::string caption) {
    return {std::move(text), std::move(caption), MessageIcon::Exclamation, MessageButtons::Ok};
}

// Answers every dialog from a script and keeps what was shown, in order. A question or file
// dialog without a scripted answer fails the test and is cancelled.
class RecordingInteraction : public Interaction {
public:
    enum class Kind { Message, FileDialog, Dialog, Help, PrintDialog };
    struct Event {
        Kind kind;
        ShownMessage message;         // Message
        FileDialogRequest file;       // FileDialog
        std::string dialogTitle;      // Dialog
        std::optional<int> context;   // Help
        std::string detail;           // Message, when it had one
        std::pair<int, int> pages{};  // PrintDialog: the pages offered
    };

    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override;
    void messageWithDetail(const std::string& text, const std::string& caption, MessageIcon icon,
                           const std::string& detail) override;
    std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) override;
    int runDialog(QDialog& dialog) override;
    void openHelp(std::optional<int> context) override;
    bool choosePrinter(QPrinter& printer, int minPage, int maxPage) override;

    // The script.
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::filesystem::path>> files;
    // When set, file dialogs are answered by it instead (a test that drives the real dialog).
    std::function<std::optional<std::filesystem::path>(const FileDialogRequest&)> fileDialog;
    // Each handler gets the dialog as shown (it may click in it) and returns its result; with no
    // handler left the dialog is cancelled.
    std::deque<std::function<int(QDialog&)>> dialogs;
    // Each handler gets the printer (it may choose a PDF file and pages) and returns whether the
    // technician pressed Print; with no handler left the dialog is cancelled.
    std::deque<std::function<bool(QPrinter&)>> printDialogs;
    // Called as each thing is shown, while the program waits for the answer.
    std::function<void(const Event&)> onShow;

    std::vector<Event> events;
    std::vector<ShownMessage> messages() const;
    std::vector<std::optional<int>> helpRequests() const;
    std::vector<std::string> dialogTitles() const;
    void clear() { events.clear(); }

private:
    void record(Event event);
};

}  // namespace vantrel::testing
