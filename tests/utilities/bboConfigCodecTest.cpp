#include "utilities/bboConfigCodec.h"
#include "utilities/bboConfigFileModule.h"

#include "support/ScopedProgramDirectory.h"
#include "utilities/UtilityFixture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vantrel {
namespace {

using testing::sampleConfig;

BboConfigDescription oneRecord(int parameters) {
    BboConfigDescription d;
    d.key = 1000;
    BboConfigEntry e;
    e.record = {7, "M48", 'P', 64, 3, 15, 256, 0};
    for (int i = 0; i < parameters; ++i) e.parameters.push_back({"P" + std::to_string(i), 0, 15});
    d.records.push_back(e);
    return d;
}

TEST(bboConfigCodecTest, TheSampleDecodesAndEncodesBackByteForByte) {
    const std::string bytes = sampleConfig();
    const BboConfigDescription d = parseBboConfig(bytes);
    EXPECT_EQ(d.key, 4711);
    EXPECT_EQ(d.version, 0);
    EXPECT_TRUE(d.crlf);
    ASSERT_EQ(d.records.size(), 3u);
    const BboConfigEntry& third = d.records[2];
    EXPECT_EQ(third.record.modelCode, "M48");
    EXPECT_EQ(third.record.systemLetter, 'P');
    EXPECT_EQ(third.record.probeAddress, 0x40u);
    EXPECT_EQ(third.record.probeLow, 3);
    EXPECT_EQ(third.record.tableAddress, 0x100u);
    ASSERT_EQ(third.parameters.size(), 8u);
    EXPECT_EQ(third.parameters[1].name, "Tone Squelch Range 1     ");
    EXPECT_EQ(third.parameters[1].mask, 240);
    EXPECT_EQ(encodeBboConfig(d), bytes);
}

TEST(bboConfigCodecTest, EveryFileCutShortIsRefused) {
    const std::string bytes = sampleConfig();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_THROW(parseBboConfig(std::string_view(bytes).substr(0, length)), BboConfigError) << length;
    }
}

TEST(bboConfigCodecTest, RefusesMalformedItems) {
    const std::string good = encodeBboConfig(oneRecord(2));
    struct Case {
        const char* why;
        std::string from, to;  // first occurrence replaced
    };
    const Case cases[] = {
        {"21 parameters", "\n1002\n", "\n1021\n"},
        {"a letter in a number", "\n1064\n", "\n10a4\n"},
        {"an empty number", "\n1064\n", "\n\n"},
        {"a line over 30 characters", "\n1064\n", "\n" + std::string(27, '0') + "1064\n"},
        {"a probe bound over 255", "\n1015\n", "\n1256\n"},
        {"a negative table address", "\n1256\n", "\n999\n"},
        {"a number beyond 32 bits", "\n1064\n", "\n99999999999\n"},
        {"a model code without its line end", "\n1007\n", "\n1007\nxx"},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        const auto at = bad.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.why;
        bad.replace(at, c.from.size(), c.to);
        EXPECT_THROW(parseBboConfig(bad), BboConfigError) << c.why;
    }
}

TEST(bboConfigCodecTest, AnotherVersionIsReadNoFurther) {
    const BboConfigDescription d = parseBboConfig("77\n78\nanything at all");
    EXPECT_EQ(d.version, 1);
    EXPECT_TRUE(d.records.empty());
}

TEST(bboConfigCodecTest, EncoderRefusesWhatTheFileCannotCarry) {
    BboConfigDescription tooLong = oneRecord(1);
    tooLong.records[0].parameters[0].name = std::string(26, 'x');
    BboConfigDescription cut = oneRecord(1);
    cut.records[0].parameters[0].name = "Offset (A)";
    BboConfigDescription code = oneRecord(1);
    code.records[0].record.modelCode = "M48R";
    BboConfigDescription many = oneRecord(21);
    for (const auto& d : {tooLong, cut, code, many}) EXPECT_THROW(encodeBboConfig(d), BboConfigError);
    EXPECT_EQ(parseBboConfig(encodeBboConfig(oneRecord(20))).records[0].parameters.size(), 20u);
}

TEST(bboConfigFileModuleTest, ServesRecordsInOrderSkippingUnreadParameters) {
    testing::ScopedProgramDirectory folder;
    bboConfigFileModule config;
    EXPECT_FALSE(config.open());
    std::ofstream(folder.path() / "bbo.cfg", std::ios::binary) << sampleConfig();
    ASSERT_TRUE(config.open());
    ASSERT_TRUE(config.readAll());
    EXPECT_EQ(config.versionVerdict(), 0);
    EXPECT_EQ(config.recordCount(), 3);
    BboConfigRecord record;
    BboParameter parameter;
    ASSERT_TRUE(config.readRecord(record));
    ASSERT_TRUE(config.readParameter(parameter));
    ASSERT_TRUE(config.readRecord(record));
    EXPECT_EQ(record.recordNumber, 2);
    ASSERT_TRUE(config.readParameter(parameter));
    EXPECT_EQ(parameter.name, "CSQ Offset               ");
    ASSERT_TRUE(config.readRecord(record));
    EXPECT_FALSE(config.readRecord(record));

    std::ofstream(folder.path() / "bbo.cfg", std::ios::binary) << "4711\n4711\n47x\n";
    ASSERT_TRUE(config.open());
    EXPECT_FALSE(config.readAll());
    EXPECT_EQ(config.failure(), "line 3: the record count is not a decimal number");
    EXPECT_EQ(config.recordCount(), 0);
}

}  // namespace
}  // namespace vantrel
