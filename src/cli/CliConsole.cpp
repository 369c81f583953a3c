#include "cli/CliConsole.h"

#include <string_view>

namespace vantrel::cli {

namespace {

bool isNote(std::string_view caption) {
    while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
    return caption == "NOTE" || caption == "Note";
}

}  // namespace

void CliConsole::say(const messages::Message& message) {
    if (quiet_ && isNote(message.caption)) return;
    err_ << message.caption << ": " << message.text << '\n';
}

void CliConsole::note(const std::string& text) {
    if (!quiet_) err_ << "NOTE: " << text << '\n';
}

void CliConsole::error(const std::string& text) { err_ << "vantrel-cli: " << text << '\n'; }

void CliProgress::setText(const std::string& text) {
    if (!console_.showsProgress() || text.empty()) return;
    // Back to the start of the line, the text, and the rest of the old text cleared.
    console_.err() << '\r' << text << "\x1b[K" << std::flush;
    lineOpen_ = true;
}

void CliProgress::finish() {
    if (!lineOpen_) return;
    console_.err() << '\n';
    lineOpen_ = false;
}

std::string saveRefusalText(const std::string& path, SaveRefusal refusal) {
    switch (refusal) {
        case SaveRefusal::Directory:
            return path + ": is a directory; name a file";
        case SaveRefusal::NotARegularFile:
            return path + ": not a regular file (a device or a pipe); name a file";
        case SaveRefusal::BrokenLink:
            return path + ": a symbolic link to a file that does not exist";
        case SaveRefusal::CannotCreate:
            return path + ": cannot be written (missing folder or no permission)";
        case SaveRefusal::None:
            break;
    }
    return path + ": could not be written";
}

}  // namespace vantrel::cli
