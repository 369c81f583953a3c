#include "printing/ServiceReportRenderer.h"
#include "support/ScratchDirectory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace vantrel {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

TEST(ChartAxisTest, TicksAreWholeStepsOfOneTwoOrFiveCoveringTheRange) {
    struct Case {
        double low, high;
        int wanted;
        double step;
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {18, 26, 5, 2, {18, 20, 22, 24, 26}},
        {137.9, 174, 4, 10, {130, 140, 150, 160, 170, 180}},
        {29.5, 37.5, 5, 2, {28, 30, 32, 34, 36, 38}},
        {0, 255, 5, 100, {0, 100, 200, 300}},
        {450.1, 450.2, 4, 0.05, {450.1, 450.15, 450.2}},
        // One value: widened around it.
        {0, 0, 5, 0.5, {-1, -0.5, 0, 0.5, 1}},
    };
    for (const Case& c : cases) {
        const ChartAxis axis = chartAxis(c.low, c.high, c.wanted);
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.low << ".." << c.high;
        ASSERT_EQ(axis.ticks.size(), c.ticks.size()) << c.low << ".." << c.high;
        for (std::size_t i = 0; i < c.ticks.size(); ++i) EXPECT_NEAR(axis.ticks[i], c.ticks[i], 1e-9);
        EXPECT_LE(axis.low, c.low);
        EXPECT_GE(axis.high, c.high);
    }
}

std::string pdfText(const std::filesystem::path& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) text += buffer;
    return text;
}

int count(const std::string& text, const std::string& part) {
    int found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
    return found;
}

// A table too long for a page carries on with its column heads on the next; the charts follow
// with their axis labels.
TEST(ServiceReportPdfTest, TablesBreakAcrossPagesAndChartsCarryTheirLabels) {
    ServiceReport report;
    report.header = {{"Radio Serial No", "781TKA0201"}, {"Before", "before.sfp, made 2024-03-07 09:05:02 (backup)"}};
    report.summary = "91 values changed.";
    ReportTable table{"FRONT END FILTER", {"Point", "Frequency (MHz)", "Before", "After", "Difference"}, {}};
    for (int i = 0; i < 90; ++i) table.rows.push_back({"F" + std::to_string(i), "150.000000", "1", "2", "+1"});
    report.tables = {table};
    report.charts = {{"MODULATION BALANCE", {{138, 30}, {144, 31}}, {{138, 30}, {144, 35}}},
                     {"FRONT END FILTER", {}, {}}};
    testing::ScratchDirectory folder;
    const auto pdf = folder / "service.pdf";
    ASSERT_TRUE(writeServiceReportPdf(report, pdf.string()));

    const std::string text = pdfText(pdf);
    EXPECT_THAT(text, HasSubstr("Service report: before and after"));
    EXPECT_THAT(text, HasSubstr("before.sfp, made 2024-03-07 09:05:02 (backup)"));
    EXPECT_THAT(text, HasSubstr("91 values changed."));
    EXPECT_EQ(count(text, "Frequency (MHz)"), 2) << "heads again on the second page";
    EXPECT_EQ(count(text, "\f"), 2) << "two pages: the table runs onto the second, the charts follow it there";
    EXPECT_THAT(text, HasSubstr("F89"));
    EXPECT_THAT(text, HasSubstr("MODULATION BALANCE"));
    EXPECT_THAT(text, HasSubstr("no point in use"));
    EXPECT_EQ(count(text, "MHz\n"), 1) << "the x axis label of the one chart with points";
    EXPECT_THAT(text, HasSubstr("after"));

    EXPECT_FALSE(writeServiceReportPdf(report, (folder / "missing" / "service.pdf").string()));
}

}  // namespace
}  // namespace vantrel
