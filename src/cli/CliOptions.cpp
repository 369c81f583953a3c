#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#ifndef VANTREL_VERSION
#define VANTREL_VERSION "unknown"
#endif

namespace vantrel::cli {

namespace {

// What each command is and takes. The option names in `takes` are the long forms.
struct CommandInfo {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    bool needsArchive;
    std::vector<std::string_view> takes;
    bool takesSecondArchive = false;
};

const std::vector<CommandInfo>& commands() {
    static const std::vector<CommandInfo> table{
        {"read",
         "read -o FILE.sfp",
         "read the whole radio and save it as an archive (-o - writes it to standard output)",
         false,
         {"--output", "--port", "--device", "--key", "--quiet", "--verbose"}},
        {"program",
         "program FILE.sfp",
         "load an archive and program it all into the radio on the line\n"
         "  (refused when the radio's serial number differs)",
         true,
         {"--port", "--device", "--quiet", "--verbose"}},
        {"report",
         "report FILE.sfp [-o FILE] [--pdf FILE.pdf]",
         "write the softpot report of an archive to FILE, or to standard output without -o;\n"
         "  with --pdf its printed pages as a PDF file (and the text too when -o is given)",
         true,
         {"--output", "--pdf", "--quiet"}},
        {"info",
         "info [--json]",
         "read and print the radio's identity and frequency plan",
         false,
         {"--json", "--port", "--device", "--quiet", "--verbose"}},
        {"compare",
         "compare BEFORE.sfp AFTER.sfp [--json]",
         "print every value that differs between two archives of one radio; exit status 0 when\n"
         "  they are equal, 1 when they differ or come from different radios",
         true,
         {"--json", "--any-radio", "--quiet"},
         true},
        {"service-report",
         "service-report [BEFORE.sfp] AFTER.sfp -o OUT.pdf",
         "write a PDF of what changed between two archives, with a chart of every family's values\n"
         "  over frequency (one archive: its values and charts)",
         true,
         {"--output", "--any-radio", "--quiet"},
         true},
    };
    return table;
}

const CommandInfo* findCommand(std::string_view name) {
    for (const CommandInfo& info : commands()) {
        if (info.name == name) return &info;
    }
    return nullptr;
}

struct OptionInfo {
    std::string_view longName;
    std::string_view shortName;
    std::string_view value;  // empty for a flag
    std::string_view help;
};

const std::vector<OptionInfo>& optionTable() {
    static const std::vector<OptionInfo> table{
        {"--output", "-o", "FILE", "write to FILE; - is standard output"},
        {"--pdf", "", "FILE.pdf", "write the report's printed pages as a PDF file"},
        {"--port", "", "N", "use COM N instead of the port in com.ini"},
        {"--device", "", "PATH", "use this serial device (Linux and macOS)"},
        {"--key", "", "N", "archive key 0..32767 (default: drawn at random)"},
        {"--json", "", "", "print the identity or the comparison as JSON"},
        {"--any-radio", "", "", "compare archives even when their serial numbers differ"},
        {"--quiet", "-q", "", "no progress and no notes, only errors"},
        {"--verbose", "-v", "", "log every exchange with the radio (bytes and times) to standard error"},
    };
    return table;
}

const OptionInfo* findOption(std::string_view word) {
    for (const OptionInfo& option : optionTable()) {
        if (option.longName == word || (!option.shortName.empty() && option.shortName == word)) return &option;
    }
    return nullptr;
}

constexpr std::string_view kExitStatus =
    "Exit status:\n"
    "  0    done\n"
    "  1    the radio failed, refused or is not the archive's radio; compare: the archives differ\n"
    "  2    wrong command line\n"
    "  3    the serial port could not be opened\n"
    "  4    a file could not be read or written\n"
    "  130  interrupted (SIGINT), 143 terminated (SIGTERM): the radio was reset\n";

std::string optionLines(const std::vector<std::string_view>& names) {
    std::string text;
    for (const OptionInfo& option : optionTable()) {
        if (std::find(names.begin(), names.end(), option.longName) == names.end()) continue;
        std::string left = "  ";
        if (!option.shortName.empty()) left += std::string(option.shortName) + ", ";
        left += option.longName;
        if (!option.value.empty()) left += " " + std::string(option.value);
        left.resize(std::max<std::size_t>(left.size() + 1, 24), ' ');
        text += left + std::string(option.help) + "\n";
    }
    return text;
}

void store(CliOptions& options, std::string_view name, const std::string& value) {
    const std::string option(name);
    if (name == "--output") options.output = value;
    if (name == "--pdf") options.pdf = value;
    if (name == "--port") options.port = parseNumber(option, value);
    if (name == "--device") options.device = value;
    if (name == "--key") options.key = parseNumber(option, value);
    if (name == "--json") options.json = true;
    if (name == "--any-radio") options.anyRadio = true;
    if (name == "--quiet") options.quiet = true;
    if (name == "--verbose") options.verbose = true;
}

void takeOperand(CliOptions& options, const std::string& word) {
    if (options.command.empty()) {
        if (findCommand(word) == nullptr) throw UsageError("unknown command " + word);
        options.command = word;
    } else if (options.archive.empty() && findCommand(options.command)->needsArchive) {
        options.archive = word;
    } else if (options.secondArchive.empty() && findCommand(options.command)->takesSecondArchive) {
        options.secondArchive = word;
    } else {
        throw UsageError("unexpected argument " + word);
    }
}

void checkComplete(const CliOptions& options, const std::vector<std::string>& given) {
    if (options.command.empty()) throw UsageError("no command given");
    const CommandInfo& command = *findCommand(options.command);
    for (const std::string& name : given) {
        if (std::find(command.takes.begin(), command.takes.end(), name) == command.takes.end()) {
            throw UsageError(options.command + " does not take " + name);
        }
    }
    if (options.command == "read" && !options.output) throw UsageError("read needs -o FILE.sfp");
    if (command.needsArchive && options.archive.empty()) throw UsageError(options.command + " needs an archive file");
    if (options.command == "compare" && options.secondArchive.empty())
        throw UsageError("compare needs two archive files");
    if (options.command == "service-report" && (!options.output || options.toStandardOutput()))
        throw UsageError("service-report needs -o OUT.pdf");
    if (options.port && options.device) throw UsageError("--port and --device exclude each other");
    if (options.key && (*options.key < 0 || *options.key > 32767)) throw UsageError("--key takes 0..32767");
    if (options.quiet && options.verbose) throw UsageError("--quiet and --verbose exclude each other");
}

}  // namespace

std::string usageText(const std::string& topic) {
    if (const CommandInfo* command = findCommand(topic)) {
        return "Usage: vantrel-cli " + std::string(command->synopsis) + " [OPTIONS]\n\n" +
               std::string(command->summary) + "\n\nOptions:\n" + optionLines(command->takes) +
               "  -h, --help              show this text\n\n" + std::string(kExitStatus);
    }
    std::string text = "Usage: vantrel-cli COMMAND [OPTIONS]\n       vantrel-cli COMMAND --help\n\nCommands:\n";
    for (const CommandInfo& info : commands()) {
        text += "  " + std::string(info.synopsis) + "\n      " + std::string(info.summary) + "\n";
    }
    std::vector<std::string_view> all;
    for (const OptionInfo& option : optionTable()) all.push_back(option.longName);
    text += "\nOptions (each command takes those its help lists):\n" + optionLines(all) +
            "  -h, --help              show this text\n      --version           show the version\n" +
            "  --opt=VALUE is the same as --opt VALUE; after -- every argument is a file name\n\n" +
            std::string(kExitStatus);
    return text;
}

std::string versionText() { return "vantrel-cli " VANTREL_VERSION "\n"; }

CliOptions parseOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::vector<std::string> given;
    bool help = false;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (operandsOnly || word == "-" || word.empty() || word[0] != '-') {
            takeOperand(options, word);
            continue;
        }
        if (word == "--") {
            operandsOnly = true;
            continue;
        }
        if (word == "-h" || word == "--help") {
            help = true;
            continue;
        }
        if (word == "--version") {
            options.command = "version";
            return options;
        }
        const std::size_t equals = word.starts_with("--") ? word.find('=') : std::string::npos;
        const std::string name = word.substr(0, equals);
        const OptionInfo* option = findOption(name);
        if (option == nullptr) throw UsageError("unknown option " + name);
        std::string value;
        if (option->value.empty()) {
            if (equals != std::string::npos) throw UsageError(name + " takes no value");
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw UsageError(name + " needs a value");
        }
        store(options, option->longName, value);
        given.emplace_back(option->longName);
    }
    if (help) {
        options.helpTopic = options.command;
        options.command = "help";
        return options;
    }
    checkComplete(options, given);
    return options;
}

int parseNumber(const std::string& option, const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end) throw UsageError(option + " takes a whole number, not '" + text + "'");
    return value;
}

}  // namespace vantrel::cli
