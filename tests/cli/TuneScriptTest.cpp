#include "cli/TuneScript.h"
#include "support/ScopedServiceLog.h"
#include "tuning/TuningBench.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vantrel::testing {
namespace {

using json = nlohmann::json;
using Words = std::vector<std::string>;

const std::string kOpenRefOsc = R"({"verb": "open", "screen": "Reference Oscillator Warp"})";

// A script's session over a read portable on the virtual line.
class TuneScriptTest : public ::testing::Test {
protected:
    TuneScriptTest() = default;
    explicit TuneScriptTest(const std::string& profile) : t(profile) {}
    json send(const std::string& line) { return json::parse(script.handle(line)); }

    ScopedServiceLog log;
    TuningBench t;
    cli::TuneScript script{t.storage, [this] { t.context.readNewRadio(); }};
};

TEST_F(TuneScriptTest, AlignsASingleValueScreenAndClosesItAsTheDesktopDoes) {
    json a = send(kOpenRefOsc);
    ASSERT_TRUE(a["ok"]) << a;
    EXPECT_EQ(a["kind"], 1);
    EXPECT_EQ(a["status"], "Radio is currently dekeyed");
    EXPECT_EQ(a["points"], json::parse(R"([{"point": 7, "inUse": true, "stored": 300, "working": 300,
                                            "frequency": 173.975}])"));
    EXPECT_EQ(t.requests(), (Words{"serial", "test 0,2,2", "test 129,2,2", "channel 7395/7380"}));

    a = send(R"({"verb": "key"})");
    EXPECT_EQ(a["status"], "Radio is currently keyed up at 173.975000MHz");
    EXPECT_TRUE(a["keyed"]);
    a = send(R"({"verb": "set", "value": 311})");
    EXPECT_EQ(a["points"][0]["working"], 311);
    EXPECT_EQ(a["points"][0]["stored"], 300);
    EXPECT_EQ(t.requests(), (Words{"key up", "live 11=300", "serial", "live 11=311"}));

    a = send(R"({"verb": "commit", "confirm": true})");
    ASSERT_TRUE(a["ok"]) << a;
    EXPECT_EQ(a["messages"], json::parse(R"json([{"text": "Commit new softpot value? Softpot Value Range (0-511)",
                                              "caption": "WARNING", "confirmed": true}])json"));
    EXPECT_EQ(a["points"][0]["stored"], 311);
    EXPECT_FALSE(a["keyed"]);
    EXPECT_EQ(t.requests(), (Words{"serial", "dekey", "channel 7395/7380", "commit 11=311"}));
    ASSERT_EQ(log.records().size(), 1u);
    EXPECT_EQ(log.records()[0].after, 311);

    send(R"({"verb": "key"})");
    t.requests();
    a = send(R"({"verb": "close"})");
    EXPECT_TRUE(a["ok"]);
    EXPECT_FALSE(a.contains("screen"));
    EXPECT_EQ(t.requests(), (Words{"dekey", "reset"}));
    EXPECT_EQ(t.openScreenKind, 0);
    EXPECT_FALSE(script.finish().has_value());
}

// The K and M screen from a script: the power boxes take the focus and the watts read, measure
// gives a point's K and M, and a commit takes the fourteen boxes, so the points whose readings
// were not retyped keep their K and M.
class TuneScriptKandMTest : public TuneScriptTest {
protected:
    TuneScriptKandMTest() : TuneScriptTest("mobile-v2-centred-k") {}
};

TEST_F(TuneScriptKandMTest, TypesReadingsIntoThePowerBoxesAndCommitsThem) {
    json a = send(R"json({"verb": "open", "screen": "Transmit Power Tuning (Mobile)"})json");
    ASSERT_TRUE(a["ok"]) << a;
    ASSERT_EQ(a["boxes"].size(), 14u);
    EXPECT_EQ(a["boxes"][0], "23.814");
    EXPECT_EQ(a["boxes"][1], "34.574");
    a = send(R"({"verb": "measure", "point": 2})");
    const json f2 = a["readings"];
    a = send(R"({"verb": "measure", "point": 1})");
    EXPECT_EQ(a["readings"], json::parse(R"({"K": 200, "M": 50, "DAC1": 100, "DAC2": 150})"));

    a = send(R"({"verb": "power", "point": 1, "column": 2})");
    a = send(R"({"verb": "key"})");
    EXPECT_TRUE(a["keyed"]);
    EXPECT_THAT(a["status"].get<std::string>(), ::testing::HasSubstr("keyed up"));
    a = send(R"({"verb": "power", "point": 1, "column": 2, "watts": "40.000"})");
    EXPECT_EQ(a["boxes"][1], "40.000");
    EXPECT_EQ(send(R"({"verb": "power", "point": 1, "column": 3})")["error"],
              "\"column\" must be 1 (Power 1) or 2 (Power 2)");

    a = send(R"({"verb": "commit", "confirm": true})");
    ASSERT_TRUE(a["ok"]) << a;
    EXPECT_NE(send(R"({"verb": "measure", "point": 1})")["readings"]["K"], 200);
    // F2 was not retyped: its K and M come back from the powers shown to three decimals, so within
    // one step of rounding, never the defaults an empty box would give.
    const json f2After = send(R"({"verb": "measure", "point": 2})")["readings"];
    EXPECT_NEAR(f2After["K"].get<int>(), f2["K"].get<int>(), 1);
    EXPECT_NEAR(f2After["M"].get<int>(), f2["M"].get<int>(), 1);
    EXPECT_FALSE(log.records().empty());
    script.finish();
}

TEST_F(TuneScriptTest, UpdatesAnRssiThresholdFromTheSignalOnTheInput) {
    ASSERT_TRUE(send(R"({"verb": "open", "screen": "RSSI Tuning"})")["ok"]);
    t.requests();
    const json a = send(R"({"verb": "update", "threshold": 2})");
    ASSERT_TRUE(a["ok"]) << a;
    EXPECT_EQ(a["readings"], json::parse(R"({"threshold1": 20, "threshold2": 38})"));
    EXPECT_EQ(t.requests(), (Words{"serial", "commit 26=1", "read all 26", "calibration 25"}));
    EXPECT_EQ(send(R"({"verb": "update", "threshold": 3})")["error"], "threshold 3 is not on the RSSI Tuning screen");
    EXPECT_EQ(send(R"({"verb": "update"})")["error"], "update needs a \"threshold\"");
}

TEST_F(TuneScriptTest, AlignsAPerPointScreenPointByPoint) {
    json a = send(R"({"verb": "open", "screen": "Transmit High Power"})");
    ASSERT_TRUE(a["ok"]) << a;
    ASSERT_EQ(a["points"].size(), 7u);
    EXPECT_EQ(a["points"][2]["stored"], 98);
    t.requests();
    a = send(R"({"verb": "select", "point": 3})");
    EXPECT_EQ(a["selected"], 3);
    send(R"({"verb": "key"})");
    a = send(R"({"verb": "set", "value": 90})");
    EXPECT_EQ(a["points"][2]["working"], 90);
    EXPECT_EQ(t.requests(), (Words{"serial", "channel 2600/2580", "key up", "live 0=98", "serial", "live 0=90"}));
    a = send(R"({"verb": "commit", "confirm": true})");
    ASSERT_TRUE(a["ok"]) << a;
    EXPECT_EQ(a["points"][2]["stored"], 90);
    EXPECT_EQ(t.storage.value(3, 2), 90);
    const auto records = log.records();
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[2].point, 3);
    EXPECT_EQ(records[2].before, 98);
    EXPECT_EQ(records[2].after, 90);
    EXPECT_EQ(records[6].after, 102);
}

TEST_F(TuneScriptTest, AutoTunesASquelchRowAndKeepsItForTheCommit) {
    ASSERT_TRUE(send(R"({"verb": "open", "screen": "Squelch Attn. 25KHz"})")["ok"]);
    EXPECT_EQ(send(R"({"verb": "key"})")["error"], "Squelch Attn. 25KHz has no PTT Toggle");
    json a = send(R"({"verb": "auto-tune", "point": 3})");
    ASSERT_TRUE(a["ok"]) << a;
    EXPECT_EQ(a["status"], "Point 149.900000MHz is currently being tuned");
    EXPECT_EQ(a["points"][2]["working"], 46);
    EXPECT_EQ(a["points"][2]["stored"], 42) << "the default field keeps the committed value";
    EXPECT_TRUE(log.records().empty()) << "nothing reaches the radio's memory before Program";
    a = send(R"({"verb": "commit", "confirm": true})");
    EXPECT_EQ(a["points"][2]["stored"], 46);
    EXPECT_EQ(log.records().at(2).after, 46);
}

TEST_F(TuneScriptTest, AnUnconfirmedCommitIsDeclinedAndChangesNothing) {
    send(kOpenRefOsc);
    send(R"({"verb": "set", "value": 5})");
    const json a = send(R"({"verb": "commit"})");
    EXPECT_FALSE(a["ok"]);
    EXPECT_THAT(a["error"].get<std::string>(), ::testing::HasSubstr("send \"confirm\": true"));
    EXPECT_EQ(a["points"][0]["stored"], 300);
    EXPECT_TRUE(log.records().empty());
}

TEST_F(TuneScriptTest, AnotherRadioIsReadOnlyWhenTheScriptAsks) {
    send(kOpenRefOsc);
    t.storage.setSerialNumber("000OTHER00");
    json a = send(R"({"verb": "set", "value": 5})");
    EXPECT_FALSE(a["ok"]);
    EXPECT_THAT(a["error"].get<std::string>(), ::testing::HasSubstr("Serial No. mismatch!! Read in new radio?"));
    EXPECT_EQ(t.radioReads, 0);
    a = send(R"({"verb": "set", "value": 5, "readNewRadio": true})");
    EXPECT_TRUE(a["ok"]) << a;
    EXPECT_EQ(t.radioReads, 1);
    EXPECT_EQ(t.storage.serialNumber(), "781TKA0101");
}

TEST_F(TuneScriptTest, TheEndOfTheSessionClosesAKeyedScreen) {
    send(kOpenRefOsc);
    send(R"({"verb": "key"})");
    t.requests();
    const auto closing = script.finish();
    ASSERT_TRUE(closing.has_value());
    EXPECT_TRUE(json::parse(*closing)["ok"]);
    EXPECT_EQ(t.requests(), (Words{"dekey", "reset"}));
}

// Every request that cannot be taken is answered with its reason, and neither the session
// nor the radio moves.
struct BadRequest {
    std::string name;
    std::string line;
    std::string error;
};

class BadRequestTest : public TuneScriptTest, public ::testing::WithParamInterface<BadRequest> {};

TEST_P(BadRequestTest, IsRefusedWithItsReasonAndNothingMoves) {
    send(kOpenRefOsc);
    send(R"({"verb": "key"})");
    const json before = send(R"({"verb": "read"})");
    t.requests();
    const json a = send(GetParam().line);
    EXPECT_EQ(a, json({{"ok", false}, {"error", GetParam().error}}));
    EXPECT_EQ(t.requests(), Words{});
    EXPECT_EQ(send(R"({"verb": "read"})"), before);
}

INSTANTIATE_TEST_SUITE_P(
    TuneScript, BadRequestTest,
    ::testing::Values(
        BadRequest{"NotJson", "set 5", "malformed request: not a JSON object"},
        BadRequest{"CutShort", R"({"verb": "set", "val)", "malformed request: not a JSON object"},
        BadRequest{"Array", "[1, 2]", "malformed request: not a JSON object"},
        BadRequest{"NoVerb", R"({"value": 5})", "malformed request: \"verb\" must be a text"},
        BadRequest{"VerbNumber", R"({"verb": 5})", "malformed request: \"verb\" must be a text"},
        BadRequest{"UnknownVerb", R"({"verb": "tune"})", "unknown verb \"tune\""},
        BadRequest{"MisspeltField", R"({"verb": "set", "valeu": 5})", "unknown field \"valeu\" for set"},
        BadRequest{"NoValue", R"({"verb": "set"})", "set needs a \"value\""},
        BadRequest{"AboveRange", R"({"verb": "set", "value": 512})", "Softpot Value (512) is not between 0 and 511"},
        BadRequest{"Negative", R"({"verb": "set", "value": -1})", "\"value\" must be a whole number from 0 up, not -1"},
        BadRequest{"Fraction", R"({"verb": "set", "value": 3.5})",
                   "\"value\" must be a whole number from 0 up, not 3.5"},
        BadRequest{"Text", R"({"verb": "set", "value": "64"})",
                   "\"value\" must be a whole number from 0 up, not \"64\""},
        BadRequest{"Huge", R"({"verb": "set", "value": 99999999999})",
                   "\"value\" must be a whole number from 0 up, not 99999999999"},
        BadRequest{"OtherPoint", R"({"verb": "set", "point": 3, "value": 5})",
                   "point 3 is not on the Reference Oscillator Warp screen"},
        BadRequest{"ConfirmText", R"({"verb": "commit", "confirm": "yes"})", "\"confirm\" must be true or false"},
        BadRequest{"SecondOpen", R"({"verb": "open", "screen": "DTMF Deviation"})",
                   "a screen is already open: Reference Oscillator Warp"},
        BadRequest{"NoAutoTune", R"({"verb": "auto-tune"})", "Reference Oscillator Warp offers no auto-tune"},
        BadRequest{"NoMeasure", R"({"verb": "measure", "point": 7})", "Reference Oscillator Warp offers no measure"},
        BadRequest{"NoPowerBoxes", R"({"verb": "power", "point": 7, "watts": "4.0"})",
                   "Reference Oscillator Warp has no power boxes"},
        BadRequest{"NoUpdateButtons", R"({"verb": "update", "threshold": 1})",
                   "Reference Oscillator Warp has no Update buttons"}),
    [](const auto& test) { return test.param.name; });

TEST_F(TuneScriptTest, WithoutAScreenOnlyAGoodOpenIsTaken) {
    const std::vector<std::pair<std::string, std::string>> refused{
        {R"({"verb": "key"})", "key needs an open screen"},
        {R"({"verb": "open", "screen": "Warp Drive"})", "no screen \"Warp Drive\""},
        {R"({"verb": "open", "kind": 99})", "no screen of kind 99"},
        {R"({"verb": "open", "kind": 1, "screen": "DTMF Deviation"})", "open takes either \"screen\" or \"kind\""},
        {R"({"verb": "open"})", "open takes either \"screen\" or \"kind\""},
    };
    for (const auto& [line, error] : refused) {
        EXPECT_EQ(send(line), json({{"ok", false}, {"error", error}})) << line;
    }
    EXPECT_EQ(t.requests(), Words{});
    EXPECT_EQ(send(R"({"verb": "open", "kind": 9})")["screen"], "DTMF Deviation");
}

}  // namespace
}  // namespace vantrel::testing
