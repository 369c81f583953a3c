#pragma once

#include "files/fileBytes.h"
#include "operations/ProgressSink.h"
#include "operations/commandMessages.h"

#include <ostream>
#include <string>

namespace vantrel::cli {

// Standard error as vantrel-cli uses it: the program's messages with their captions, notes
// that -q silences, errors that nothing silences, and progress only where a person watches.
class CliConsole {
public:
    CliConsole(std::ostream& err, bool showProgress, bool quiet)
        : err_(err), showProgress_(showProgress), quiet_(quiet) {}

    // A message of the program, "CAPTION: text"; a note is left out under -q.
    void say(const messages::Message& message);
    void note(const std::string& text);
    void error(const std::string& text);

    bool showsProgress() const { return showProgress_; }
    std::ostream& err() { return err_; }

private:
    std::ostream& err_;
    bool showProgress_;
    bool quiet_;
};

// "35% Complete" as one line rewritten in place on a terminal; nothing when piped or quiet, where
// a hundred lines of percentages would only bury the one line that matters.
class CliProgress : public ProgressSink {
public:
    explicit CliProgress(CliConsole& console) : console_(console) {}
    ~CliProgress() override { finish(); }
    CliProgress(const CliProgress&) = delete;
    CliProgress& operator=(const CliProgress&) = delete;

    void setText(const std::string& text) override;
    void setPercent(int) override {}
    // Ends the progress line, so what is said next starts on a line of its own.
    void finish();

private:
    CliConsole& console_;
    bool lineOpen_ = false;
};

// Why a file could not be saved at `path`, for the command line.
std::string saveRefusalText(const std::string& path, SaveRefusal refusal);

}  // namespace vantrel::cli
