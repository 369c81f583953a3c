#include "files/fileModule.h"
#include "files/radioBackup.h"
#include "files/serviceReport.h"
#include "model/radioStorage.h"
#include "operations/OperationsBench.h"
#include "operations/radioOperations.h"
#include "support/ScratchDirectory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace vantrel {
namespace {

using ::testing::Contains;
using ::testing::ElementsAreArray;
using ::testing::Not;
using testing::simulatedRadio;

radioStorage readRadio(const std::string& profile) {
    testing::RadioBench bench(simulatedRadio(profile));
    radioStorage storage;
    testing::RecordedProgress progress;
    EXPECT_TRUE(radioOperations().readRadio(storage, progress).isComplete());
    return storage;
}

std::vector<std::string> chartTitles(const ServiceReport& report) {
    std::vector<std::string> titles;
    for (const ReportChart& chart : report.charts) titles.push_back(chart.title);
    return titles;
}

TEST(ServiceReport, ChartsShowEachPerPointFamilyOverItsUsedPoints) {
    struct Case {
        const char* profile;
        std::vector<std::string> charts;
        std::size_t points;
    };
    const Case cases[] = {
        {"portable-v1.json",
         {"TRANSMIT HIGH POWER", "TRANSMIT LOW POWER", "MODULATION BALANCE", "VCO ATTENUATION 25 KHz",
          "FRONT END FILTER", "AUTO SQUELCH 12.5KHz", "AUTO SQUELCH 20KHz", "AUTO SQUELCH 25KHz"},
         7},
        // The second procedure's transmit power is K and M; its old power block holds nothing.
        {"mobile-v2.json",
         {"MOBILE K & M SOFTPOTS - K", "MOBILE K & M SOFTPOTS - M", "MODULATION BALANCE", "VCO ATTENUATION 25 KHz",
          "TRANSMIT PA VOLTAGE LIMIT", "FRONT END FILTER", "AUTO SQUELCH 12.5KHz", "AUTO SQUELCH 20KHz",
          "AUTO SQUELCH 25KHz"},
         7},
        // Points out of use are left out of every chart.
        {"mobile-single-point.json",
         {"TRANSMIT HIGH POWER", "TRANSMIT LOW POWER", "MODULATION BALANCE", "VCO ATTENUATION 25 KHz",
          "FRONT END FILTER", "AUTO SQUELCH 12.5KHz", "AUTO SQUELCH 20KHz", "AUTO SQUELCH 25KHz"},
         1},
    };
    for (const Case& c : cases) {
        const radioStorage storage = readRadio(c.profile);
        const ServiceReport report = buildServiceReport(&storage, {"a.sfp", "then"}, storage, {"b.sfp", "now"});
        EXPECT_THAT(chartTitles(report), ElementsAreArray(c.charts)) << c.profile;
        for (const ReportChart& chart : report.charts) {
            EXPECT_EQ(chart.before.size(), c.points) << c.profile << " " << chart.title;
            EXPECT_EQ(chart.after.size(), c.points) << c.profile << " " << chart.title;
            EXPECT_TRUE(std::is_sorted(chart.after.begin(), chart.after.end(),
                                       [](const ChartPoint& a, const ChartPoint& b) { return a.mhz < b.mhz; }));
        }
        EXPECT_TRUE(report.tables.empty()) << c.profile;
        EXPECT_EQ(report.summary, "No value changed: the archives are equal.");
    }
}

TEST(ServiceReport, OneArchiveShowsEveryValueAndNoBefore) {
    const radioStorage storage = readRadio("portable-v1.json");
    const ServiceReport report = buildServiceReport(nullptr, {}, storage, {"radio.sfp", "2024-03-07 09:05:02"});
    EXPECT_FALSE(report.hasBefore);
    ASSERT_EQ(report.header.size(), 4u);
    EXPECT_EQ(report.header[3],
              std::make_pair(std::string("Archive"), std::string("radio.sfp, made 2024-03-07 09:05:02")));
    for (const ReportChart& chart : report.charts) EXPECT_TRUE(chart.before.empty()) << chart.title;
    ASSERT_FALSE(report.tables.empty());
    EXPECT_THAT(report.tables[0].columns, ElementsAreArray({"Value", "Frequency (MHz)", "Value"}));
    const ReportTable& high = report.tables[1];
    EXPECT_EQ(high.title, "TRANSMIT HIGH POWER");
    EXPECT_THAT(high.rows.at(1), ElementsAreArray({"F2", "144.000000", "97"}));
    EXPECT_EQ(report.tables.back().title, "FAMILIES WITH ONE VALUE");
    EXPECT_THAT(report.tables.back().rows.front(),
                ElementsAreArray({"REFERENCE OSCILLATOR WARP", "173.975000", "300"}));
    EXPECT_THAT(chartTitles(report), Not(Contains("SOFTPOT 28")));

    // A block the radio never filled is no table either: the second procedure's old power block.
    const radioStorage mobile = readRadio("mobile-v2.json");
    std::vector<std::string> titles;
    for (const ReportTable& table : buildServiceReport(nullptr, {}, mobile, {}).tables) titles.push_back(table.title);
    EXPECT_THAT(titles, Not(Contains("TRANSMIT HIGH POWER")));
    EXPECT_THAT(titles, Contains("MOBILE K & M SOFTPOTS"));
}

TEST(ArchiveTime, ABackupsNameGivesItsTimeElseTheFileIsAsked) {
    testing::ScratchDirectory folder;
    struct Case {
        const char* name;
        const char* expected;  // empty: the file's modification time
    };
    const Case cases[] = {
        {"781TKA0101-20240307-090502.sfp", "2024-03-07 09:05:02 (backup)"},
        {"781TKA0101-20240307-090502-12.sfp", "2024-03-07 09:05:02 (backup)"},
        {"radio-20241231-235959.sfp", "2024-12-31 23:59:59 (backup)"},
        {"781TKA0101-20241307-090502.sfp", ""},  // no thirteenth month
        {"781TKA0101-20240307-250502.sfp", ""},
        {"781TKA0101-2024030-090502.sfp", ""},
        {"20240307-090502.sfp", ""},
        {"781TKA0101-20240307-090502.txt", ""},
        {"radio.sfp", ""},
    };
    for (const Case& c : cases) {
        const auto path = folder / c.name;
        std::ofstream(path) << "x";
        const std::string text = archiveTimeText(path);
        if (*c.expected != '\0') {
            EXPECT_EQ(text, c.expected) << c.name;
        } else {
            // "YYYY-MM-DD HH:MM:SS (file modified)"
            const std::string suffix = " (file modified)";
            EXPECT_TRUE(text.size() == 19 + suffix.size() && text.ends_with(suffix) && text[4] == '-' &&
                        text[10] == ' ' && text[13] == ':')
                << c.name << ": " << text;
        }
    }
    EXPECT_EQ(archiveTimeText(folder / "missing.sfp"), "unknown");
}

}  // namespace
}  // namespace vantrel
