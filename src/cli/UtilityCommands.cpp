#include "cli/UtilityCommands.h"

#include "cli/BboConfigJson.h"
#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "cli/CliPortOpener.h"
#include "files/fileBytes.h"
#include "link/CommunicationError.h"
#include "link/PortOpenFailure.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "operations/ProgressSink.h"
#include "operations/radioOperations.h"
#include "protocol/cominit.h"
#include "utilities/BasebandUpdateSession.h"
#include "utilities/SerialProgramSession.h"
#include "utilities/TempCompSession.h"
#include "utilities/bboConfigFileModule.h"
#include "utilities/bboMatching.h"
#include "utilities/utilityMessages.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>

namespace vantrel::cli {

const char* const kUtilityUsage =
    "Radio utilities:\n"
    "  serial-number [--write NEW] [--expect SERIAL]\n"
    "                       print the radio's serial number, or program NEW (ten characters) after\n"
    "                       checking that the radio is SERIAL (default: the one on the line)\n"
    "  temp-comp [--write HEX]\n"
    "                       print the four temperature compensation bytes, or program eight digits\n"
    "  bbo                  read the radio and print its baseband offsets as tone frequencies\n"
    "                       (file-mode radios are described by bbo.cfg, see Files below)\n"
    "  bbo-config decode FILE [-o DESCRIPTION.json]\n"
    "  bbo-config encode DESCRIPTION.json -o FILE\n"
    "                       read a baseband offset configuration as JSON, or write one from JSON;\n"
    "                       the two round-trip byte for byte\n";

namespace {

constexpr std::size_t kMaxDescription = 4 << 20;

struct UtilityOptions {
    std::string command;
    std::vector<std::string> words;
    std::optional<std::string> write;
    std::optional<std::string> expect;
    std::optional<std::string> output;
    CliOptions port;
};

UtilityOptions parse(const std::vector<std::string>& arguments) {
    UtilityOptions o;
    o.command = arguments.at(0);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (++i >= arguments.size()) throw UsageError(word + " needs a value");
            return arguments[i];
        };
        if (word == "--write")
            o.write = value();
        else if (word == "--expect")
            o.expect = value();
        else if (word == "-o" || word == "--output")
            o.output = value();
        else if (word == "--port")
            o.port.port = parseNumber(word, value());
        else if (word == "--device")
            o.port.device = value();
        else if (!word.empty() && word[0] == '-')
            throw UsageError("unknown option " + word);
        else
            o.words.push_back(word);
    }
    if (o.port.port && o.port.device) throw UsageError("--port and --device exclude each other");
    return o;
}

// The technician's side on the command line: every message goes to the error stream with its
// caption; a question is answered with Cancel (or No), so nothing is done without being asked for.
class CliMessages : public MessageInteraction {
public:
    explicit CliMessages(std::ostream& err) : err_(err) {}
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon,
                          MessageButtons buttons) override {
        shown.push_back(text);
        err_ << caption.substr(caption.find_first_not_of(' ')) << ": " << text << '\n';
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        err_ << "(answered " << (buttons == MessageButtons::YesNo ? "No" : "Cancel") << ")\n";
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
    bool said(const messages::Notice& notice) const {
        return std::find(shown.begin(), shown.end(), notice.text) != shown.end();
    }

    std::vector<std::string> shown;

private:
    std::ostream& err_;
};

// The exit status after a utility's session: done when it said so, the port's status when the
// port would not open, else the radio's.
int outcome(const CliMessages& ui, const messages::Notice& success) {
    if (ui.said(success)) return status::kDone;
    return ui.said(messages::kUtilityPortInUse) ? status::kPort : status::kRadio;
}

class QuietProgress : public ProgressSink {
public:
    void setText(const std::string&) override {}
    void setPercent(int) override {}
};

int serialNumberCommand(const UtilityOptions& o, std::ostream& out, std::ostream& err) {
    CliMessages ui(err);
    radioStorage storage;
    radioOperations operations;
    {
        cominit conn;
        readIdentity(conn, storage);
    }
    if (!o.write) {
        out << storage.serialNumber() << '\n';
        return status::kDone;
    }
    if (o.expect) storage.setSerialNumber(*o.expect);
    int kind = 0;
    try {
        SerialProgramSession session(storage, operations, ui, kind);
        session.update(*o.write);
    } catch (const RadioChangedError& e) {
        err << "WARNING: " << e.what() << '\n';
        return status::kRadio;
    }
    return outcome(ui, messages::kSerialProgrammed);
}

int tempCompCommand(const UtilityOptions& o, std::ostream& out, std::ostream& err) {
    CliMessages ui(err);
    radioStorage storage;
    int kind = 0;
    if (!o.write) {
        TempCompSession session(storage, ui, kind, TempCompMode::Read);
        if (!ui.shown.empty()) return ui.said(messages::kUtilityPortInUse) ? status::kPort : status::kRadio;
        out << session.displayText() << '\n';
        return status::kDone;
    }
    // The window's entry field takes hexadecimal digits only; a text it could not hold is no entry.
    if (!std::all_of(o.write->begin(), o.write->end(), TempCompSession::acceptsCharacter)) {
        throw UsageError("--write takes hexadecimal digits, not '" + *o.write + "'");
    }
    TempCompSession session(storage, ui, kind, TempCompMode::Write);
    session.program(*o.write);
    return outcome(ui, messages::kTempCompWritten);
}

void printOffsets(BasebandUpdateSession& session, std::ostream& out) {
    out << session.radioTypeText() << '\n' << session.primarySystemText() << '\n';
    char line[160];
    std::snprintf(line, sizeof line, "%-30s %-9s %-9s %s\n", "Parameter", "12.5 kHz", "20 kHz", "25 kHz");
    out << line;
    for (int i = 0; i < session.parameterCount(); ++i) {
        std::string tones[BasebandUpdateSession::kSpacings];
        for (int r = 0; r < BasebandUpdateSession::kSpacings; ++r) {
            session.showRow(r);
            tones[r] = session.currentText(i);
        }
        std::snprintf(line, sizeof line, "%-30s %-9s %-9s %s\n", session.parameterName(i).c_str(), tones[0].c_str(),
                      tones[1].c_str(), tones[2].c_str());
        out << line;
    }
}

int bboCommand(std::ostream& out, std::ostream& err) {
    CliMessages ui(err);
    radioStorage storage;
    QuietProgress progress;
    if (!radioOperations().readRadio(storage, progress).isComplete()) {
        err << "ERROR: the radio could not be read\n";
        return status::kRadio;
    }
    bboConfigFileModule config;
    if (!prepareBasebandUpdate(storage, config, ui)) {
        if (!config.failure().empty()) err << "bbo.cfg: " << config.failure() << '\n';
        return status::kRadio;
    }
    int kind = 0;
    BasebandUpdateSession session(storage, ui, kind, nullptr);
    if (kind == 0) return status::kRadio;
    printOffsets(session, out);
    return status::kDone;
}

bool writeOutput(const std::optional<std::string>& path, const std::string& bytes, std::ostream& out,
                 std::ostream& err) {
    if (!path) {
        out << bytes;
        return true;
    }
    if (replaceFile(*path, bytes)) return true;
    err << "ERROR: " << *path << " could not be written\n";
    return false;
}

int bboConfigCommand(const UtilityOptions& o, std::ostream& out, std::ostream& err) {
    if (o.words.size() != 2 || (o.words[0] != "decode" && o.words[0] != "encode")) {
        throw UsageError("bbo-config takes decode FILE or encode DESCRIPTION.json -o FILE");
    }
    const bool decode = o.words[0] == "decode";
    if (!decode && !o.output) throw UsageError("bbo-config encode needs -o FILE");
    const std::optional<std::string> input =
        readFileHead(o.words[1], decode ? bboConfigFileModule::kMaxFileSize + 1 : kMaxDescription + 1);
    if (!input) {
        err << "ERROR: " << o.words[1] << " could not be read\n";
        return status::kFile;
    }
    try {
        const std::string result =
            decode ? describeBboConfig(decodeBboConfigFile(*input)) : encodeBboConfig(bboConfigFromJson(*input));
        return writeOutput(o.output, result, out, err) ? status::kDone : status::kFile;
    } catch (const BboConfigError& e) {
        err << "ERROR: " << o.words[1] << ": " << e.what() << '\n';
        return status::kFile;
    }
}

int dispatch(const UtilityOptions& o, std::ostream& out, std::ostream& err) {
    if (o.command == "bbo-config") return bboConfigCommand(o, out, err);
    if (!o.words.empty()) throw UsageError("unexpected argument " + o.words.front());
    auto opener = makeCliPortOpener(o.port);
    std::unique_ptr<ScopedPortOpener> scope;
    if (opener) scope = std::make_unique<ScopedPortOpener>(*opener);
    try {
        if (o.command == "serial-number") return serialNumberCommand(o, out, err);
        if (o.command == "temp-comp") return tempCompCommand(o, out, err);
        return bboCommand(out, err);
    } catch (const UsageError&) {
        throw;
    } catch (const PortInUseError& failure) {
        err << "ERROR: " << portOpenExplanation(failure) << '\n';
        return status::kPort;
    } catch (const std::exception&) {
        err << "ERROR: " << messages::kUtilityCommunicationError.text << '\n';
    }
    return status::kRadio;
}

}  // namespace

bool isUtilityCommand(const std::string& word) {
    return word == "bbo-config" || word == "serial-number" || word == "temp-comp" || word == "bbo";
}

int runUtilityCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    try {
        return dispatch(parse(arguments), out, err);
    } catch (const UsageError& e) {
        err << "vantrel-cli: " << e.what() << "\n\n" << kUtilityUsage;
        return status::kUsage;
    }
}

}  // namespace vantrel::cli
