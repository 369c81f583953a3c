#include "files/fileModule.h"
#include "files/radioBackup.h"
#include "model/radioStorage.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

namespace vantrel {
namespace {

std::chrono::system_clock::time_point localTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&parts));
}

TEST(RadioBackup, NamesCarryTheSerialAndTheTimeAndNoPath) {
    const auto when = localTime(2024, 3, 7, 9, 5, 2);
    EXPECT_EQ(backupFileName("781TKA0101", when), "781TKA0101-20240307-090502.sfp");
    EXPECT_EQ(backupFileName("AB12      ", when), "AB12-20240307-090502.sfp");
    EXPECT_EQ(backupFileName("../../etc/", when), "______etc_-20240307-090502.sfp");
    EXPECT_EQ(backupFileName("", when), "radio-20240307-090502.sfp");
}

TEST(RadioBackup, ReadsWithinOneSecondKeepEveryBackup) {
    testing::ScratchDirectory folder;
    radioStorage storage;
    storage.setSerialNumber("781TKA0101");
    storage.setTuningProcedureVersion(1);
    storage.setDataVersion(35);
    fileModule archive([] { return 3; });
    const auto when = localTime(2024, 3, 7, 9, 5, 2);
    const auto first = saveBackup(archive, storage, folder.path(), when);
    const auto second = saveBackup(archive, storage, folder.path(), when);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->filename(), "781TKA0101-20240307-090502.sfp");
    EXPECT_EQ(second->filename(), "781TKA0101-20240307-090502-2.sfp");
    radioStorage loaded;
    EXPECT_EQ(fileModule().loadArchive(*second, loaded), ArchiveLoadResult::Loaded);
    EXPECT_EQ(loaded.serialNumber(), "781TKA0101");

    // A program folder that cannot hold a backups folder gives no backup, and no failure.
    const auto blocked = folder.path() / "blocked";
    std::ofstream(blocked) << "a file where the folder would go";
    EXPECT_FALSE(saveBackup(archive, storage, blocked, when));
}

}  // namespace
}  // namespace vantrel
