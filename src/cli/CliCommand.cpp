#include "cli/CliCommand.h"

#include "cli/ArchiveLoading.h"
#include "cli/CliConsole.h"
#include "cli/CliOptions.h"
#include "cli/CliPortOpener.h"
#include "cli/IdentityOutput.h"
#include "cli/ServiceVerbOptions.h"
#include "cli/ServiceVerbs.h"
#include "cli/StopSignals.h"
#include "cli/UtilityCommands.h"
#include "cli/WatchedPort.h"
#include "files/fileBytes.h"
#include "files/fileModule.h"
#include "files/previewFileModule.h"
#include "files/radioBackup.h"
#include "files/reportPages.h"
#include "link/CommunicationError.h"
#include "link/FileLocations.h"
#include "link/PortOpenFailure.h"
#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "operations/ProgressSink.h"
#include "operations/ReadOutcome.h"
#include "operations/commandMessages.h"
#include "operations/programAllRecord.h"
#include "operations/radioOperations.h"
#include "operations/radioProgramAll.h"
#include "protocol/cominit.h"

#include <iostream>
#include <memory>
#include <optional>
#include <ostream>

namespace vantrel::cli {

namespace {

fileModule archiveModule(const CliOptions& options) {
    if (!options.key) return fileModule();
    const int key = *options.key;
    return fileModule([key] { return key; });
}

// A failure of radio work: a port that did not open is told by its cause, anything else by the
// command's own message.
int failed(const std::exception& failure, const messages::Message& message, CliConsole& console) {
    if (dynamic_cast<const PortInUseError*>(&failure) != nullptr) {
        if (dynamic_cast<const PortOpenFailure*>(&failure) != nullptr) {
            console.error(portOpenExplanation(failure));
        } else {
            console.say(messages::kPortInUse);
        }
        return status::kPort;
    }
    console.say(message);
    return status::kRadio;
}

// Writes text to standard output or, atomically, to the file; false (with the reason said)
// when it could not be written.
bool writeOutput(const std::string& path, const std::string& text, std::ostream& out, CliConsole& console) {
    if (path == "-") {
        out << text << std::flush;
        return static_cast<bool>(out);
    }
    if (replaceFile(path, text)) return true;
    console.error(saveRefusalText(path, probeSave(path)));
    return false;
}

int readCommand(const CliOptions& options, std::ostream& out, CliConsole& console) {
    // A radio read must never be lost to a bad output path: refuse it before the first request.
    if (!options.toStandardOutput()) {
        const SaveRefusal refusal = probeSave(*options.output);
        if (refusal != SaveRefusal::None) {
            console.error(saveRefusalText(*options.output, refusal));
            return status::kFile;
        }
    }
    radioStorage storage;
    CliProgress progress(console);
    radioOperations operations;
    ReadOutcome outcome;
    try {
        outcome = operations.readRadio(storage, progress);
    } catch (const std::exception& failure) {
        progress.finish();
        return failed(failure, messages::kReadFailed, console);
    }
    progress.finish();
    for (const messages::Message& message : readOutcomeMessages(outcome, storage)) console.say(message);
    if (!outcome.isComplete()) return status::kRadio;
    fileModule archive = archiveModule(options);
    keepBackup(archive, storage, fileLocations().data, console.err());
    const auto bytes = archive.archiveBytes(storage);
    if (!bytes || !writeOutput(*options.output, *bytes, out, console)) {
        console.say(messages::kArchiveNotSaved);
        return status::kFile;
    }
    console.say(messages::kArchiveSaved);
    return status::kDone;
}

// The radio on the line must be the one the archive came from.
int checkSameRadio(const radioStorage& storage, CliConsole& console) {
    try {
        cominit conn;
        if (radioOperations().serialMatches(storage, conn)) return status::kDone;
        console.say(messages::kProgramSerialMismatch);
        recordProgramAll(storage, ServiceResult::Refused, messages::kProgramSerialMismatch.text);
        return status::kRadio;
    } catch (const std::exception& failure) {
        return failed(failure, messages::kProgramError, console);
    }
}

void explainPartialProgramming(const CliOptions& options, CliConsole& console) {
    console.error("the radio may be partly programmed. Program the archive again (vantrel-cli program " +
                  options.archive + ") or, to put back the values the radio had, program the backup of its last read.");
}

int programCommand(const CliOptions& options, CliConsole& console) {
    radioStorage storage;
    if (!loadArchiveFile(options.archive, storage, console)) return status::kFile;
    if (const int refused = checkSameRadio(storage, console); refused != status::kDone) return refused;
    CliProgress progress(console);
    try {
        radioProgramAll(storage, progress).programAll();
    } catch (const std::exception& failure) {
        progress.finish();
        const int code = failed(failure, messages::kProgramError, console);
        explainPartialProgramming(options, console);
        return code;
    } catch (const Interrupted&) {
        progress.finish();
        explainPartialProgramming(options, console);
        throw;
    }
    progress.finish();
    console.say(messages::kRadioProgrammed);
    return status::kDone;
}

int reportPdf(const radioStorage& storage, const std::string& path, const PdfWriter& pdf, CliConsole& console) {
    if (!pdf) {
        console.error("this build of vantrel-cli cannot write PDF files");
        return status::kFile;
    }
    if (!pdf(splitReportLines(previewFileModule(storage).reportText()), path)) {
        console.error("the report could not be written to " + path);
        return status::kFile;
    }
    console.note("Report pages written to " + path);
    return status::kDone;
}

int reportCommand(const CliOptions& options, const PdfWriter& pdf, std::ostream& out, CliConsole& console) {
    radioStorage storage;
    if (!loadArchiveFile(options.archive, storage, console)) return status::kFile;
    if (options.pdf) {
        const int result = reportPdf(storage, *options.pdf, pdf, console);
        if (result != status::kDone || !options.output) return result;
    }
    const std::string path = options.output.value_or("-");
    if (!writeOutput(path, previewFileModule(storage).reportText(), out, console)) return status::kFile;
    if (path != "-") console.note("Report written to " + path);
    return status::kDone;
}

int infoCommand(const CliOptions& options, std::ostream& out, CliConsole& console) {
    radioStorage storage;
    try {
        cominit conn;
        readIdentity(conn, storage);
        readFrequencyPlan(conn, storage);
    } catch (const std::exception& failure) {
        return failed(failure, {"Radio Communication Error!!", "ERROR"}, console);
    }
    if (options.json) {
        printIdentityJson(storage, out);
    } else {
        printIdentity(storage, out);
    }
    return status::kDone;
}

int dispatch(const CliOptions& options, const PdfWriter& pdf, const ServiceReportPdfWriter& servicePdf,
             std::ostream& out, CliConsole& console) {
    if (isComparisonCommand(options.command)) return runComparisonCommand(options, servicePdf, out, console);
    if (options.command == "read") return readCommand(options, out, console);
    if (options.command == "program") return programCommand(options, console);
    if (options.command == "report") return reportCommand(options, pdf, out, console);
    return infoCommand(options, out, console);
}

// After an interruption the radio is reset on a connection of its own, so it does not stay in
// test mode, keyed or muted; nothing of that may fail the exit.
int resetAfterInterruption(int signal, PortWatch& watch, CliConsole& console) {
    watch.stopOnSignal = false;
    try {
        cominit conn;
        conn.reset();
        console.error("interrupted; the radio was reset");
    } catch (...) {
        console.error("interrupted; the radio could not be reset");
    }
    return status::kSignalBase + signal;
}

// Runs a command with its ports watched: traced with -v, stopped by SIGINT or SIGTERM.
int runWatched(const CliOptions& options, const PdfWriter& pdf, const ServiceReportPdfWriter& servicePdf,
               std::ostream& out, CliConsole& console) {
    const std::unique_ptr<PortOpener> named = makeCliPortOpener(options);
    PortWatch watch;
    if (options.verbose) watch.trace = &console.err();
    WatchingPortOpener watching(named ? *named : portOpener(), watch);
    ScopedPortOpener scope(watching);
    const bool talksToRadio = options.command != "report" && !isComparisonCommand(options.command);
    std::optional<StopSignals> signals;
    if (talksToRadio) signals.emplace();
    try {
        return dispatch(options, pdf, servicePdf, out, console);
    } catch (const Interrupted& interrupted) {
        return resetAfterInterruption(interrupted.signal, watch, console);
    }
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, bool errIsTerminal,
           const PdfWriter& pdf, const ServiceReportPdfWriter& servicePdf) {
    if (!arguments.empty() && isUtilityCommand(arguments.front())) return runUtilityCommand(arguments, out, err);
    if (const auto status = runServiceVerb(arguments, std::cin, out, err)) return *status;
    CliOptions options;
    try {
        options = parseOptions(arguments);
    } catch (const UsageError& e) {
        err << "vantrel-cli: " << e.what() << "\nTry 'vantrel-cli --help'.\n";
        return status::kUsage;
    }
    if (options.command == "help") {
        out << usageText(options.helpTopic);
        if (options.helpTopic.empty()) {
            out << '\n'
                << kUtilityUsage << '\n'
                << kServiceVerbsSummary << '\n'
                << describeFileLocations(fileLocations());
        }
        return status::kDone;
    }
    if (options.command == "version") {
        out << versionText();
        return status::kDone;
    }
    CliConsole console(err, errIsTerminal && !options.quiet, options.quiet);
    try {
        return runWatched(options, pdf, servicePdf, out, console);
    } catch (const UsageError& e) {
        err << "vantrel-cli: " << e.what() << '\n';
        return status::kUsage;
    }
}

}  // namespace vantrel::cli
