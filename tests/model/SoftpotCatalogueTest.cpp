#include "model/SoftpotCatalogue.h"

#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace vantrel {
namespace {

// Two families writing the same entry would overwrite each other's values on every read.
TEST(SoftpotCatalogue, EveryStoragePlaceBelongsToOneFamilyInsideTheTable) {
    std::map<std::pair<int, int>, SoftpotFamily> owner;
    for (const SoftpotFamilyRow& row : softpotCatalogue()) {
        EXPECT_GE(row.row, 1) << row.title;  // row 0 is the identity
        EXPECT_LT(row.row, radioStorage::kRows) << row.title;
        EXPECT_GE(row.firstEntry, 0) << row.title;
        EXPECT_LE(row.firstEntry + row.entryCount, radioStorage::kEntries) << row.title;
        if (row.points == PointRule::EachTx || row.points == PointRule::EachRx) {
            EXPECT_EQ(row.entryCount % kPointCount, 0) << row.title;
            EXPECT_GE(row.entriesPerPoint(), 1) << row.title;
        }
        for (int e = row.firstEntry; e < row.firstEntry + row.entryCount; ++e) {
            const auto [it, fresh] = owner.emplace(std::pair{row.row, e}, row.family);
            EXPECT_TRUE(fresh) << row.title << " shares row " << row.row << " entry " << e << " with family "
                               << static_cast<int>(it->second);
        }
    }
}

TEST(SoftpotCatalogue, RangesFollowTheTuningProcedure) {
    EXPECT_EQ(rangeHigh(catalogueRow(SoftpotFamily::FrontEndFilter), 1), 255);
    EXPECT_EQ(rangeHigh(catalogueRow(SoftpotFamily::FrontEndFilter), 2), 127);
    EXPECT_EQ(rangeHigh(catalogueRow(SoftpotFamily::ReferenceOscillator), 2), 511);
    EXPECT_EQ(catalogueRow(SoftpotFamily::AutoSquelch20).range->low, 1);
    EXPECT_FALSE(catalogueRow(SoftpotFamily::Softpot28).range.has_value());
    EXPECT_EQ(rangeHigh(catalogueRow(SoftpotFamily::Softpot28), 1), 0);
}

TEST(SoftpotCatalogue, SingleValuesAreTunedAtTheirOwnPoint) {
    radioStorage storage;
    // Transmit F2..F6 used, receive F1 and F7.
    for (int n = 2; n <= 6; ++n) storage.setValue(0, n - 1, 100 * n);
    storage.setValue(0, 14, 90);
    storage.setValue(0, 20, 700);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::Dtmf), storage), 2);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::Dalmor), storage), 4);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::Mpt1327), storage), 4);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::ReferenceOscillator), storage), 6);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::Select5), storage), 6);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::HighSpeedTrunking), storage), 6);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::VcoAttenuation20), storage), 6);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::RatedVolume), storage), 4);
    EXPECT_EQ(tuningPoint(catalogueRow(SoftpotFamily::TransmitHighPower), storage), 0);
}

}  // namespace
}  // namespace vantrel
