#include "model/radioStorage.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(RadioStorage, StartsWithDefaultIdentityAndAnEmptyTable) {
    const radioStorage storage;
    EXPECT_EQ(storage.modelNumber(), "NULL            ");
    EXPECT_EQ(storage.modelNumber().size(), 16u);
    EXPECT_EQ(storage.serialNumber(), "NULL      ");
    EXPECT_EQ(storage.serialNumber().size(), 10u);
    EXPECT_EQ(storage.icVersion(), "NULL");
    EXPECT_EQ(storage.dataVersion(), 0);
    EXPECT_EQ(storage.radioBboMode(), 0);
    EXPECT_TRUE(storage.parameterTable().empty());
    for (int row = 0; row < radioStorage::kRows; ++row) {
        for (int entry = 0; entry < radioStorage::kEntries; ++entry) {
            EXPECT_EQ(storage.value(row, entry), 0) << row << "," << entry;
        }
    }
}

TEST(RadioStorage, EveryFamilyStartsSupportedButKAndMAndBatteryThreshold) {
    const radioStorage storage;
    for (int code = 2; code <= 28; ++code) EXPECT_EQ(storage.isSupported(code), code != 16 && code != 19) << code;
}

TEST(RadioStorage, AccessOutsideTheTableReadsZeroAndWritesNothing) {
    radioStorage storage;
    storage.setValue(21, 21, 7);
    storage.setValue(-1, 0, 5);
    storage.setValue(22, 0, 5);
    storage.setValue(0, 22, 5);
    storage.setValue(0, -1, 5);
    EXPECT_EQ(storage.value(21, 21), 7);
    EXPECT_EQ(storage.value(-1, 0), 0);
    EXPECT_EQ(storage.value(22, 0), 0);
    EXPECT_EQ(storage.value(0, 22), 0);
    // A row-major slip would land an out-of-range entry in the next row's first entry.
    EXPECT_EQ(storage.value(1, 0), 0);
    EXPECT_EQ(storage.value(0, 0), 0);
    storage.setTuningProcedureVersion(2);
    EXPECT_EQ(storage.value(0, 8), 2);
}

TEST(RadioStorage, FlagsOfNeighbouringCodesAreIndependent) {
    radioStorage storage;
    storage.markUnsupported(8);
    EXPECT_FALSE(storage.isSupported(8));
    EXPECT_TRUE(storage.isSupported(9));
    EXPECT_TRUE(storage.isSupported(7));
    storage.markSupported(18);
    EXPECT_TRUE(storage.isSupported(18));
    EXPECT_FALSE(storage.isSupported(19));
    storage.markSupported(19);
    storage.markUnsupported(18);
    EXPECT_TRUE(storage.isSupported(19));
    EXPECT_FALSE(storage.isSupported(18));
}

TEST(RadioStorage, CodesOutsideTheFamilyRangeReadClearAndIgnoreChanges) {
    radioStorage storage;
    for (int code : {-1, 0, 1, 29, 1000}) {
        storage.markSupported(code);
        EXPECT_FALSE(storage.isSupported(code)) << code;
    }
    storage.markUnsupported(1);
    storage.markUnsupported(29);
    EXPECT_TRUE(storage.isSupported(2));
    EXPECT_TRUE(storage.isSupported(28));
}

TEST(RadioStorage, RadioModeBuildsTheNineFixedNamesPaddedTo25) {
    radioStorage storage;
    storage.setRadioBboMode(1);
    storage.configRecord().parameterCount = 4;
    ASSERT_TRUE(storage.prepareParameterTable());
    EXPECT_EQ(storage.parameterCount(), 9);
    EXPECT_EQ(storage.configRecord().parameterCount, 9);
    const auto& table = storage.parameterTable();
    ASSERT_EQ(table.size(), 9u);
    EXPECT_EQ(table[0].name, "CSQ Offset               ");
    EXPECT_EQ(table[2].name, "Tessel Range 1 Offset    ");
    EXPECT_EQ(table[8].name, "Orsk Low Deviation Offset");
    // Longer than 25 characters: kept whole, not cut.
    EXPECT_EQ(table[1].name, "Quorin/Dalmor/Fenwick Offset");
    EXPECT_EQ(table[7].name, "Orsk High Deviation Offset");
    for (const auto& entry : table) {
        EXPECT_GE(entry.name.size(), 25u);
        EXPECT_EQ(entry.offset, 0);
        EXPECT_EQ(entry.mask, 0);
    }
}

TEST(RadioStorage, FileModeBuildsEmptyEntriesAndReplacesTheOldTable) {
    radioStorage storage;
    storage.setRadioBboMode(1);
    ASSERT_TRUE(storage.prepareParameterTable());
    storage.setRadioBboMode(0);
    storage.configRecord().parameterCount = 3;
    ASSERT_TRUE(storage.prepareParameterTable());
    EXPECT_EQ(storage.parameterCount(), 3);
    ASSERT_EQ(storage.parameterTable().size(), 3u);
    for (const auto& entry : storage.parameterTable()) EXPECT_TRUE(entry.name.empty());
}

TEST(RadioStorage, ParameterCountsAFileCannotHoldAreRefused) {
    radioStorage storage;
    storage.configRecord().parameterCount = 20;
    EXPECT_TRUE(storage.prepareParameterTable());
    EXPECT_EQ(storage.parameterTable().size(), 20u);
    for (std::int32_t count : {-1, 21, 0x7FFFFFFF}) {
        storage.configRecord().parameterCount = count;
        EXPECT_FALSE(storage.prepareParameterTable()) << count;
        EXPECT_TRUE(storage.parameterTable().empty()) << count;
    }
}

}  // namespace
}  // namespace vantrel
