#include "cli/ComparisonCommands.h"

#include "cli/ArchiveLoading.h"
#include "cli/CliCommand.h"
#include "cli/CliConsole.h"
#include "cli/CliOptions.h"
#include "files/radioBackup.h"
#include "files/serviceReport.h"
#include "model/radioStorage.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <ostream>

namespace vantrel::cli {

namespace {

using nlohmann::json;

// The archives as loaded: `before` is absent for a one-archive service report.
struct LoadedPair {
    std::optional<radioStorage> before;
    radioStorage after;
    ArchiveOrigin beforeOrigin;
    ArchiveOrigin afterOrigin;
};

bool load(const std::string& path, radioStorage& storage, ArchiveOrigin& origin, CliConsole& console) {
    if (!loadArchiveFile(path, storage, console)) {
        console.error(path + " was not loaded");
        return false;
    }
    origin = {path, archiveTimeText(path)};
    return true;
}

// The first operand is BEFORE only when a second one names AFTER.
int loadPair(const CliOptions& options, LoadedPair& pair, CliConsole& console) {
    const bool two = !options.secondArchive.empty();
    if (two) {
        pair.before.emplace();
        if (!load(options.archive, *pair.before, pair.beforeOrigin, console)) return status::kFile;
    }
    if (!load(two ? options.secondArchive : options.archive, pair.after, pair.afterOrigin, console))
        return status::kFile;
    if (pair.before && !options.anyRadio && pair.before->serialNumber() != pair.after.serialNumber()) {
        console.error("the archives come from different radios (serial numbers " + pair.before->serialNumber() +
                      " and " + pair.after.serialNumber() + "); --any-radio compares them anyway");
        return status::kRadio;
    }
    return status::kDone;
}

void printTable(const ReportTable& table, std::ostream& out) {
    std::vector<std::size_t> widths(table.columns.size(), 0);
    const auto measure = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], cells[i].size());
    };
    measure(table.columns);
    for (const auto& row : table.rows) measure(row);
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
            // Names and frequencies read from the left, numbers from the right.
            const std::string pad(widths[i] - cells[i].size(), ' ');
            text += "  " + (i < 2 ? cells[i] + pad : pad + cells[i]);
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << text << '\n';
    };
    out << table.title << '\n';
    line(table.columns);
    for (const auto& row : table.rows) line(row);
    out << '\n';
}

void printText(const ServiceReport& report, std::ostream& out) {
    for (const auto& [label, value] : report.header) out << label << ": " << value << '\n';
    out << '\n';
    for (const ReportTable& table : report.tables) printTable(table, out);
    out << report.summary << '\n';
}

// Archive texts are the radio's bytes, taken as Latin-1 like everywhere else they are shown.
std::string utf8(const std::string& latin1) {
    std::string text;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

json megahertz(std::optional<double> mhz) { return mhz ? json(*mhz) : json(nullptr); }

json side(const radioStorage& storage, const ArchiveOrigin& origin) {
    return {{"file", origin.file},
            {"madeAt", origin.madeAt},
            {"serialNumber", utf8(storage.serialNumber())},
            {"modelNumber", utf8(storage.modelNumber())},
            {"tuningProcedureVersion", storage.tuningProcedureVersion()}};
}

json comparisonJson(const LoadedPair& pair, const ImageComparison& comparison) {
    json changes = json::array();
    json support = json::array();
    json identity = json::array();
    for (const ComparedText& text : comparison.identity)
        identity.push_back({{"what", text.what}, {"before", utf8(text.before)}, {"after", utf8(text.after)}});
    for (const ComparedFamily& family : comparison.families) {
        if (family.supportChanged())
            support.push_back(
                {{"family", family.title}, {"before", family.supportedBefore}, {"after", family.supportedAfter}});
        for (const ComparedValue& value : family.values) {
            if (!value.changed()) continue;
            changes.push_back({{"family", family.title},
                               {"item", value.item},
                               {"point", value.point},
                               {"beforeMHz", megahertz(value.beforeMHz)},
                               {"afterMHz", megahertz(value.afterMHz)},
                               {"before", value.before},
                               {"after", value.after},
                               {"difference", value.difference()}});
        }
    }
    return {{"equal", comparison.equal()},
            {"before", side(*pair.before, pair.beforeOrigin)},
            {"after", side(pair.after, pair.afterOrigin)},
            {"identity", identity},
            {"support", support},
            {"changes", changes}};
}

int compareCommand(const CliOptions& options, std::ostream& out, CliConsole& console) {
    LoadedPair pair;
    if (const int refused = loadPair(options, pair, console); refused != status::kDone) return refused;
    const ImageComparison comparison = compareImages(*pair.before, pair.after);
    if (options.json) {
        // A file name that is no UTF-8 must not end the command: its odd bytes are replaced.
        out << comparisonJson(pair, comparison).dump(2, ' ', false, json::error_handler_t::replace) << '\n';
    } else {
        printText(buildServiceReport(&*pair.before, pair.beforeOrigin, pair.after, pair.afterOrigin), out);
    }
    return comparison.equal() ? status::kDone : status::kRadio;
}

int serviceReportCommand(const CliOptions& options, const ServiceReportPdfWriter& pdf, CliConsole& console) {
    if (!pdf) {
        console.error("this build of vantrel-cli cannot write PDF files");
        return status::kFile;
    }
    LoadedPair pair;
    if (const int refused = loadPair(options, pair, console); refused != status::kDone) return refused;
    const ServiceReport report =
        buildServiceReport(pair.before ? &*pair.before : nullptr, pair.beforeOrigin, pair.after, pair.afterOrigin);
    if (!pdf(report, *options.output)) {
        console.error("the service report could not be written to " + *options.output);
        return status::kFile;
    }
    console.note("Service report written to " + *options.output);
    return status::kDone;
}

}  // namespace

bool isComparisonCommand(const std::string& command) { return command == "compare" || command == "service-report"; }

int runComparisonCommand(const CliOptions& options, const ServiceReportPdfWriter& pdf, std::ostream& out,
                         CliConsole& console) {
    if (options.command == "compare") return compareCommand(options, out, console);
    return serviceReportCommand(options, pdf, console);
}

}  // namespace vantrel::cli
