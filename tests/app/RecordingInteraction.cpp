#include "RecordingInteraction.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace vantrel::testing {

void PrintTo(const ShownMessage& m, std::ostream* out) {
    static const char* const kButtons[] = {"OK", "OK+Cancel", "Yes+No"};
    *out << "{\"" << m.text << "\", \"" << m.caption << "\", "
         << (m.icon == MessageIcon::Information ? "information" : "exclamation") << ", "
         << kButtons[static_cast<int>(m.buttons)] << "}";
}

void RecordingInteraction::record(Event event) {
    events.push_back(std::move(event));
    if (onShow) onShow(events.back());
}

MessageAnswer RecordingInteraction::message(const std::string& text, const std::string& caption, MessageIcon icon,
                                            MessageButtons buttons) {
    record(Event{Kind::Message, ShownMessage{text, caption, icon, buttons}, {}, {}, {}, {}, {}});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "no answer scripted for \"" << text << "\"";
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingInteraction::messageWithDetail(const std::string& text, const std::string& caption, MessageIcon icon,
                                             const std::string& detail) {
    record(Event{Kind::Message, ShownMessage{text, caption, icon, MessageButtons::Ok}, {}, {}, {}, detail});
}

std::optional<std::filesystem::path> RecordingInteraction::chooseFile(const FileDialogRequest& request) {
    record(Event{Kind::FileDialog, {}, request, {}, {}, {}});
    if (fileDialog) return fileDialog(request);
    if (files.empty()) {
        ADD_FAILURE() << "no file scripted for a file dialog";
        return std::nullopt;
    }
    auto file = files.front();
    files.pop_front();
    return file;
}

int RecordingInteraction::runDialog(QDialog& dialog) {
    record(Event{Kind::Dialog, {}, {}, dialog.windowTitle().toStdString(), {}, {}});
    if (dialogs.empty()) return QDialog::Rejected;
    auto handler = std::move(dialogs.front());
    dialogs.pop_front();
    return handler(dialog);
}

void RecordingInteraction::openHelp(std::optional<int> context) { record(Event{Kind::Help, {}, {}, {}, context, {}}); }

bool RecordingInteraction::choosePrinter(QPrinter& printer, int minPage, int maxPage) {
    record(Event{Kind::PrintDialog, {}, {}, {}, {}, {}, {minPage, maxPage}});
    if (printDialogs.empty()) return false;
    auto handler = std::move(printDialogs.front());
    printDialogs.pop_front();
    return handler(printer);
}

std::vector<ShownMessage> RecordingInteraction::messages() const {
    std::vector<ShownMessage> shown;
    for (const Event& e : events) {
        if (e.kind == Kind::Message) shown.push_back(e.message);
    }
    return shown;
}

std::vector<std::optional<int>> RecordingInteraction::helpRequests() const {
    std::vector<std::optional<int>> requests;
    for (const Event& e : events) {
        if (e.kind == Kind::Help) requests.push_back(e.context);
    }
    return requests;
}

std::vector<std::string> RecordingInteraction::dialogTitles() const {
    std::vector<std::string> titles;
    for (const Event& e : events) {
        if (e.kind == Kind::Dialog) titles.push_back(e.dialogTitle);
    }
    return titles;
}

}  // namespace vantrel::testing
