// vantrel-radio-sim: a simulated radio behind a pseudo-terminal, for running the desktop
// program or the command line without a radio on the desk.
//
//   vantrel-radio-sim --profile FILE --link PATH [--log FILE] [--meter FILE]
//
// PATH becomes a symbolic link to the pseudo-terminal's slave (link the program folder's com1
// to it, and COM1 reaches the radio). Once the link exists, "ready: PATH -> SLAVE" is printed on
// standard output. The radio serves until SIGINT or SIGTERM and then removes the link. With
// --meter, FILE always holds what a power meter on the antenna socket reads (for profiles that
// describe one).

#include "sim/PtyRadioLink.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

namespace {

using namespace vantrel::sim;
namespace fs = std::filesystem;

constexpr const char* kUsage = "usage: vantrel-radio-sim --profile FILE --link PATH [--log FILE] [--meter FILE]\n";

struct Options {
    fs::path profile;
    fs::path link;
    std::optional<fs::path> log;
    std::optional<fs::path> meter;
};

std::optional<Options> parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return std::nullopt;
        const fs::path value = argv[++i];
        if (arg == "--profile") {
            options.profile = value;
        } else if (arg == "--link") {
            options.link = value;
        } else if (arg == "--log") {
            options.log = value;
        } else if (arg == "--meter") {
            options.meter = value;
        } else {
            return std::nullopt;
        }
    }
    if (options.profile.empty() || options.link.empty()) return std::nullopt;
    return options;
}

PtyRadioLink* volatile servingLink = nullptr;

extern "C" void onStopSignal(int) {
    if (servingLink != nullptr) servingLink->requestStop();
}

void installStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

// Makes `link` point at `target`, replacing a stale link but never anything else. A link whose
// terminal still exists is served by a running simulator (a simulator's terminal goes with it):
// taking it over would leave two radios answering one program.
bool placeLink(const fs::path& link, const fs::path& target) {
    std::error_code error;
    const auto status = fs::symlink_status(link, error);
    if (fs::exists(status) || fs::is_symlink(status)) {
        if (!fs::is_symlink(status)) {
            std::fprintf(stderr, "vantrel-radio-sim: %s exists and is not a symbolic link; leaving it alone\n",
                         link.c_str());
            return false;
        }
        if (fs::is_character_file(fs::status(link, error))) {
            std::fprintf(stderr,
                         "vantrel-radio-sim: %s is served by a running simulator (it leads to %s); stop that one "
                         "or choose another link\n",
                         link.c_str(), fs::read_symlink(link, error).c_str());
            return false;
        }
        fs::remove(link, error);
    }
    fs::create_symlink(target, link, error);
    if (error) {
        std::fprintf(stderr, "vantrel-radio-sim: cannot create the link %s: %s\n", link.c_str(),
                     error.message().c_str());
        return false;
    }
    return true;
}

void removeLink(const fs::path& link, const fs::path& target) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(link, error)) && fs::read_symlink(link, error) == target) {
        fs::remove(link, error);
    }
}

// The power meter's reading, for a test script to read as it would read a real meter: one
// JSON object, replaced whole after every request.
void writeMeterReading(const fs::path& file, const RadioModel& model) {
    const auto watts = model.measuredOutputWatts();
    char text[96];
    if (watts) {
        std::snprintf(text, sizeof text, "{\"keyed\": %s, \"watts\": %.3f}\n", model.state().keyed ? "true" : "false",
                      *watts);
    } else {
        std::snprintf(text, sizeof text, "{\"keyed\": %s, \"watts\": null}\n", model.state().keyed ? "true" : "false");
    }
    const fs::path partial = file.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::trunc);
        out << text;
        if (!out) return;
    }
    std::error_code ignored;
    fs::rename(partial, file, ignored);
}

int serve(const Options& options) {
    const RadioProfile profile = loadRadioProfile(options.profile);
    SimRadio radio(profile);
    std::ofstream log;
    if (options.log) {
        log.open(*options.log, std::ios::app);
        if (!log) {
            std::fprintf(stderr, "vantrel-radio-sim: cannot write the log %s\n", options.log->c_str());
            return 1;
        }
    }
    radio.setObserver([&](const LoggedRequest& request) {
        if (log.is_open()) log << describe(request) << std::endl;
        // The observer runs after the request took effect, so the meter shows what it did.
        if (options.meter) writeMeterReading(*options.meter, radio.model());
    });
    if (options.meter) writeMeterReading(*options.meter, radio.model());
    PtyRadioLink link(radio);
    if (!placeLink(options.link, link.slavePath())) return 1;
    // Stoppable before anyone is told: a script that stops us right after the ready line must
    // still find its link removed.
    servingLink = &link;
    installStopSignals();
    // Only now can a program open the link; a script waits for this line before it starts one.
    std::printf("ready: %s -> %s\n", options.link.c_str(), link.slavePath().c_str());
    std::fflush(stdout);
    link.run();
    servingLink = nullptr;
    removeLink(options.link, link.slavePath());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        return serve(*options);
    } catch (const ProfileError& e) {
        std::fprintf(stderr, "vantrel-radio-sim: bad radio profile: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantrel-radio-sim: %s\n", e.what());
    }
    return 1;
}
