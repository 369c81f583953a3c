#include "files/serviceLog.h"
#include "support/SampleServiceRecord.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantrel {
namespace {

serviceRecord commitRecord() { return testing::sampleChange(); }

serviceRecord programAllRecord() {
    serviceRecord r = commitRecord();
    r.family = "Program All";
    r.kind = 0;
    r.point.reset();
    r.frequency.reset();
    r.before.reset();
    r.after.reset();
    r.result = ServiceResult::Failed;
    r.reason = "Program Radio Error";
    return r;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ServiceLogTest, RecordsSurviveTheirLineWithOnlyTheFieldsThatApply) {
    for (const serviceRecord& record : {commitRecord(), programAllRecord()}) {
        const std::string line = encodeServiceRecord(record);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_EQ(decodeServiceRecord(line), record) << line;
    }
    EXPECT_EQ(encodeServiceRecord(programAllRecord()).find("point"), std::string::npos);
}

// A reader takes every whole record and names each line it had to leave out.
struct DamagedLine {
    std::string name;
    std::string line;
};

class DamagedLineTest : public ::testing::TestWithParam<DamagedLine> {};

TEST_P(DamagedLineTest, IsSkippedWithAWarningAndTheOthersAreRead) {
    testing::ScratchDirectory scratch;
    const auto path = scratch / serviceLog::kFileName;
    const std::string good = encodeServiceRecord(commitRecord());
    writeFile(path, good + "\n" + GetParam().line + "\n\n" + good + "\n");
    const serviceLogContents contents = serviceLog(path).read();
    ASSERT_EQ(contents.records.size(), 2u);
    EXPECT_EQ(contents.records[1], commitRecord());
    ASSERT_EQ(contents.warnings.size(), 1u);
    EXPECT_EQ(contents.warnings[0], "service-log.jsonl line 2 is damaged and was skipped");
}

std::string withField(const std::string& key, const std::string& replacement) {
    std::string line = encodeServiceRecord(commitRecord());
    const auto at = line.find("\"" + key + "\":");
    const auto end = line.find_first_of(",}", at);
    return line.replace(at, end - at, "\"" + key + "\":" + replacement);
}

INSTANTIATE_TEST_SUITE_P(ServiceLog, DamagedLineTest,
                         ::testing::Values(DamagedLine{"CutShort", encodeServiceRecord(commitRecord()).substr(0, 40)},
                                           DamagedLine{"NotAnObject", "[1,2,3]"},
                                           DamagedLine{"Garbage", std::string("\x01\xff{\"ti", 6)},
                                           DamagedLine{"UnknownResult", withField("result", "\"maybe\"")},
                                           DamagedLine{"PointAsText", withField("point", "\"F3\"")},
                                           DamagedLine{"FractionalValue", withField("after", "1.5")},
                                           DamagedLine{"SerialMissing", withField("serial", "null")}),
                         [](const auto& test) { return test.param.name; });

TEST(ServiceLogTest, AnAppendAfterALineCutShortKeepsBothApart) {
    testing::ScratchDirectory scratch;
    const serviceLog log(scratch / serviceLog::kFileName);
    ASSERT_TRUE(log.append(commitRecord()));
    {
        std::ofstream cut(log.path(), std::ios::binary | std::ios::app);
        cut << encodeServiceRecord(commitRecord()).substr(0, 30);
    }
    ASSERT_TRUE(log.append(programAllRecord()));
    const serviceLogContents contents = log.read();
    ASSERT_EQ(contents.records.size(), 2u);
    EXPECT_EQ(contents.records[1], programAllRecord());
    EXPECT_EQ(contents.warnings.size(), 1u);
    EXPECT_EQ(testing::readWholeFile(log.path()).back(), '\n');
}

TEST(ServiceLogTest, AMissingLogIsEmptyAndAnUnwritableOneIsSaid) {
    testing::ScratchDirectory scratch;
    EXPECT_TRUE(serviceLog(scratch / "none.jsonl").read().records.empty());
    EXPECT_FALSE(serviceLog(scratch / "no-such-folder" / "log.jsonl").append(commitRecord()));
}

}  // namespace
}  // namespace vantrel
