#include "files/serviceReport.h"

#include "files/formatText.h"
#include "model/radioStorage.h"

#include <algorithm>

namespace vantrel {

namespace {

constexpr const char* kSingleValuesTitle = "FAMILIES WITH ONE VALUE";

std::string yesNo(bool supported) { return supported ? "supported" : "unsupported"; }

// The frequency a value sits at; both when the plan moved it.
std::string frequencyCell(const ComparedValue& value) {
    if (value.point == 0 && !value.beforeMHz && !value.afterMHz) return {};
    std::string after = frequencyText(value.afterMHz);
    if (value.beforeMHz == value.afterMHz) return after;
    return frequencyText(value.beforeMHz) + " -> " + after;
}

std::string name(const ComparedFamily& family, const ComparedValue& value) {
    return value.item.empty() ? family.title : family.title + " " + value.item;
}

// Builds the change tables: a table of its own for the plan and each per-point family, one
// shared table for the rest.
class ChangeTables {
public:
    explicit ChangeTables(bool everyValue) : everyValue_(everyValue) {
        shared_.title = kSingleValuesTitle;
        shared_.columns = columns("Family");
    }

    void add(const ComparedFamily& family) {
        // Every value of one archive leaves out the blocks it holds nothing in, as its charts do.
        if (everyValue_ ? !family.holdsValues() : !family.changed()) return;
        const bool own = family.perPoint || !family.family;
        ReportTable table{family.title, columns(family.family ? "Point" : "Value"), {}};
        ReportTable& target = own ? table : shared_;
        if (family.supportChanged())
            target.rows.push_back({own ? "Support" : family.title + " support", "", yesNo(family.supportedBefore),
                                   yesNo(family.supportedAfter), ""});
        for (const ComparedValue& value : family.values) {
            if (!everyValue_ && !value.changed()) continue;
            target.rows.push_back(row(own ? value.item : name(family, value), value));
        }
        if (own && !table.rows.empty()) tables_.push_back(std::move(table));
    }

    std::vector<ReportTable> take() {
        if (!shared_.rows.empty()) tables_.push_back(std::move(shared_));
        return std::move(tables_);
    }

private:
    std::vector<std::string> columns(const char* first) const {
        if (everyValue_) return {first, "Frequency (MHz)", "Value"};
        return {first, "Frequency (MHz)", "Before", "After", "Difference"};
    }

    std::vector<std::string> row(std::string first, const ComparedValue& value) const {
        if (everyValue_) return {std::move(first), frequencyCell(value), formatText("%d", value.after)};
        return {std::move(first), frequencyCell(value), formatText("%d", value.before), formatText("%d", value.after),
                formatText("%+d", value.difference())};
    }

    bool everyValue_;
    ReportTable shared_;
    std::vector<ReportTable> tables_;
};

std::vector<ReportTable> tablesOf(const ImageComparison& comparison, bool everyValue) {
    std::vector<ReportTable> tables;
    if (!comparison.identity.empty()) {
        ReportTable identity{"IDENTITY", {"", "Before", "After"}, {}};
        for (const ComparedText& text : comparison.identity)
            identity.rows.push_back({text.what, text.before, text.after});
        tables.push_back(std::move(identity));
    }
    ChangeTables builder(everyValue);
    for (const ComparedFamily& family : comparison.families) builder.add(family);
    for (ReportTable& table : builder.take()) tables.push_back(std::move(table));
    return tables;
}

std::vector<ChartPoint> series(const ComparedFamily& family, int part, bool after) {
    std::vector<ChartPoint> points;
    if (!(after ? family.supportedAfter : family.supportedBefore)) return points;
    for (std::size_t i = static_cast<std::size_t>(part); i < family.values.size();
         i += static_cast<std::size_t>(family.parts)) {
        const ComparedValue& value = family.values[i];
        const auto mhz = after ? value.afterMHz : value.beforeMHz;
        if (mhz) points.push_back({*mhz, static_cast<double>(after ? value.after : value.before)});
    }
    std::sort(points.begin(), points.end(), [](const ChartPoint& a, const ChartPoint& b) { return a.mhz < b.mhz; });
    return points;
}

// A family is charted when the report shows it (it has a title) and it holds values: a flat line
// at 0 of a block the radio never filled would only crowd out the charts that matter.
bool charted(const ComparedFamily& family) {
    if (!family.perPoint || !family.present() || !family.family) return false;
    return !catalogueRow(*family.family).title.empty() && family.holdsValues();
}

std::vector<ReportChart> charts(const ImageComparison& comparison, bool hasBefore) {
    std::vector<ReportChart> result;
    for (const ComparedFamily& family : comparison.families) {
        if (!charted(family)) continue;
        for (int part = 0; part < family.parts; ++part) {
            ReportChart chart;
            chart.title = family.parts > 1 ? family.title + " - " + pointPartName(part) : family.title;
            if (hasBefore) chart.before = series(family, part, false);
            chart.after = series(family, part, true);
            result.push_back(std::move(chart));
        }
    }
    return result;
}

std::string identityText(const std::string& before, const std::string& after, bool hasBefore) {
    if (!hasBefore || before == after) return after;
    return before + " (before), " + after + " (after)";
}

std::vector<std::pair<std::string, std::string>> header(const radioStorage* before, const ArchiveOrigin& beforeOrigin,
                                                        const radioStorage& after, const ArchiveOrigin& afterOrigin) {
    const radioStorage& first = before ? *before : after;
    const bool two = before != nullptr;
    std::vector<std::pair<std::string, std::string>> lines{
        {"Radio Serial No", identityText(first.serialNumber(), after.serialNumber(), two)},
        {"Radio Model No", identityText(first.modelNumber(), after.modelNumber(), two)},
        {"Tuning procedure version", identityText(formatText("%d", first.tuningProcedureVersion()),
                                                  formatText("%d", after.tuningProcedureVersion()), two)},
    };
    if (two) lines.emplace_back("Before", beforeOrigin.file + ", made " + beforeOrigin.madeAt);
    lines.emplace_back(two ? "After" : "Archive", afterOrigin.file + ", made " + afterOrigin.madeAt);
    return lines;
}

}  // namespace

std::vector<ReportTable> changeTables(const ImageComparison& comparison) { return tablesOf(comparison, false); }

int changeCount(const ImageComparison& comparison) {
    int count = static_cast<int>(comparison.identity.size());
    for (const ComparedFamily& family : comparison.families) {
        count += family.supportChanged() ? 1 : 0;
        count += static_cast<int>(
            std::count_if(family.values.begin(), family.values.end(), [](const auto& v) { return v.changed(); }));
    }
    return count;
}

ServiceReport buildServiceReport(const radioStorage* before, const ArchiveOrigin& beforeOrigin,
                                 const radioStorage& after, const ArchiveOrigin& afterOrigin) {
    const ImageComparison comparison = compareImages(before ? *before : after, after);
    ServiceReport report;
    report.hasBefore = before != nullptr;
    report.header = header(before, beforeOrigin, after, afterOrigin);
    report.tables = tablesOf(comparison, !report.hasBefore);
    report.charts = charts(comparison, report.hasBefore);
    const int changes = changeCount(comparison);
    if (!report.hasBefore) {
        report.summary = "The values of one archive.";
    } else if (changes == 0) {
        report.summary = "No value changed: the archives are equal.";
    } else {
        report.summary = formatText("%d value%s changed.", changes, changes == 1 ? "" : "s");
    }
    return report;
}

}  // namespace vantrel
