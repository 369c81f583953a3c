#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace vantrel {

// What the shell does after the port check made while the main window is being built.
struct ComStartupOutcome {
    static constexpr std::string_view kExitMessage = "COM.INI could not be created. Exiting Application";
    static constexpr std::string_view kExitCaption = "COM PORT INITIALIZATION ERROR";
    static constexpr int kExitStatus = -1;

    // false: show kExitMessage with kExitCaption (exclamation icon, OK) and end with kExitStatus.
    bool proceed;
    // The port number the check found.
    std::int32_t portNumber;
};

// Reads "com.ini"; when it cannot be read, runs the port dialog (modal, supplied by the shell)
// and reads again. A file still unreadable ends the program. Otherwise the port is opened
// once through the port opener and its line settings written back, so the device holds the
// fixed line format before the first radio action. A port that does not open is not reported
// here: every radio action reports it in its own words.
ComStartupOutcome runComStartupCheck(const std::function<void()>& runPortDialog);

}  // namespace vantrel
