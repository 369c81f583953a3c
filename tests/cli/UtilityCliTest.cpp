#include "cli/CliCommand.h"

#include "utilities/UtilityFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vantrel {
namespace {

using ::testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

// vantrel-cli in-process against a simulated radio on COM1 of a program folder of its own.
struct UtilityCli {
    explicit UtilityCli(const std::string& profile) : bench(testing::simulatedRadio(profile + ".json")) {}

    int run(std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }
    std::string path(const std::string& name) const { return (bench.folder.path() / name).string(); }
    std::string read(const std::string& name) const {
        std::ifstream file(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }

    testing::RadioBench bench;
    std::ostringstream out;
    std::ostringstream err;
};

TEST(UtilityCliTest, BboConfigDecodesAndEncodesBackByteForByte) {
    UtilityCli cli("portable-v1");
    cli.write("bbo.cfg", testing::sampleConfig());
    ASSERT_EQ(cli.run({"bbo-config", "decode", cli.path("bbo.cfg"), "-o", cli.path("bbo.json")}), 0) << cli.err.str();
    EXPECT_THAT(cli.read("bbo.json"), HasSubstr("\"name\": \"Tone Squelch Range 1\""));
    ASSERT_EQ(cli.run({"bbo-config", "encode", cli.path("bbo.json"), "-o", cli.path("again.cfg")}), 0) << cli.err.str();
    EXPECT_EQ(cli.read("again.cfg"), testing::sampleConfig());
    EXPECT_TRUE(cli.bench.radio.log().empty());
}

TEST(UtilityCliTest, BboConfigRefusals) {
    UtilityCli cli("portable-v1");
    std::string mixed = testing::sampleConfig();
    mixed.erase(mixed.find('\r'), 1);
    cli.write("mixed.cfg", mixed);
    cli.write("cut.cfg", testing::sampleConfig().substr(0, 100));
    cli.write("bad.json", R"({"key": 1, "version": 0, "lineEnding": "LF", "records": [{"record": 1}]})");
    cli.write("wide.json", R"({"key": 1, "version": 0, "lineEnding": "LF", "records": [{"record": 1, "model": "M48",
        "system": "P", "probeAddress": 64, "probeLow": 0, "probeHigh": 300, "tableAddress": 256, "parameters": []}]})");
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string said;
    };
    // A file that cannot be read or taken whole is a file failure (4); a wrong command line is 2.
    const Case cases[] = {
        {{"bbo-config", "decode", cli.path("mixed.cfg")}, 4, "would not encode back to the same bytes"},
        {{"bbo-config", "decode", cli.path("cut.cfg")}, 4, "the file ends"},
        {{"bbo-config", "decode", cli.path("none.cfg")}, 4, "could not be read"},
        {{"bbo-config", "encode", cli.path("bad.json"), "-o", cli.path("x.cfg")}, 4, "has no \"model\""},
        {{"bbo-config", "encode", cli.path("wide.json"), "-o", cli.path("x.cfg")}, 4, "the probe high 300"},
        {{"bbo-config", "encode", cli.path("bad.json")}, 2, "needs -o FILE"},
        {{"bbo-config", "check", cli.path("bad.json")}, 2, "decode FILE or encode"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cli.run(c.arguments), c.status) << c.arguments[2];
        EXPECT_THAT(cli.err.str(), HasSubstr(c.said)) << c.arguments[2];
    }
    EXPECT_FALSE(std::filesystem::exists(cli.path("x.cfg")));
}

TEST(UtilityCliTest, SerialNumberAndTempComp) {
    UtilityCli cli("portable-v1");
    ASSERT_EQ(cli.run({"serial-number"}), 0) << cli.err.str();
    EXPECT_EQ(cli.out.str(), "781TKA0101\n");
    EXPECT_EQ(cli.run({"serial-number", "--write", "781TKA010"}), 1);
    EXPECT_THAT(cli.err.str(), HasSubstr("Entry Error: Serial No. must be exactly 10 characters"));
    EXPECT_EQ(cli.run({"serial-number", "--write", "781TKA0999", "--expect", "781TKA0000"}), 1);
    EXPECT_THAT(cli.err.str(), HasSubstr("WARNING: Radio has been changed!! Read in new radio?"));
    EXPECT_TRUE(cli.bench.payloads(0x18).empty());
    ASSERT_EQ(cli.run({"serial-number", "--write", "781TKA0999"}), 0) << cli.err.str();
    EXPECT_EQ(cli.bench.radio.model().identity().serialNumber, "781TKA0999");

    ASSERT_EQ(cli.run({"temp-comp"}), 0) << cli.err.str();
    EXPECT_EQ(cli.out.str(), "0aff007b\n");
    EXPECT_EQ(cli.run({"temp-comp", "--write", "0AFF00GB"}), 2);
    ASSERT_EQ(cli.run({"temp-comp", "--write", "01020304"}), 0) << cli.err.str();
    EXPECT_EQ(cli.bench.requests(0x20).back().frame, (Bytes{0xF7, 0x20, 0x01, 0x01, 1, 2, 3, 4, 0xDC}));
    EXPECT_EQ(cli.run({"temp-comp", "--write", "0102"}), 1);
}

TEST(UtilityCliTest, BboPrintsTheOffsetsAsTones) {
    UtilityCli codeplug("mobile-bbo-codeplug");
    codeplug.write("bbo.cfg", testing::sampleConfig());
    ASSERT_EQ(codeplug.run({"bbo"}), 0) << codeplug.err.str();
    EXPECT_THAT(codeplug.out.str(), HasSubstr("Primary system = Pellion\n"));
    EXPECT_THAT(codeplug.out.str(), HasSubstr("Tone Squelch Range 1           144 Hz    115 Hz    86 Hz\n"));

    UtilityCli registers("mobile-bbo-radio");
    ASSERT_EQ(registers.run({"bbo"}), 0) << registers.err.str();
    EXPECT_THAT(registers.out.str(), HasSubstr("Orsk Low Deviation Offset      1215 Hz   1066 Hz   921 Hz\n"));

    UtilityCli missing("mobile-bbo-codeplug");
    EXPECT_EQ(missing.run({"bbo"}), 1);
    EXPECT_THAT(missing.err.str(), HasSubstr("configuration file is missing"));
}

}  // namespace
}  // namespace vantrel
