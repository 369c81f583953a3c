#include "utilities/bboMatching.h"

#include "utilities/UtilityFixture.h"
#include "utilities/bboConfigFileModule.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::UtilityBench;

constexpr std::uint8_t kReadMemory = 0x11;

BboConfigEntry record(std::int32_t number, const char* code, char letter, std::int32_t low, std::int32_t high,
                      int parameters) {
    BboConfigEntry e;
    e.record = {number, code, letter, 0x40, low, high, 0x100, parameters};
    for (int i = 0; i < parameters; ++i)
        e.parameters.push_back({"Parameter " + std::to_string(number * 10 + i), 0, 15});
    return e;
}

std::string config(std::vector<BboConfigEntry> records, std::int32_t version = 0) {
    BboConfigDescription d;
    d.key = 321;
    d.version = version;
    d.records = std::move(records);
    return encodeBboConfig(d);
}

struct MatchRun {
    bool matched;
    std::vector<std::string> shown;
    std::size_t probes;
};

MatchRun match(const std::string& profile, const std::optional<std::string>& file) {
    UtilityBench bench(profile);
    if (file) bench.writeConfig(*file);
    bboConfigFileModule module;
    const bool matched = prepareBasebandUpdate(bench.storage, module, bench.ui);
    return {matched, bench.ui.texts(), bench.bench.requests(kReadMemory).size()};
}

TEST(bboMatchingTest, TheFirstRecordWhoseModelAndProbeFitBuildsTheTable) {
    // The probe byte of the simulated radio is 3.
    UtilityBench bench("mobile-bbo-codeplug");
    bench.writeConfig(config({record(1, "H31", 'P', 0, 255, 1), record(2, "M48", 'P', 4, 9, 2),
                              record(3, "M48", 'P', 3, 3, 3), record(4, "M48", 'P', 0, 255, 4)}));
    bboConfigFileModule module;
    ASSERT_TRUE(prepareBasebandUpdate(bench.storage, module, bench.ui));
    EXPECT_TRUE(bench.ui.shown.empty());
    EXPECT_EQ(bench.storage.configRecord().recordNumber, 3);
    EXPECT_EQ(bench.storage.configRecordCount(), 4);
    ASSERT_EQ(bench.storage.parameterTable().size(), 3u);
    EXPECT_EQ(bench.storage.parameterTable()[2].name, "Parameter 32             ");
    // Records 2 and 3 name the model, so the radio is probed twice; record 1 never.
    const auto probes = bench.bench.payloads(kReadMemory);
    EXPECT_EQ(probes, (std::vector<std::vector<std::uint8_t>>(2, {1, 0x00, 0x00, 0x40})));
}

TEST(bboMatchingTest, OpeningOutcomesAndTheirMessages) {
    struct Case {
        const char* why;
        const char* profile;
        std::optional<std::string> file;
        bool matched;
        std::vector<std::string> shown;
        bool radioAsked;
    };
    const std::string noMatch =
        "Error|Unable to match data configuration to current radio.\nPlease contact Keldane for latest Baseband "
        "Update configuration file.";
    std::string tooMany = config({record(1, "M48", 'P', 0, 255, 1)});
    tooMany.replace(tooMany.find("\n322\n", tooMany.find("\n577\n")), 5, "\n342\n");
    const Case cases[] = {
        {"prefixed model compares positions 2-4 and 10",
         "mobile-bbo-codeplug-prefixed.json",
         config({record(1, "EXM", 'E', 0, 255, 1), record(2, "M48", 'P', 0, 255, 1)}),
         true,
         {},
         true},
        {"system letter differs",
         "mobile-bbo-codeplug.json",
         config({record(1, "M48", 'A', 0, 255, 1)}),
         false,
         {noMatch},
         false},
        {"probe outside every range",
         "mobile-bbo-codeplug.json",
         config({record(1, "M48", 'P', 4, 255, 1)}),
         false,
         {noMatch},
         true},
        {"version line differs from the key",
         "mobile-bbo-codeplug.json",
         config({}, 1),
         false,
         {"Error|The current Tuner does not support this version of the Baseband Update configuration file"},
         false},
        {"21 parameters",
         "mobile-bbo-codeplug.json",
         tooMany,
         false,
         {"Error|Unable to read Baseband Offset Utility configuration file"},
         false},
        {"no file",
         "mobile-bbo-codeplug.json",
         std::nullopt,
         false,
         {" NOTE|Baseband Offset Utility configuration file is missing.\nPlease contact Keldane for latest "
          "configuration file."},
         false},
        {"radio mode needs no file", "mobile-bbo-radio.json", std::nullopt, true, {}, false},
    };
    for (const Case& c : cases) {
        const std::string name(c.profile);
        const MatchRun run = match(name.substr(0, name.size() - 5), c.file);
        EXPECT_EQ(run.matched, c.matched) << c.why;
        EXPECT_EQ(run.shown, c.shown) << c.why;
        EXPECT_EQ(run.probes > 0, c.radioAsked) << c.why;
    }
}

TEST(bboMatchingTest, RadioModeHasTheNineFixedParametersAndAFailedProbeIsTold) {
    UtilityBench radio("mobile-bbo-radio");
    bboConfigFileModule module;
    ASSERT_TRUE(prepareBasebandUpdate(radio.storage, module, radio.ui));
    ASSERT_EQ(radio.storage.parameterTable().size(), 9u);
    EXPECT_EQ(radio.storage.parameterTable()[8].name, "Orsk Low Deviation Offset");

    UtilityBench failing("mobile-bbo-codeplug");
    failing.writeConfig(config({record(1, "M48", 'P', 0, 255, 1)}));
    failing.refuseEvery(kReadMemory);
    EXPECT_FALSE(prepareBasebandUpdate(failing.storage, module, failing.ui));
    EXPECT_EQ(failing.ui.texts(),
              (std::vector<std::string>{
                  " WARNING|Unable to verify system parameters. Please check connection and retry again"}));
    EXPECT_EQ(failing.bench.opener.opened, failing.bench.opener.closed);
}

}  // namespace
}  // namespace vantrel
