#include "cli/CliCommand.h"

#include "cli/CliOptions.h"
#include "cli/CliPortOpener.h"
#include "cli/ServiceVerbs.h"
#include "files/fileModule.h"
#include "files/previewFileModule.h"
#include "link/CommunicationError.h"
#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "operations/ProgressSink.h"
#include "operations/commandMessages.h"
#include "operations/programAllRecord.h"
#include "operations/radioOperations.h"
#include "operations/radioProgramAll.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/cominit.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <ostream>

namespace vantrel::cli {

namespace {

constexpr int kSuccess = 0;
constexpr int kRefused = 1;
constexpr int kUsageError = 2;

constexpr const char* kCommunicationError = "Radio Communication Error!!";

void say(std::ostream& err, const messages::Message& message) { err << message.caption << ": " << message.text << '\n'; }

// Progress as the operations report it, one line a step.
class StreamProgress : public ProgressSink {
public:
    explicit StreamProgress(std::ostream& err) : err_(err) {}
    void setText(const std::string& text) override {
        if (!text.empty()) err_ << text << '\n';
    }
    void setPercent(int) override {}

private:
    std::ostream& err_;
};

fileModule archiveModule(const CliOptions& options) {
    if (!options.key) return fileModule();
    const int key = *options.key;
    return fileModule([key] { return key; });
}

// Loads the archive named on the command line; false (with the refusal said) when it was refused.
bool loadNamedArchive(const CliOptions& options, radioStorage& storage, std::ostream& err) {
    switch (archiveModule(options).loadArchive(options.archive, storage)) {
        case ArchiveLoadResult::Loaded: say(err, messages::kArchiveLoaded); return true;
        case ArchiveLoadResult::NotOpenable: say(err, messages::kArchiveNotOpened); return false;
        case ArchiveLoadResult::NotAnArchive: say(err, messages::kNotAnArchive); return false;
        case ArchiveLoadResult::IncompatibleVersion: say(err, messages::kIncompatibleArchive); return false;
        case ArchiveLoadResult::InvalidTuningProcedureVersion: say(err, messages::kInvalidTuningProcedure); return false;
    }
    return false;
}

int readCommand(const CliOptions& options, std::ostream& err) {
    radioStorage storage;
    StreamProgress progress(err);
    radioOperations operations;
    int result = 0;
    try {
        result = operations.readRadio(storage, progress);
    } catch (const PortInUseError&) {
        say(err, messages::kPortInUse);
        return kRefused;
    } catch (const std::exception&) {
        say(err, messages::kReadFailed);
        return kRefused;
    }
    if (result == radioOperations::kUnusableFrequencyPlan && !operations.powerUpFailure()) {
        say(err, messages::kFrequencyPlanInvalid);
        return kRefused;
    }
    if (result != radioOperations::kReadComplete) {
        say(err, messages::kPowerUpError);
        if (result == messages::kHardwareFailureStatus) say(err, messages::kHardwareFailure);
        return kRefused;
    }
    say(err, messages::kRadioRead);
    const int version = storage.tuningProcedureVersion();
    if (version != 1 && version != 2) say(err, messages::kNotSuitableForTuning);
    if (!archiveModule(options).saveArchive(*options.output, storage)) {
        say(err, messages::kArchiveNotSaved);
        return kRefused;
    }
    say(err, messages::kArchiveSaved);
    return kSuccess;
}

// The radio on the line must be the one the archive came from.
bool sameRadio(const radioStorage& storage, std::ostream& err) {
    try {
        cominit conn;
        if (radioOperations().serialMatches(storage, conn)) return true;
        say(err, messages::kProgramSerialMismatch);
        recordProgramAll(storage, ServiceResult::Refused, messages::kProgramSerialMismatch.text);
    } catch (const PortInUseError&) {
        say(err, messages::kPortInUse);
    } catch (const std::exception&) {
        say(err, messages::kProgramError);
    }
    return false;
}

int programCommand(const CliOptions& options, std::ostream& err) {
    radioStorage storage;
    if (!loadNamedArchive(options, storage, err)) return kRefused;
    if (!sameRadio(storage, err)) return kRefused;
    StreamProgress progress(err);
    try {
        radioProgramAll(storage, progress).programAll();
    } catch (const std::exception&) {
        say(err, messages::kProgramError);
        return kRefused;
    }
    say(err, messages::kRadioProgrammed);
    return kSuccess;
}

int reportCommand(const CliOptions& options, std::ostream& err) {
    radioStorage storage;
    if (!loadNamedArchive(options, storage, err)) return kRefused;
    const std::string path = options.output.value_or(previewFileModule::kReportName);
    if (!previewFileModule(storage).writeReport(path)) {
        err << "ERROR: The report could not be written to " << path << '\n';
        return kRefused;
    }
    err << "NOTE: Report written to " << path << '\n';
    return kSuccess;
}

void printPlan(const radioStorage& storage, std::ostream& out) {
    RF_Frequency frequency;
    const auto base = static_cast<std::uint32_t>(storage.value(identity::kPlanRow, identity::kBandBaseEntry));
    for (int n = 1; n <= RF_Frequency::kPoints; ++n) {
        const auto tx = static_cast<std::uint32_t>(storage.value(identity::kPlanRow, RF_Frequency::transmitEntry(n)));
        const auto rx = static_cast<std::uint32_t>(storage.value(identity::kPlanRow, RF_Frequency::receiveEntry(n)));
        char line[128];
        std::snprintf(line, sizeof line, "F%d  Tx %-12s Rx %s\n", n,
                      tx == 0 ? "unused" : (std::to_string(frequency.frequencyMHz(base, tx)) + " MHz").c_str(),
                      rx == 0 ? "unused" : (std::to_string(frequency.frequencyMHz(base, rx)) + " MHz").c_str());
        out << line;
    }
}

int infoCommand(std::ostream& out, std::ostream& err) {
    radioStorage storage;
    try {
        cominit conn;
        readIdentity(conn, storage);
        readFrequencyPlan(conn, storage);
    } catch (const PortInUseError&) {
        say(err, messages::kPortInUse);
        return kRefused;
    } catch (const std::exception&) {
        err << "ERROR: " << kCommunicationError << '\n';
        return kRefused;
    }
    out << "Radio Serial No :" << storage.serialNumber() << '\n'
        << "Radio Model No: " << storage.modelNumber() << '\n'
        << "Tuning procedure version: " << storage.tuningProcedureVersion() << '\n';
    printPlan(storage, out);
    return kSuccess;
}

int dispatch(const CliOptions& options, std::ostream& out, std::ostream& err) {
    if (options.command == "read") return readCommand(options, err);
    if (options.command == "program") return programCommand(options, err);
    if (options.command == "report") return reportCommand(options, err);
    return infoCommand(out, err);
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (const auto status = runServiceVerb(arguments, std::cin, out, err)) return *status;
    CliOptions options;
    try {
        options = parseOptions(arguments);
    } catch (const UsageError& e) {
        err << "vantrel-cli: " << e.what() << "\n\n" << kUsage;
        return kUsageError;
    }
    if (options.command == "help") {
        out << kUsage;
        return kSuccess;
    }
    try {
        auto opener = makeCliPortOpener(options);
        std::unique_ptr<ScopedPortOpener> scope;
        if (opener) scope = std::make_unique<ScopedPortOpener>(*opener);
        return dispatch(options, out, err);
    } catch (const UsageError& e) {
        err << "vantrel-cli: " << e.what() << '\n';
        return kUsageError;
    }
}

}  // namespace vantrel::cli
