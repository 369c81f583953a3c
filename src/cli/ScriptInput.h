#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace vantrel::cli {

// The request lines of a tune session, until the end of input or a stop signal. On the
// process's own standard input SIGINT and SIGTERM are held back while a request runs, so an
// exchange with the radio is never cut in the middle, and end the input once it is done.
class ScriptInput {
public:
    // Reads `in`; when `in` is the process's standard input the stop signals are caught.
    explicit ScriptInput(std::istream& in);
    ~ScriptInput();
    ScriptInput(const ScriptInput&) = delete;
    ScriptInput& operator=(const ScriptInput&) = delete;

    // The next line without its line end; nothing at the end of input or after a stop signal.
    std::optional<std::string> nextLine();
    // The signal that ended the input, or 0.
    int stopSignal() const;

private:
    std::optional<std::string> nextStandardLine();

    std::istream& in_;
    bool standardInput_;
    std::string buffer_;
    bool ended_ = false;
};

}  // namespace vantrel::cli
