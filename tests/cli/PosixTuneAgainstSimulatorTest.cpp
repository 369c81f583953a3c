#include "files/serviceLog.h"
#include "support/PosixTuneProcess.h"
#include "support/ScopedServiceLog.h"
#include "support/ScratchDirectory.h"
#include "tuning/TuningBench.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace vantrel::testing {
namespace {

using json = nlohmann::json;
using Words = std::vector<std::string>;

const std::string kOpenRefOsc = R"({"verb": "open", "screen": "Reference Oscillator Warp"})";

// "op=19 payload=[00]" of every request in a simulator's log file, from line `from` on.
Words loggedRequests(const std::filesystem::path& log, std::size_t from = 0) {
    std::ifstream in(log);
    Words requests;
    std::string line;
    for (std::size_t n = 0; std::getline(in, line); ++n) {
        const auto op = line.find("op=");
        const auto end = line.find(']', op);
        if (n >= from && op != std::string::npos && end != std::string::npos) {
            requests.push_back(line.substr(op, end + 1 - op));
        }
    }
    return requests;
}

std::size_t lineCount(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::size_t count = 0;
    for (std::string line; std::getline(in, line);) ++count;
    return count;
}

// The simulated radio on a pseudo-terminal, and vantrel-cli tune on it as a process.
class TuneAgainstSimulator : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(simulator.ready()); }

    std::unique_ptr<TuneProcess> start(std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.begin(), {"--device", link.string(), "--service-log", serviceLogPath.string()});
        auto process = std::make_unique<TuneProcess>(arguments, scratch / "tune.err");
        const json ready = process->answer();
        EXPECT_TRUE(ready.value("ready", false)) << ready << testing::readWholeFile(scratch / "tune.err");
        EXPECT_EQ(ready.value("serial", ""), "781TKA0101");
        return process;
    }
    Words lastRequests(std::size_t count) const {
        const Words all = loggedRequests(simulatorLog);
        return Words(all.end() - static_cast<std::ptrdiff_t>(std::min(count, all.size())), all.end());
    }

    ScratchDirectory scratch;
    std::filesystem::path link = scratch / "com1";
    std::filesystem::path simulatorLog = scratch / "radio.log";
    std::filesystem::path serviceLogPath = scratch / "service-log.jsonl";
    SimulatorProcess simulator{"portable-v1.json", link, simulatorLog};
};

const Words kDekeyThenReset{"op=19 payload=[00]", "op=10 payload=[]"};

TEST_F(TuneAgainstSimulator, AlignsAndCommitsAndLogsTheChange) {
    const auto process = start();
    TuneProcess& tune = *process;
    ASSERT_TRUE(tune.request(kOpenRefOsc)["ok"]);
    EXPECT_EQ(tune.request(R"({"verb": "key"})")["status"], "Radio is currently keyed up at 173.975000MHz");
    EXPECT_EQ(tune.request(R"({"verb": "set", "point": 7, "value": 290})")["points"][0]["working"], 290);
    EXPECT_EQ(tune.request(R"({"verb": "set", "value": 900})"),
              json({{"ok", false}, {"error", "Softpot Value (900) is not between 0 and 511"}}));
    EXPECT_EQ(tune.request("garbage")["error"], "malformed request: not a JSON object");
    const json refused = tune.request(R"({"verb": "commit"})");
    EXPECT_FALSE(refused["ok"]);
    EXPECT_EQ(refused["points"][0]["stored"], 300);
    const json committed = tune.request(R"({"verb": "commit", "confirm": true})");
    ASSERT_TRUE(committed["ok"]) << committed;
    EXPECT_EQ(committed["points"][0]["stored"], 290);
    EXPECT_EQ(tune.request(R"({"verb": "close"})")["ok"], true);
    tune.closeInput();
    EXPECT_EQ(tune.wait(), 0);
    EXPECT_EQ(lastRequests(2), kDekeyThenReset);

    const auto records = serviceLog(serviceLogPath).read().records;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].family, "Reference Oscillator Warp");
    EXPECT_EQ(records[0].before, 300);
    EXPECT_EQ(records[0].after, 290);
    EXPECT_EQ(records[0].result, ServiceResult::Done);
}

// However a script's session ends, a keyed radio is dekeyed and reset before the process goes.
enum class Ending { EndOfInput, Terminate, Interrupt, BrokenPipe };

class SessionEndTest : public TuneAgainstSimulator, public ::testing::WithParamInterface<std::pair<Ending, int>> {};

TEST_P(SessionEndTest, LeavesTheRadioDekeyedAndReset) {
    const auto [ending, status] = GetParam();
    const auto process = start();
    TuneProcess& tune = *process;
    ASSERT_TRUE(tune.request(kOpenRefOsc)["ok"]);
    ASSERT_TRUE(tune.request(R"({"verb": "key"})")["keyed"]);
    switch (ending) {
        case Ending::EndOfInput:
            tune.closeInput();
            break;
        case Ending::Terminate:
            tune.signal(SIGTERM);
            break;
        case Ending::Interrupt:
            tune.signal(SIGINT);
            break;
        case Ending::BrokenPipe:
            tune.closeOutput();
            tune.request(R"({"verb": "read"})");
            break;
    }
    if (ending != Ending::BrokenPipe) {
        const json closing = tune.answer();
        EXPECT_TRUE(closing["ok"]) << closing;
        EXPECT_FALSE(closing.contains("screen"));
    }
    EXPECT_EQ(tune.wait(), status);
    EXPECT_EQ(lastRequests(2), kDekeyThenReset);
}

INSTANTIATE_TEST_SUITE_P(Tune, SessionEndTest,
                         ::testing::Values(std::pair{Ending::EndOfInput, 0},
                                           std::pair{Ending::Terminate, 128 + SIGTERM},
                                           std::pair{Ending::Interrupt, 128 + SIGINT},
                                           std::pair{Ending::BrokenPipe, 0}));

// The desktop screen and the script drive the same session: one commit, the same requests and
// the same service-log line but for its time.
TEST_F(TuneAgainstSimulator, ACommitFromAScriptIsTheCommitOfTheScreen) {
    const auto process = start();
    TuneProcess& tune = *process;
    tune.request(kOpenRefOsc);
    tune.request(R"({"verb": "set", "value": 307})");
    const std::size_t before = lineCount(simulatorLog);
    ASSERT_TRUE(tune.request(R"({"verb": "commit", "confirm": true})")["ok"]);
    const Words scripted = loggedRequests(simulatorLog, before);
    tune.closeInput();
    tune.wait();

    ScopedServiceLog desktopLog;
    TuningBench t;
    auto screen = t.open(1);
    screen->boxEntered(0, 307);
    t.bench.radio.clearLog();
    t.ui.answers = {MessageAnswer::Ok};
    screen->program({screen->workingText(0)});
    Words onScreen;
    for (const auto& request : t.bench.radio.log()) {
        const std::string described = sim::describe(request);
        const auto op = described.find("op=");
        onScreen.push_back(described.substr(op, described.find(']', op) + 1 - op));
    }
    EXPECT_EQ(scripted, onScreen);

    auto fromScript = serviceLog(serviceLogPath).read().records;
    auto fromScreen = desktopLog.records();
    ASSERT_EQ(fromScript.size(), 1u);
    ASSERT_EQ(fromScreen.size(), 1u);
    fromScript[0].time = fromScreen[0].time = "";
    EXPECT_EQ(encodeServiceRecord(fromScript[0]), encodeServiceRecord(fromScreen[0]));
}

}  // namespace
}  // namespace vantrel::testing
