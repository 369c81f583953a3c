#include "files/previewFileModule.h"
#include "model/kAndMPower.h"
#include "model/radioStorage.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

using testing::readWholeFile;
using testing::ScratchDirectory;

std::string expectedReport(const std::string& name) {
    return readWholeFile(std::filesystem::path(VANTREL_SOURCE_DIR) / "tests" / "files" / "data" / name);
}

void setRun(radioStorage& storage, int row, int firstEntry, std::initializer_list<int> values) {
    int entry = firstEntry;
    for (int v : values) storage.setValue(row, entry++, v);
}

// Row 0 entries 0..6 transmit points, 14..20 receive points: 0 is a point the radio does not use.
void setPlan(radioStorage& storage, int bandBase, std::initializer_list<int> tx, std::initializer_list<int> rx) {
    storage.setValue(0, 7, bandBase);
    setRun(storage, 0, 0, tx);
    setRun(storage, 0, 14, rx);
}

radioStorage portableVersion1() {
    radioStorage storage;
    storage.setSerialNumber("7AB1234567");
    storage.setModelNumber("H21KAB4DEFGHIJK ");
    storage.setTuningProcedureVersion(1);
    setPlan(storage, 5600, {0, 100, 0, 400, 0, 1000, 1200}, {0, 200, 300, 0, 0, 500, 0});
    for (int code : {11, 6, 17, 13}) storage.markUnsupported(code);
    setRun(storage, 10, 0, {10, 11, 12, 13, 14, 15, 16});
    storage.setValue(12, 0, 128);
    setRun(storage, 16, 0, {20, 40, 60, 120, 110, 100});
    storage.setValue(2, 0, 300);
    setRun(storage, 3, 0, {50, 51, 52, 53, 54, 55, 56, 20, 21, 22, 23, 24, 25, 26});
    setRun(storage, 4, 14, {30, 31, 32, 33, 34, 35, 36});
    storage.setValue(5, 6, 70);
    storage.setValue(5, 13, 71);
    setRun(storage, 5, 14, {80, 81, 82, 83, 84, 85, 86});
    storage.setValue(7, 0, 15);
    setRun(storage, 8, 0, {90, 40, 91, 0, 92});
    storage.setValue(15, 0, 17);
    storage.setValue(19, 0, 19);
    return storage;
}

radioStorage mobileVersion2() {
    radioStorage storage;
    storage.setSerialNumber("M0C9876543");
    storage.setModelNumber("M42KAB4DEFGHIJK ");
    storage.setTuningProcedureVersion(2);
    setPlan(storage, 6000, {200, 0, 600, 0, 1000, 0, 0}, {200, 400, 600, 0, 1000, 0, 0});
    for (int code : {16, 19, 25}) storage.markSupported(code);
    for (int code : {22, 9, 5, 12, 15, 18}) storage.markUnsupported(code);
    setRun(storage, 10, 0, {100, 101, 102, 103, 104, 105, 106});
    setRun(storage, 11, 0, {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26, 27});
    storage.setValue(2, 0, 256);
    setRun(storage, 17, 0, {100, 50, 0, 0, 120, 60, 0, 0, 128, 0, 0, 0, 0, 0, 200, 100});
    setRun(storage, 4, 14, {40, 41, 42, 43, 44, 45, 46});
    storage.setValue(5, 6, 73);
    storage.setValue(5, 13, 74);
    storage.setValue(6, 0, 12);
    storage.setValue(7, 0, 14);
    setRun(storage, 8, 0, {95, 0, 96});
    setRun(storage, 20, 0, {60, 61, 62, 63, 64, 65, 66});
    storage.setValue(14, 0, 21);
    storage.setValue(15, 0, 22);
    setRun(storage, 18, 0, {75, 140});
    return storage;
}

TEST(SoftpotReport, MatchesTheHandWrittenReportsByteForByte) {
    ScratchDirectory dir;
    struct Case {
        radioStorage storage;
        const char* expected;
    };
    for (const Case& c :
         {Case{portableVersion1(), "report_portable_v1.txt"}, Case{mobileVersion2(), "report_mobile_v2.txt"}}) {
        SCOPED_TRACE(c.expected);
        const std::string want = expectedReport(c.expected);
        ASSERT_FALSE(want.empty());
        ASSERT_TRUE(previewFileModule(c.storage).writeReport(dir / "display.txt"));
        const std::string got = readWholeFile(dir / "display.txt");
        EXPECT_EQ(got, want);
    }
}

TEST(SoftpotReport, KAndMPowersFollowTheModelFamily) {
    const KAndMPower centred = kAndMPower(128, 0, 200, 100, false);
    EXPECT_EQ(centred.p1, 0.0f);
    EXPECT_EQ(centred.p2, 0.0f);
    // (0.0004 x 50 x 200 + 0.04 x (228 - 128))^2 = 64; (8 - 0.0004 x 50 x 100)^2 = 36
    const KAndMPower other = kAndMPower(228, 50, 200, 100, false);
    EXPECT_FLOAT_EQ(other.p1, 64.0f);
    EXPECT_FLOAT_EQ(other.p2, 36.0f);

    // On a version 2 radio outside the mobile E family, K 128 and M 0 report no power at all,
    // and the DAC section appears only for a low-band radio.
    radioStorage storage = mobileVersion2();
    storage.setModelNumber("M21KAB4DEFGHIJK ");
    setRun(storage, 17, 0, {128, 0});
    std::string report = previewFileModule(storage).reportText();
    EXPECT_NE(report.find("  151.000000\t \t128\t \t0\t \t0.000\t \t0.000\n"), std::string::npos);
    EXPECT_NE(report.find("**** DAC SOFTPOTS (UNSUPPORTED) ****\n\n\t \t\t**** MOBILE K & M"), std::string::npos);

    storage.setValue(17, 16, 1);
    report = previewFileModule(storage).reportText();
    EXPECT_NE(report.find("**** DAC SOFTPOTS ****\n\nSoftpot Range\t\t: 0-255\n"), std::string::npos);
}

TEST(SoftpotReport, AReportThatCannotBeWrittenSaysSo) {
    ScratchDirectory dir;
    EXPECT_FALSE(previewFileModule(portableVersion1()).writeReport(dir / "missing" / "display.txt"));
    EXPECT_FALSE(previewFileModule(portableVersion1()).writeReport(dir.path()));
}

}  // namespace
}  // namespace vantrel
