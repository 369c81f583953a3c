// Every family of the softpot catalogue must reach the archive and the report: a family added
// to the catalogue and forgotten in either fails here.

#include "files/archiveLayout.h"
#include "files/previewFileModule.h"
#include "model/SoftpotCatalogue.h"
#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

namespace vantrel {
namespace {

using F = SoftpotFamily;
using Place = std::pair<int, int>;

// Storage places the archive deliberately leaves out.
const std::set<Place> kNotArchived = {
    {8, 3},
    {8, 5},   // bias 2 and 3 at low power: archived at high power only
    {16, 6},  // the RSSI calibration byte belongs to the radio
};

std::map<Place, const ArchiveGroup*> archivedPlaces() {
    std::map<Place, const ArchiveGroup*> places;
    for (const ArchiveGroup& group : archiveGroups()) {
        for (const StoragePlace& place : group.places) {
            EXPECT_TRUE(places.emplace(Place{place.row, place.entry}, &group).second)
                << "row " << place.row << " entry " << place.entry << " archived twice";
        }
    }
    return places;
}

TEST(CatalogueCoverage, EveryFamilyIsArchivedUnderItsOwnCode) {
    const auto archived = archivedPlaces();
    std::size_t fields = 0;
    for (const ArchiveGroup& group : archiveGroups()) fields += group.places.size();
    EXPECT_EQ(fields, ArchiveLayout::kFieldCount);

    for (const SoftpotFamilyRow& row : softpotCatalogue()) {
        for (int entry = row.firstEntry; entry < row.firstEntry + row.entryCount; ++entry) {
            SCOPED_TRACE(std::string(row.className) + " row " + std::to_string(row.row) + " entry " +
                         std::to_string(entry));
            if (kNotArchived.count({row.row, entry}) != 0) continue;
            const auto found = archived.find({row.row, entry});
            ASSERT_NE(found, archived.end()) << "not archived";
            const ArchiveGroup& group = *found->second;
            if (row.code == supportCode::kNone) {
                EXPECT_EQ(group.presence, Presence::WithKAndM);  // the DAC values go with K and M
            } else {
                EXPECT_EQ(group.presence, Presence::Marker);
                EXPECT_EQ(group.code, row.code);
            }
        }
    }
}

// A radio on which every family is supported, with every point used.
radioStorage everythingSupported(std::int32_t tuningProcedure) {
    radioStorage storage;
    storage.setModelNumber("M42K440DA1BN01A ");  // an E mobile: the DAC section is shown too
    storage.setTuningProcedureVersion(tuningProcedure);
    storage.setValue(0, 7, 5600);
    for (int point = 0; point < kPointCount; ++point) {
        storage.setValue(0, point, 100 * (point + 1));
        storage.setValue(0, 14 + point, 100 * (point + 1));
    }
    for (int code = radioStorage::kFirstCode; code <= radioStorage::kLastCode; ++code) storage.markSupported(code);
    return storage;
}

TEST(CatalogueCoverage, EveryTitledFamilyHasItsSectionInTheReport) {
    const std::string reports =
        previewFileModule(everythingSupported(1)).reportText() + previewFileModule(everythingSupported(2)).reportText();
    for (const SoftpotFamilyRow& row : softpotCatalogue()) {
        if (row.title.empty()) continue;
        EXPECT_NE(reports.find(row.title), std::string::npos) << row.title;
    }
}

// The ranges the report prints are the catalogue's, narrowed for the second tuning procedure.
TEST(CatalogueCoverage, ReportedRangesAreTheCatalogues) {
    for (const std::int32_t procedure : {1, 2}) {
        const std::string report = previewFileModule(everythingSupported(procedure)).reportText();
        for (const SoftpotFamilyRow& row : softpotCatalogue()) {
            if (row.title.empty() || !row.range) continue;
            // A section of its own: from its starred title to the next one.
            const auto title = report.find("**** " + std::string(row.title));
            if (title == std::string::npos) continue;  // a line of a section, or the other procedure's
            const auto body = report.find('\n', title);
            const std::string section = report.substr(body, report.find("****", body) - body);
            if (section.find("Softpot Range") == std::string::npos) continue;  // K and M: no range line
            const std::string range = "Softpot Range\t\t: " + std::to_string(row.range->low) + "-" +
                                      std::to_string(rangeHigh(row, procedure)) + "\n";
            EXPECT_NE(section.find(range), std::string::npos) << row.title << " for procedure " << procedure;
        }
    }
}

}  // namespace
}  // namespace vantrel
