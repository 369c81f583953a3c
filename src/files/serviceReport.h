#pragma once

#include "files/softpotComparison.h"

#include <string>
#include <utility>
#include <vector>

namespace vantrel {

class radioStorage;

// A table of text cells; the command line prints it in columns, the PDF draws it.
struct ReportTable {
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

struct ChartPoint {
    double mhz;
    double value;
};

// Values over frequency of one per-point family (of one part, for K and M), points out of use
// left out.
struct ReportChart {
    std::string title;
    std::vector<ChartPoint> before;
    std::vector<ChartPoint> after;
};

// Where an image came from, for the report's header.
struct ArchiveOrigin {
    std::string file;
    std::string madeAt;
};

// What a service report shows, without any drawing: a header, tables of the values that
// changed (every value when there is only one archive), and a chart per per-point family.
struct ServiceReport {
    std::vector<std::pair<std::string, std::string>> header;
    bool hasBefore = true;
    std::string summary;
    std::vector<ReportTable> tables;
    std::vector<ReportChart> charts;
};

// The tables of what changed: identity, the plan, one per per-point family, and one shared by
// every family with a single value (or a few not tied to points). Empty when nothing changed.
std::vector<ReportTable> changeTables(const ImageComparison& comparison);

// A report of before and after; `before` null gives the report of one image.
ServiceReport buildServiceReport(const radioStorage* before, const ArchiveOrigin& beforeOrigin,
                                 const radioStorage& after, const ArchiveOrigin& afterOrigin);

// The number of values (and support flags) that differ.
int changeCount(const ImageComparison& comparison);

}  // namespace vantrel
