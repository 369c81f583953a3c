#include "cli/TuneCommand.h"

#include "cli/ScriptInput.h"
#include "cli/ServiceVerbOptions.h"
#include "cli/TuneScript.h"
#include "files/fileModule.h"
#include "link/CommunicationError.h"
#include "link/PortOpenFailure.h"
#include "model/radioStorage.h"
#include "operations/ProgressSink.h"
#include "operations/ReadOutcome.h"
#include "operations/archiveLoadMessage.h"
#include "operations/commandMessages.h"
#include "operations/radioOperations.h"
#include "tuning/TuningFamily.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace vantrel::cli {

namespace {

using json = nlohmann::json;

constexpr int kSuccess = 0;
constexpr int kRefused = 1;
constexpr int kSignalled = 128;

class SilentProgress : public ProgressSink {
public:
    void setText(const std::string&) override {}
    void setPercent(int) override {}
};

// The radio on the line into the storage; the reason when it could not be read.
std::optional<std::string> readRadioInto(radioStorage& storage) {
    SilentProgress progress;
    radioOperations operations;
    ReadOutcome outcome;
    try {
        outcome = operations.readRadio(storage, progress);
    } catch (const PortInUseError& failure) {
        return portOpenExplanation(failure);
    } catch (const std::exception&) {
        return messages::kReadFailed.text;
    }
    if (!outcome.isComplete()) return readOutcomeMessages(outcome, storage).front().text;
    return std::nullopt;
}

std::optional<std::string> loadArchiveInto(const std::string& path, radioStorage& storage) {
    const ArchiveLoadResult result = fileModule().loadArchive(path, storage);
    if (result == ArchiveLoadResult::Loaded) return std::nullopt;
    return archiveLoadMessage(result).text;
}

std::string readyLine(const radioStorage& storage) {
    json screens = json::array();
    for (const TuningFamily& family : tuningFamilies()) screens.push_back(std::string(family.caption));
    const json ready{{"ok", true},
                     {"ready", true},
                     {"serial", storage.serialNumber()},
                     {"model", storage.modelNumber()},
                     {"tuningProcedureVersion", storage.tuningProcedureVersion()},
                     {"screens", screens}};
    return ready.dump(-1, ' ', false, json::error_handler_t::replace);
}

// One answer line; false when the reader is gone.
bool send(std::ostream& out, const std::string& line) {
    out << line << '\n' << std::flush;
    return static_cast<bool>(out);
}

}  // namespace

int tuneCommand(const ServiceVerbOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    radioStorage storage;
    const auto failure = options.archive ? loadArchiveInto(*options.archive, storage) : readRadioInto(storage);
    if (failure) {
        send(out, json{{"ok", false}, {"error", *failure}}.dump());
        err << "vantrel-cli: " << *failure << '\n';
        return kRefused;
    }
    TuneScript script(storage, [&storage] {
        if (readRadioInto(storage)) throw GeneralCommunicationError();
    });
    ScriptInput input(in);
    bool reading = send(out, readyLine(storage));
    while (reading) {
        const auto line = input.nextLine();
        if (!line) break;
        if (line->find_first_not_of(" \t\r") == std::string::npos) continue;
        reading = send(out, script.handle(*line));
    }
    // Whatever ended the session, the radio is left dekeyed and reset.
    if (const auto closing = script.finish()) send(out, *closing);
    return input.stopSignal() != 0 ? kSignalled + input.stopSignal() : kSuccess;
}

}  // namespace vantrel::cli
