#include "cli/CliOptions.h"

#include <charconv>

namespace vantrel::cli {

const char* const kUsage =
    "Usage: vantrel-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  read -o FILE.sfp     read the whole radio and save it as an archive\n"
    "  program FILE.sfp     load an archive and program it all into the radio on the line\n"
    "                       (refused when the radio's serial number differs)\n"
    "  report FILE.sfp [-o FILE]\n"
    "                       write the softpot report of an archive (default display.txt)\n"
    "  info                 read and print the radio's identity and frequency plan\n"
    "  tune                 drive tuning screens from JSON lines (vantrel-cli tune --help)\n"
    "  history [SERIAL]     print the service log of changes made to radios (--json)\n"
    "\n"
    "Options:\n"
    "  --port N             use COM N instead of the port in com.ini\n"
    "  --device PATH        use this serial device (Linux and macOS)\n"
    "  --key N              archive key 0..32767 (default: drawn at random)\n"
    "  -h, --help           show this text\n";

namespace {

int parseNumber(const std::string& option, const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end) throw UsageError(option + " takes a whole number, not '" + text + "'");
    return value;
}

class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}
    bool done() const { return next_ >= arguments_.size(); }
    const std::string& take() { return arguments_[next_++]; }
    const std::string& valueOf(const std::string& option) {
        if (done()) throw UsageError(option + " needs a value");
        return take();
    }

private:
    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
};

bool isCommand(const std::string& word) {
    return word == "read" || word == "program" || word == "report" || word == "info";
}

void checkComplete(const CliOptions& options) {
    if (options.command.empty()) throw UsageError("no command given");
    if (options.command == "read" && !options.output) throw UsageError("read needs -o FILE.sfp");
    if ((options.command == "program" || options.command == "report") && options.archive.empty()) {
        throw UsageError(options.command + " needs an archive file");
    }
    if (options.port && options.device) throw UsageError("--port and --device exclude each other");
    if (options.key && (*options.key < 0 || *options.key > 32767)) throw UsageError("--key takes 0..32767");
}

}  // namespace

CliOptions parseOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    ArgumentReader reader(arguments);
    while (!reader.done()) {
        const std::string& word = reader.take();
        if (word == "-h" || word == "--help") {
            options.command = "help";
            return options;
        }
        if (word == "-o" || word == "--output") {
            options.output = reader.valueOf(word);
        } else if (word == "--port") {
            options.port = parseNumber(word, reader.valueOf(word));
        } else if (word == "--device") {
            options.device = reader.valueOf(word);
        } else if (word == "--key") {
            options.key = parseNumber(word, reader.valueOf(word));
        } else if (!word.empty() && word[0] == '-') {
            throw UsageError("unknown option " + word);
        } else if (options.command.empty()) {
            if (!isCommand(word)) throw UsageError("unknown command " + word);
            options.command = word;
        } else if (options.archive.empty() && (options.command == "program" || options.command == "report")) {
            options.archive = word;
        } else {
            throw UsageError("unexpected argument " + word);
        }
    }
    checkComplete(options);
    return options;
}

}  // namespace vantrel::cli
