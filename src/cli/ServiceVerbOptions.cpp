#include "cli/ServiceVerbOptions.h"

#include <charconv>

namespace vantrel::cli {

const char* const kTuneUsage =
    "Usage: vantrel-cli tune (--port N | --device PATH) [--archive FILE.sfp] [--service-log FILE]\n"
    "\n"
    "Reads the radio (or loads the archive, whose radio the screens then check for), then runs\n"
    "tuning screens driven by one JSON request per line on standard input, answering one JSON\n"
    "object per line on standard output. Verbs: open, select, key, dekey, set, auto-tune,\n"
    "measure, commit, read, close. The end of input, a broken pipe, SIGINT and SIGTERM close\n"
    "the open screen as the desktop program does (dekey, reset).\n";

const char* const kServiceVerbsSummary =
    "Scripted alignment and the service log:\n"
    "  tune (--port N | --device PATH) [--archive FILE.sfp]\n"
    "                       drive tuning screens by JSON lines (vantrel-cli tune --help)\n"
    "  history [SERIAL] [--json]\n"
    "                       print the changes recorded in the service log\n";

const char* const kHistoryUsage =
    "Usage: vantrel-cli history [SERIAL] [--json] [--service-log FILE]\n"
    "\n"
    "Prints the changes recorded in the service log, of one radio when SERIAL is given, as a\n"
    "table or as one JSON object per line.\n";

namespace {

// One option word split into its name and, for --name=value, its value.
struct Word {
    std::string name;
    std::optional<std::string> value;
};

Word split(const std::string& word) {
    const auto equals = word.find('=');
    if (word.rfind("--", 0) != 0 || equals == std::string::npos) return {word, std::nullopt};
    return {word.substr(0, equals), word.substr(equals + 1)};
}

void checkComplete(const ServiceVerbOptions& options) {
    if (options.help) return;
    if (options.port.port && options.port.device) throw UsageError("--port and --device exclude each other");
    if (options.verb == "tune" && (options.json || options.serial)) throw UsageError("tune takes no SERIAL or --json");
    if (options.verb == "history" && (options.archive || options.port.port || options.port.device)) {
        throw UsageError("history reads the service log only: it takes no port or archive");
    }
}

}  // namespace

std::optional<ServiceVerbOptions> parseServiceVerbOptions(const std::vector<std::string>& arguments) {
    if (arguments.empty() || (arguments[0] != "tune" && arguments[0] != "history")) return std::nullopt;
    ServiceVerbOptions options;
    options.verb = arguments[0];
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const Word word = split(arguments[i]);
        const auto value = [&]() -> std::string {
            if (word.value) return *word.value;
            if (i + 1 >= arguments.size()) throw UsageError(word.name + " needs a value");
            return arguments[++i];
        };
        if (word.name == "-h" || word.name == "--help") {
            options.help = true;
        } else if (word.name == "--port") {
            options.port.port = parseNumber(word.name, value());
        } else if (word.name == "--device") {
            options.port.device = value();
        } else if (word.name == "--archive") {
            options.archive = value();
        } else if (word.name == "--service-log") {
            options.serviceLog = value();
        } else if (word.name == "--json" && !word.value) {
            options.json = true;
        } else if (!word.name.empty() && word.name[0] == '-') {
            throw UsageError("unknown option " + arguments[i]);
        } else if (options.verb == "history" && !options.serial) {
            options.serial = word.name;
        } else {
            throw UsageError("unexpected argument " + arguments[i]);
        }
    }
    checkComplete(options);
    return options;
}

}  // namespace vantrel::cli
