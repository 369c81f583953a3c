#include "files/archiveCodec.h"
#include "files/byteTransform.h"
#include "files/fileModule.h"
#include "model/radioStorage.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using testing::readWholeFile;
using testing::ScratchDirectory;
using testing::writeWholeFile;

struct Place {
    int row;
    int entry;
};

// The 140 archive fields and their storage places in file order, written out from the file
// layout table so that the module's own table is checked against it.
std::vector<Place> fieldPlaces() {
    struct Run {
        int row, first, count;
    };
    static const Run kRuns[] = {
        {0, 7, 1},   {0, 0, 7},  {0, 14, 7}, {2, 0, 1},  {3, 0, 14}, {4, 14, 7}, {5, 14, 7},  {5, 7, 7},
        {5, 0, 7},   {6, 0, 1},  {8, 0, 1},  {8, 1, 1},  {7, 0, 1},  {10, 0, 7}, {11, 14, 7}, {11, 7, 7},
        {11, 0, 7},  {12, 0, 2}, {0, 9, 4},  {0, 13, 1}, {14, 0, 1}, {15, 0, 1}, {16, 0, 6},  {17, 14, 2},
        {17, 0, 14}, {8, 2, 1},  {8, 4, 1},  {18, 1, 1}, {18, 0, 1}, {19, 0, 1}, {20, 0, 7},  {21, 0, 7},
    };
    std::vector<Place> places;
    for (const Run& run : kRuns)
        for (int i = 0; i < run.count; ++i) places.push_back({run.row, run.first + i});
    return places;
}

// Field numbers (1-based, inclusive) of each family with a marker.
struct FamilyFields {
    int code, first, last;
};
constexpr FamilyFields kFamilies[] = {
    {2, 16, 16},    {3, 17, 30},    {4, 31, 37},    {5, 38, 58},    {6, 59, 59},    {8, 60, 60},    {9, 61, 61},
    {7, 62, 62},    {10, 63, 69},   {11, 70, 90},   {12, 91, 92},   {13, 98, 98},   {14, 99, 99},   {15, 100, 105},
    {16, 108, 121}, {17, 122, 122}, {18, 123, 123}, {19, 124, 125}, {22, 126, 126}, {25, 127, 133}, {26, 134, 140},
};
constexpr int kDacFields[] = {106, 107};

const std::string kSerial = "7AB1234567";
const std::string kModel = "H21KAB4DEFGHIJK ";

// A storage whose field k holds valueOf(k), every family present, band base in the 150 MHz band.
std::int32_t valueOf(int field) { return field == 1 ? 6000 : 100 + 3 * field; }

radioStorage filledStorage(std::uint8_t version = 35) {
    radioStorage storage;
    storage.setSerialNumber(kSerial);
    storage.setModelNumber(kModel);
    storage.setDataVersion(version);
    const auto places = fieldPlaces();
    for (std::size_t k = 0; k < places.size(); ++k)
        storage.setValue(places[k].row, places[k].entry, valueOf(static_cast<int>(k) + 1));
    for (int code = 2; code <= 28; ++code) storage.markSupported(code);
    storage.setTuningProcedureVersion(2);
    return storage;
}

// Every place of the table set to a value no archive writes, so untouched places show.
constexpr std::int32_t kSentinel = -5;
radioStorage sentinelStorage() {
    radioStorage storage;
    for (int row = 0; row < radioStorage::kRows; ++row)
        for (int entry = 0; entry < radioStorage::kEntries; ++entry) storage.setValue(row, entry, kSentinel);
    for (int code = 2; code <= 28; ++code) storage.markSupported(code);
    return storage;
}

void expectSameStorage(const radioStorage& a, const radioStorage& b) {
    EXPECT_EQ(a.serialNumber(), b.serialNumber());
    EXPECT_EQ(a.modelNumber(), b.modelNumber());
    EXPECT_EQ(a.dataVersion(), b.dataVersion());
    for (int row = 0; row < radioStorage::kRows; ++row)
        for (int entry = 0; entry < radioStorage::kEntries; ++entry)
            ASSERT_EQ(a.value(row, entry), b.value(row, entry)) << "row " << row << " entry " << entry;
    for (int code = 2; code <= 28; ++code) ASSERT_EQ(a.isSupported(code), b.isSupported(code)) << "code " << code;
}

// The text of field k (1-based) of an archive: its count digit and its digits.
std::string fieldText(const std::string& file, int k) {
    std::size_t pos = 35 + static_cast<std::size_t>(file.at(34) - '0');
    for (int i = 1; i < k; ++i) pos += 1 + static_cast<std::size_t>(file.at(pos) - '0');
    return file.substr(pos, 1 + static_cast<std::size_t>(file.at(pos) - '0'));
}

fileModule withKey(int key) {
    return fileModule([key] { return key; });
}

class ArchiveFile : public ::testing::Test {
protected:
    std::string save(const radioStorage& storage, int key = 12) {
        EXPECT_TRUE(withKey(key).saveArchive(archive, storage));
        return readWholeFile(archive);
    }
    ArchiveLoadResult load(const std::string& bytes, radioStorage& storage) {
        writeWholeFile(archive, bytes);
        return fileModule().loadArchive(archive, storage);
    }

    ScratchDirectory dir;
    std::filesystem::path archive = dir / "radio.sfp";
};

TEST(ByteTransform, TurnsAbcIntoTheKnownBytesAndBackAndStopsAtTheFirstNul) {
    EXPECT_EQ(byteTransform("abc"), std::string("\x1F\xC6\x1D"));
    EXPECT_EQ(byteTransform(byteTransform("H21KAB4-DEF")), "H21KAB4-DEF");
    // '(' becomes a NUL, which the way back stops at: a text holding one cannot come back
    // whole, a limit of the file format.
    EXPECT_EQ(byteTransform("A(B"), std::string("\x3F\0\xE6", 3));
    EXPECT_EQ(byteTransform(byteTransform("A(B")), std::string("A\0\xE6", 3));
    for (int b = 0; b < 256; ++b) ASSERT_EQ(transformByte(transformByte(static_cast<unsigned char>(b))), b);
    EXPECT_EQ(byteTransform(std::string("ab\0cd", 5)), std::string("\x1F\xC6\0cd", 5));
}

TEST_F(ArchiveFile, HeaderCarriesSignatureIdentityVersionAndKey) {
    radioStorage storage = filledStorage(35);
    storage.setTuningProcedureVersion(1);
    storage.setValue(0, 7, 7);  // band base, field 1
    const std::string file = save(storage, 12);

    EXPECT_EQ(file.substr(0, 6), ":KOVIR");
    EXPECT_EQ(file.substr(6, 10), byteTransform(kSerial));
    EXPECT_EQ(file.substr(16, 15), byteTransform(kModel.substr(0, 15)));
    EXPECT_EQ(static_cast<unsigned char>(file[31]), 0x5D);  // version 35 through the transform
    EXPECT_EQ(file.substr(32, 2), "10");
    EXPECT_EQ(file.substr(34, 3), "212");  // key 12: two digits, then 1 and 2
    EXPECT_EQ(file.substr(37, 3), "219");  // value 7 + key 12
    EXPECT_EQ(fieldText(file, 140), std::to_string(3) + std::to_string(valueOf(140) + 12));
    EXPECT_EQ(
        file.size(), 37 + [&] {
            std::size_t total = 0;
            for (int k = 1; k <= 140; ++k) total += fieldText(file, k).size();
            return total;
        }());
}

TEST_F(ArchiveFile, KeysOutsideTheRangeAreReducedAndTheTimeSeededKeyStaysInIt) {
    const std::string file = save(filledStorage(), 40000);
    EXPECT_EQ(file.substr(34, 5), "47232");  // 40000 - 32768
    for (int i = 0; i < 5; ++i) {
        const int key = fileModule::timeSeededKey();
        EXPECT_GE(key, 0);
        EXPECT_LE(key, 32767);
    }
}

TEST_F(ArchiveFile, EveryFieldIsReadIntoItsPlaceAndWrittenBackByteForByte) {
    // Key 0 and field k holding the number k: a file written by hand from the layout.
    std::string file = ":KOVIR" + byteTransform(kSerial) + byteTransform(kModel.substr(0, 15) + '#') + "2010";
    for (int k = 1; k <= 140; ++k) file += std::to_string(std::to_string(k).size()) + std::to_string(k);

    radioStorage storage = sentinelStorage();
    ASSERT_EQ(load(file, storage), ArchiveLoadResult::Loaded);
    const auto places = fieldPlaces();
    for (int k = 1; k <= 140; ++k) EXPECT_EQ(storage.value(places[k - 1].row, places[k - 1].entry), k) << "field " << k;
    EXPECT_EQ(storage.serialNumber(), kSerial);
    EXPECT_EQ(storage.modelNumber(), kModel);
    EXPECT_EQ(storage.dataVersion(), '#');
    EXPECT_EQ(storage.tuningProcedureVersion(), 2);

    EXPECT_EQ(save(storage, 0), file);
}

TEST_F(ArchiveFile, RoundTripCarriesEveryFamilyAndComputesTheLowBandMarker) {
    const radioStorage source = filledStorage();
    save(source, 31999);
    radioStorage loaded;
    ASSERT_EQ(fileModule().loadArchive(archive, loaded), ArchiveLoadResult::Loaded);

    radioStorage expected = source;
    expected.setValue(17, 16, 0);  // 150 MHz: not low band
    expected.setValue(1, 0, 0);
    expected.setIcVersion(loaded.icVersion());
    for (int code : {20, 21, 27, 28}) EXPECT_TRUE(loaded.isSupported(code));  // not in the archive
    expectSameStorage(loaded, expected);
    EXPECT_EQ(loaded.tuningProcedureVersion(), 2);
}

TEST_F(ArchiveFile, AnAbsentFamilyClearsItsCodeAndLeavesItsValuesAlone) {
    const auto places = fieldPlaces();
    for (const FamilyFields& family : kFamilies) {
        SCOPED_TRACE("code " + std::to_string(family.code));
        radioStorage source = filledStorage();
        source.markUnsupported(family.code);
        const std::string file = save(source, 77);
        EXPECT_EQ(fieldText(file, family.first), std::to_string(4) + std::to_string(4095 + 77));

        radioStorage loaded = sentinelStorage();
        ASSERT_EQ(fileModule().loadArchive(archive, loaded), ArchiveLoadResult::Loaded);
        for (const FamilyFields& other : kFamilies)
            EXPECT_EQ(loaded.isSupported(other.code), other.code != family.code) << "code " << other.code;
        for (int k = 1; k <= 140; ++k) {
            const bool inGroup = k >= family.first && k <= family.last;
            const bool dacWithoutKAndM = family.code == 16 && (k == kDacFields[0] || k == kDacFields[1]);
            const std::int32_t want = (inGroup || dacWithoutKAndM) ? kSentinel : valueOf(k);
            ASSERT_EQ(loaded.value(places[k - 1].row, places[k - 1].entry), want) << "field " << k;
        }
    }
}

TEST_F(ArchiveFile, RatedVolumeAbsentStillWritesTheSollenValue) {
    radioStorage source = filledStorage();
    source.markUnsupported(12);
    source.setValue(12, 1, 7);
    const std::string file = save(source, 12);
    EXPECT_EQ(fieldText(file, 91), "44107");
    EXPECT_EQ(fieldText(file, 92), "219");

    radioStorage loaded;
    ASSERT_EQ(fileModule().loadArchive(archive, loaded), ArchiveLoadResult::Loaded);
    EXPECT_FALSE(loaded.isSupported(12));
    EXPECT_EQ(loaded.value(12, 1), 0);
    EXPECT_EQ(loaded.value(0, 9), valueOf(93));  // the fields after it are in their places
    EXPECT_EQ(loaded.value(0, 13), valueOf(97));
    EXPECT_EQ(loaded.value(21, 6), valueOf(140));
}

TEST_F(ArchiveFile, OlderVersionsReadTheNewerFamiliesAsAbsent) {
    struct Case {
        std::uint8_t version;
        std::vector<int> cleared;
    };
    for (const Case& c : {Case{33, {16, 17, 18, 19, 22, 25, 26}}, Case{34, {22, 25, 26}}}) {
        SCOPED_TRACE("version " + std::to_string(c.version));
        std::string file = save(filledStorage(c.version));
        if (c.version == 33) {
            // A tuner of version 33 wrote only the first 107 fields.
            const std::size_t end = file.find(fieldText(file, 108), 35);
            file.resize(end);
        }
        radioStorage loaded = sentinelStorage();
        ASSERT_EQ(load(file, loaded), ArchiveLoadResult::Loaded);
        EXPECT_EQ(loaded.dataVersion(), c.version);
        for (const FamilyFields& family : kFamilies) {
            const bool cleared = std::find(c.cleared.begin(), c.cleared.end(), family.code) != c.cleared.end();
            EXPECT_EQ(loaded.isSupported(family.code), !cleared) << "code " << family.code;
        }
        EXPECT_EQ(loaded.value(21, 0), kSentinel);
        EXPECT_EQ(loaded.value(16, 5), valueOf(105));
    }
}

TEST_F(ArchiveFile, KAndMBringsTheDacValuesAndTheLowBandMarker) {
    radioStorage source = filledStorage();
    source.setValue(0, 7, 1600);  // 40 MHz at the band base
    radioStorage loaded = sentinelStorage();
    loaded.setValue(1, 0, 1);
    save(source);
    ASSERT_EQ(fileModule().loadArchive(archive, loaded), ArchiveLoadResult::Loaded);
    EXPECT_EQ(loaded.value(17, 16), 1);
    EXPECT_EQ(loaded.value(1, 0), 0);
    EXPECT_EQ(loaded.value(17, 14), valueOf(106));

    source.markUnsupported(16);
    loaded = sentinelStorage();
    save(source);
    ASSERT_EQ(fileModule().loadArchive(archive, loaded), ArchiveLoadResult::Loaded);
    EXPECT_EQ(loaded.value(17, 16), kSentinel);
    EXPECT_EQ(loaded.value(1, 0), kSentinel);
    EXPECT_EQ(loaded.value(17, 14), kSentinel);
}

TEST_F(ArchiveFile, ShortSerialAndOversizedTuningVersionStayReadable) {
    radioStorage source = filledStorage();
    source.setSerialNumber("Invalid");
    source.setModelNumber("M42");
    const std::string file = save(source);
    EXPECT_EQ(file.substr(13, 3), std::string(3, '\0'));

    radioStorage loaded;
    ASSERT_EQ(fileModule().loadArchive(archive, loaded), ArchiveLoadResult::Loaded);
    EXPECT_EQ(loaded.serialNumber(), "Invalid");
    EXPECT_EQ(loaded.modelNumber(), "M42             ");

    // Two digits would shift every field; the version is written so that it is refused.
    source.setTuningProcedureVersion(12);
    EXPECT_EQ(save(source).substr(32, 2), "00");
    EXPECT_EQ(fileModule().loadArchive(archive, loaded), ArchiveLoadResult::InvalidTuningProcedureVersion);
}

TEST_F(ArchiveFile, RefusalsStopAtTheirStepAndLeaveTheRestAlone) {
    const radioStorage before = sentinelStorage();
    std::string good = save(filledStorage(35));

    {
        SCOPED_TRACE("tuning procedure version 3");
        std::string file = good;
        file[32] = '3';
        radioStorage storage = before;
        EXPECT_EQ(load(file, storage), ArchiveLoadResult::InvalidTuningProcedureVersion);
        EXPECT_EQ(storage.serialNumber(), kSerial);
        EXPECT_EQ(storage.dataVersion(), 35);
        EXPECT_EQ(storage.tuningProcedureVersion(), 3);
        EXPECT_EQ(storage.value(0, 7), kSentinel);
        EXPECT_TRUE(storage.isSupported(26));
    }
    {
        SCOPED_TRACE("version 32");
        radioStorage storage = before;
        EXPECT_EQ(load(save(filledStorage(32)), storage), ArchiveLoadResult::IncompatibleVersion);
        EXPECT_EQ(storage.serialNumber(), kSerial);
        EXPECT_EQ(storage.modelNumber(), kModel);
        EXPECT_EQ(storage.dataVersion(), 0);
        EXPECT_EQ(storage.tuningProcedureVersion(), kSentinel);
    }
    for (const std::string& file :
         {std::string(), std::string("hello"), ":KOVIX" + good.substr(6), ":KOV\nIR" + good.substr(7),
          good.substr(0, 32), good.substr(0, 200), good.substr(0, 100) + "x" + good.substr(101)}) {
        SCOPED_TRACE("not an archive: " + file.substr(0, 8));
        radioStorage storage = before;
        EXPECT_EQ(load(file, storage), ArchiveLoadResult::NotAnArchive);
        expectSameStorage(storage, before);
    }
    radioStorage storage = before;
    EXPECT_EQ(fileModule().loadArchive(dir / "missing.sfp", storage), ArchiveLoadResult::NotOpenable);
    EXPECT_EQ(fileModule().loadArchive(dir.path(), storage), ArchiveLoadResult::NotOpenable);
    expectSameStorage(storage, before);
}

TEST_F(ArchiveFile, BlanksBeforeTheSignaturePassButTheFieldsStayAtTheirFixedOffsets) {
    const std::string file = "  " + save(filledStorage(35));
    radioStorage storage;
    // Offset 32 now holds model character 14 ('K') through the transform: '5'.
    EXPECT_EQ(load(file, storage), ArchiveLoadResult::InvalidTuningProcedureVersion);
    EXPECT_EQ(storage.serialNumber(), byteTransform(file.substr(6, 10)));
    EXPECT_EQ(storage.tuningProcedureVersion(), 5);
}

TEST_F(ArchiveFile, AFailedSaveLeavesTheEarlierFileAsItWas) {
    const std::string earlier = save(filledStorage());
    radioStorage unwritable = filledStorage();
    unwritable.setValue(12, 1, 1'000'000'000);  // ten digits with the key: no field can hold it
    EXPECT_FALSE(withKey(12).saveArchive(archive, unwritable));
    EXPECT_EQ(readWholeFile(archive), earlier);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    EXPECT_FALSE(withKey(12).saveArchive(dir / "no" / "such.sfp", filledStorage()));
    EXPECT_FALSE(withKey(12).saveArchive(dir.path(), filledStorage()));

    // Values below minus the key are written with their sign and read back.
    radioStorage negative = filledStorage();
    negative.setValue(16, 3, -90000);
    save(negative, 5);
    radioStorage loaded;
    ASSERT_EQ(fileModule().loadArchive(archive, loaded), ArchiveLoadResult::Loaded);
    EXPECT_EQ(loaded.value(16, 3), -90000);
}

TEST_F(ArchiveFile, HostileFilesNeverCrashAndDamagedBodiesChangeNothing) {
    const std::string good = save(filledStorage(35));
    const radioStorage before = sentinelStorage();
    for (std::size_t length = 0; length < good.size(); ++length) {
        radioStorage storage = before;
        ASSERT_EQ(decodeArchive(good.substr(0, length)).fields.has_value(), false) << length;
        ASSERT_EQ(fileModule().loadArchiveData(good.substr(0, length), storage), ArchiveLoadResult::NotAnArchive)
            << length;
        expectSameStorage(storage, before);
    }

    std::mt19937 random(2024);
    for (int round = 0; round < 3000; ++round) {
        std::string file = good.substr(0, random() % (good.size() + 1));
        if (round % 3 == 0) file.clear();
        const std::size_t extra = random() % 64;
        for (std::size_t i = 0; i < extra; ++i) file.push_back(static_cast<char>(random()));
        if (!file.empty() && round % 2 == 1) file[random() % file.size()] = static_cast<char>(random());
        radioStorage storage = before;
        const DecodedArchive decoded = decodeArchive(file);
        const ArchiveLoadResult result = fileModule().loadArchiveData(file, storage);
        if (result == ArchiveLoadResult::NotAnArchive) expectSameStorage(storage, before);
        if (result == ArchiveLoadResult::Loaded) {
            ASSERT_TRUE(decoded.fields.has_value());
        }
    }
}

}  // namespace
}  // namespace vantrel
