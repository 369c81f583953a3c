#include "cli/ServiceVerbs.h"

#include "cli/CliPortOpener.h"
#include "cli/HistoryCommand.h"
#include "cli/ServiceVerbOptions.h"
#include "cli/TuneCommand.h"
#include "files/serviceLog.h"

#include <memory>
#include <ostream>

namespace vantrel::cli {

namespace {

constexpr int kUsageError = 2;

// The chosen service log for the length of one command.
class ScopedServiceLogPath {
public:
    explicit ScopedServiceLogPath(const std::optional<std::string>& path) : active_(path.has_value()) {
        if (active_) previous_ = serviceLog::setCurrentPath(*path);
    }
    ~ScopedServiceLogPath() {
        if (active_) serviceLog::setCurrentPath(previous_);
    }
    ScopedServiceLogPath(const ScopedServiceLogPath&) = delete;
    ScopedServiceLogPath& operator=(const ScopedServiceLogPath&) = delete;

private:
    bool active_;
    std::filesystem::path previous_;
};

int runParsed(const ServiceVerbOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    if (options.help) {
        out << (options.verb == "tune" ? kTuneUsage : kHistoryUsage);
        return 0;
    }
    ScopedServiceLogPath logPath(options.serviceLog);
    if (options.verb == "history") return historyCommand(options, out, err);
    try {
        auto opener = makeCliPortOpener(options.port);
        std::unique_ptr<ScopedPortOpener> scope;
        if (opener) scope = std::make_unique<ScopedPortOpener>(*opener);
        return tuneCommand(options, in, out, err);
    } catch (const UsageError& e) {
        err << "vantrel-cli: " << e.what() << '\n';
        return kUsageError;
    }
}

}  // namespace

std::optional<int> runServiceVerb(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                                  std::ostream& err) {
    std::optional<ServiceVerbOptions> options;
    try {
        options = parseServiceVerbOptions(arguments);
    } catch (const UsageError& e) {
        err << "vantrel-cli: " << e.what() << "\n\n" << (arguments[0] == "tune" ? kTuneUsage : kHistoryUsage);
        return kUsageError;
    }
    if (!options) return std::nullopt;
    return runParsed(*options, in, out, err);
}

}  // namespace vantrel::cli
