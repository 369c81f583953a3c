#include "cli/HistoryCommand.h"

#include "cli/ServiceVerbOptions.h"
#include "files/formatText.h"
#include "files/serviceLog.h"

#include <ostream>

namespace vantrel::cli {

namespace {

constexpr const char* kColumns = "%-20s  %-10s  %-34s  %-5s  %-11s  %6s  %6s  %s";

template <typename T>
std::string shown(const std::optional<T>& value) {
    return value ? std::to_string(*value) : std::string("-");
}

std::string tableLine(const serviceRecord& r) {
    const std::string point = r.point ? "F" + std::to_string(*r.point) : std::string("-");
    const std::string frequency = r.frequency ? formatText("%f", *r.frequency) : std::string("-");
    std::string line =
        formatText(kColumns, r.time.c_str(), r.serial.c_str(), r.family.c_str(), point.c_str(), frequency.c_str(),
                   shown(r.before).c_str(), shown(r.after).c_str(), resultName(r.result));
    if (!r.written.empty()) line += "  wrote " + r.written;
    if (!r.reason.empty()) line += "  " + r.reason;
    return line;
}

}  // namespace

int historyCommand(const ServiceVerbOptions& options, std::ostream& out, std::ostream& err) {
    const serviceLog log = serviceLog::current();
    const serviceLogContents contents = log.read();
    for (const std::string& warning : contents.warnings) err << "WARNING: " << warning << '\n';
    if (!options.json) {
        out << formatText(kColumns, "Time", "Serial", "Family", "Point", "Frequency", "Before", "After", "Result")
            << '\n';
    }
    int shownRecords = 0;
    for (const serviceRecord& record : contents.records) {
        if (options.serial && record.serial != *options.serial) continue;
        out << (options.json ? encodeServiceRecord(record) : tableLine(record)) << '\n';
        ++shownRecords;
    }
    if (shownRecords == 0) err << "NOTE: No changes recorded in " << log.path().string() << '\n';
    return 0;
}

}  // namespace vantrel::cli
