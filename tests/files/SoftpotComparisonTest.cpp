#include "files/archiveLayout.h"
#include "files/fileModule.h"
#include "files/serviceReport.h"
#include "files/softpotComparison.h"
#include "model/radioStorage.h"
#include "operations/OperationsBench.h"
#include "operations/radioOperations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

using ::testing::ElementsAreArray;
using testing::RadioBench;
using testing::RecordedProgress;
using testing::simulatedRadio;

// The image a read of the simulated radio leaves, saved as an archive and loaded back.
radioStorage readArchive(const sim::RadioProfile& profile) {
    radioStorage read;
    {
        RadioBench bench(profile);
        RecordedProgress progress;
        EXPECT_TRUE(radioOperations().readRadio(read, progress).isComplete());
    }
    const auto bytes = fileModule([] { return 7; }).archiveBytes(read);
    radioStorage loaded;
    EXPECT_TRUE(bytes && fileModule().loadArchiveData(*bytes, loaded) == ArchiveLoadResult::Loaded);
    return loaded;
}

// A softpot of the radio set to another value, as a technician's tuning leaves it.
struct Retune {
    std::uint8_t softpot;
    int bank;
    std::size_t slot;
    std::uint32_t value;
};

sim::RadioProfile retuned(sim::RadioProfile profile, const std::vector<Retune>& retunes) {
    for (const Retune& r : retunes) {
        for (sim::SoftpotProfile& softpot : profile.softpots) {
            if (softpot.number == r.softpot) softpot.banks.at(r.bank).at(r.slot) = r.value;
        }
    }
    return profile;
}

// "family|item|point|frequency|before|after" of every value that differs.
std::vector<std::string> changes(const ImageComparison& comparison) {
    std::vector<std::string> lines;
    for (const ComparedFamily& family : comparison.families) {
        for (const ComparedValue& v : family.values) {
            if (!v.changed()) continue;
            const std::string mhz = v.afterMHz ? frequencyText(v.afterMHz) : "";
            lines.push_back(family.title + "|" + v.item + "|" + std::to_string(v.point) + "|" + mhz + "|" +
                            std::to_string(v.before) + "|" + std::to_string(v.after));
        }
    }
    return lines;
}

constexpr int kDefault = sim::SoftpotProfile::kDefaultBank;

struct ChangeCase {
    const char* profile;
    std::vector<Retune> retunes;
    std::vector<std::string> expected;
};

class ListedChanges : public ::testing::TestWithParam<ChangeCase> {};

// Every family kind: per point on the transmit and the receive half, the high and low power
// halves of one block, the three squelch spacings, K and M apart, values tuned at one point,
// RSSI thresholds, PA bias levels and the battery threshold.
TEST_P(ListedChanges, EveryRetunedValueIsListedOnceWithItsPointAndFrequency) {
    const ChangeCase& c = GetParam();
    const sim::RadioProfile profile = simulatedRadio(std::string(c.profile) + ".json");
    const radioStorage before = readArchive(profile);
    const radioStorage after = readArchive(retuned(profile, c.retunes));
    const ImageComparison comparison = compareImages(before, after);
    EXPECT_THAT(changes(comparison), ElementsAreArray(c.expected));
    EXPECT_FALSE(comparison.equal());
    EXPECT_EQ(changeCount(comparison), static_cast<int>(c.expected.size()));
    // Turned round, the same values differ the other way.
    EXPECT_EQ(changeCount(compareImages(after, before)), static_cast<int>(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ListedChanges,
    ::testing::Values(
        ChangeCase{"portable-v1",
                   {{11, kDefault, 0, 310},
                    {0, kDefault, 1, 90},
                    {0, 2, 1, 45},
                    {28, kDefault, 6, 70},
                    {2, 0, 6, 60},
                    {18, 2, 0, 55},
                    {26, kDefault, 1, 33},
                    {7, 0, 2, 29},
                    {7, kDefault, 6, 47}},
                   {"REFERENCE OSCILLATOR WARP||7|173.975000|300|310", "TRANSMIT HIGH POWER|F2|2|144.000000|97|90",
                    "TRANSMIT LOW POWER|F2|2|144.000000|41|45", "SOFTPOT 28|F7|7|173.975000|66|70",
                    "VCO ATTENUATION 12.5 KHz||7|173.975000|62|60", "Low||0||50|55",
                    "AUTO SQUELCH 12.5KHz|F3|3|149.900000|32|29", "AUTO SQUELCH 25KHz|F7|7|173.900000|46|47",
                    "RSSI THRESHOLDS|Threshold 2|0||35|33"}},
        ChangeCase{"mobile-v2",
                   {{17, kDefault, 2, 0x1536},
                    {17, kDefault, 4, 0x1640},
                    {3, kDefault, 0, 25},
                    {6, kDefault, 3, 99},
                    {16, kDefault, 0, 25},
                    {10, kDefault, 0, 140},
                    {13, kDefault, 4, 130}},
                   {"MOBILE K & M SOFTPOTS|F3 K|3|150.000000|20|21", "MOBILE K & M SOFTPOTS|F5 M|5|162.000000|56|64",
                    "MODULATION BALANCE|F1|1|138.000000|30|25", "TRANSMIT PA VOLTAGE LIMIT|F4|4|156.000000|93|99",
                    "HIGH SPEED TRUNKING SIGNALLING||7|173.975000|22|25", "BATTERY THRESHOLD||0||150|140",
                    "FRONT END FILTER|F5|5|161.900000|124|130"}}));

TEST(SoftpotComparison, TwoReadsOfOneRadioAreEqual) {
    for (const char* name : {"portable-v1", "portable-sollen", "mobile-v2", "mobile-single-point"}) {
        const sim::RadioProfile profile = simulatedRadio(std::string(name) + ".json");
        const ImageComparison comparison = compareImages(readArchive(profile), readArchive(profile));
        EXPECT_TRUE(comparison.equal()) << name;
        EXPECT_TRUE(comparison.sameSerial) << name;
        EXPECT_TRUE(changeTables(comparison).empty()) << name;
        EXPECT_GT(comparison.families.size(), 10u) << name;
    }
}

// Every archived value the radio gets back from Program All is compared; only the filler an
// archive keeps around the single 12.5 and 20 kHz VCO values is not a radio value.
TEST(SoftpotComparison, EveryArchivedRadioValueIsCompared) {
    radioStorage base = readArchive(simulatedRadio("mobile-v2.json"));
    for (int code = radioStorage::kFirstCode; code <= radioStorage::kLastCode; ++code) base.markSupported(code);
    const SoftpotFamilyRow& vco25 = catalogueRow(SoftpotFamily::VcoAttenuation25);
    int compared = 0;
    for (const ArchiveGroup& group : archiveGroups()) {
        for (const StoragePlace& place : group.places) {
            radioStorage after = base;
            after.setValue(place.row, place.entry, base.value(place.row, place.entry) + 1);
            const bool vcoFiller = place.row == vco25.row && place.entry < vco25.firstEntry &&
                                   place.entry != catalogueRow(SoftpotFamily::VcoAttenuation125).firstEntry &&
                                   place.entry != catalogueRow(SoftpotFamily::VcoAttenuation20).firstEntry;
            EXPECT_EQ(compareImages(base, after).equal(), vcoFiller) << place.row << "/" << place.entry;
            compared += vcoFiller ? 0 : 1;
        }
    }
    EXPECT_EQ(compared, static_cast<int>(ArchiveLayout::kFieldCount) - 12);
}

TEST(SoftpotComparison, SupportIdentityAndMovedPointsAreDifferences) {
    const radioStorage before = readArchive(simulatedRadio("portable-v1.json"));
    radioStorage after = before;
    after.markUnsupported(catalogueRow(SoftpotFamily::Dtmf).code);
    after.setSerialNumber("781TKA0999");
    // Transmit point F2 moved by 25 kHz: its values now sit at another frequency.
    after.setValue(0, 1, before.value(0, 1) + 5);
    const radioStorage reloaded = [&] {
        radioStorage loaded;
        EXPECT_EQ(fileModule().loadArchiveData(*fileModule().archiveBytes(after), loaded), ArchiveLoadResult::Loaded);
        return loaded;
    }();
    const ImageComparison comparison = compareImages(before, reloaded);
    EXPECT_FALSE(comparison.sameSerial);
    ASSERT_EQ(comparison.identity.size(), 1u);
    EXPECT_EQ(comparison.identity[0].after, "781TKA0999");

    const std::vector<ReportTable> tables = changeTables(comparison);
    std::vector<std::string> titles;
    for (const ReportTable& table : tables) titles.push_back(table.title);
    EXPECT_THAT(titles, ElementsAreArray({"IDENTITY", "FREQUENCY PLAN", "FAMILIES WITH ONE VALUE"}));
    EXPECT_THAT(tables[1].rows[0], ElementsAreArray({"Tx F2", "144.000000 -> 144.025000", "1400", "1405", "+5"}));
    // The unsupported family's value is no longer archived, so it reads 0.
    EXPECT_THAT(
        tables[2].rows,
        ElementsAreArray({std::vector<std::string>{"DTMF SIGNALLING support", "", "supported", "unsupported", ""},
                          std::vector<std::string>{"DTMF SIGNALLING", "138.000000", "18", "0", "-18"}}));
}

}  // namespace
}  // namespace vantrel
