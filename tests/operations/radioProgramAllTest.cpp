#include "operations/radioProgramAll.h"

#include "link/CommunicationError.h"
#include "model/radioStorage.h"
#include "operations/OperationsBench.h"
#include "operations/radioOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace vantrel {
namespace {

using testing::RadioBench;
using testing::RecordedProgress;
using testing::simulatedRadio;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kChannelRequest = 0x21;
constexpr std::uint8_t kResetRequest = 0x10;
constexpr std::uint8_t kAllPointsMode = 4;

// The storage as a read of the bench's radio leaves it; the log and the port counts start
// afresh for what follows.
radioStorage readFrom(RadioBench& bench) {
    radioStorage storage;
    RecordedProgress progress;
    EXPECT_EQ(radioOperations().readRadio(storage, progress), ReadOutcome::complete());
    bench.radio.clearLog();
    bench.opener.opened = bench.opener.closed = 0;
    return storage;
}

RecordedProgress programAll(radioStorage& storage) {
    RecordedProgress progress;
    radioProgramAll(storage, progress).programAll();
    return progress;
}

// Softpot numbers of the all-points writes, in order.
std::vector<int> allPointsWrites(const RadioBench& bench) {
    std::vector<int> softpots;
    for (const Bytes& p : bench.payloads(0x20)) {
        if (p.size() > 1 && p[1] == kAllPointsMode) softpots.push_back(p[0]);
    }
    return softpots;
}

sim::RadioProfile withCodeplugByte(sim::RadioProfile profile, std::uint8_t byte) {
    profile.memory.contents.push_back(sim::MemoryPatch{2, {byte}});
    return profile;
}

bool lastRequestIsReset(const RadioBench& bench) {
    const auto log = bench.requests();
    return !log.empty() && log.back().opcode == kResetRequest;
}

TEST(radioProgramAllTest, RadioTakingAllPointsWritesGetsEveryBlockWholeAndNoPointSelection) {
    RadioBench bench(simulatedRadio("portable-v1.json"));
    radioStorage storage = readFrom(bench);
    const RecordedProgress progress = programAll(storage);

    EXPECT_EQ(progress.calls,
              (std::vector<std::string>{"5% Complete",  "=5",  "15% Complete", "=15", "20% Complete", "=20",
                                        "25% Complete", "=25", "35% Complete", "=35", "45% Complete", "=45",
                                        "55% Complete", "=55", "60% Complete", "=60", "80% Complete", "=80",
                                        "90% Complete", "=90", "=100"}));
    // The codeplug byte comes first: one byte at address 2.
    ASSERT_FALSE(bench.requests().empty());
    EXPECT_EQ(bench.requests().front().opcode, 0x11);
    EXPECT_EQ(bench.requests().front().payload, (Bytes{1, 0, 0, 2}));
    EXPECT_EQ(allPointsWrites(bench), (std::vector<int>{0, 0, 28, 3, 2, 13, 7, 7, 7, 26}));
    EXPECT_EQ(bench.softpotPayloads(0).front(), (Bytes{0, 4, 96, 97, 98, 99, 100, 101, 102}));
    // Only the single VCO values of the narrow spacings are tied to a channel: the last used
    // transmit value and the last used receive value.
    EXPECT_EQ(bench.payloads(kChannelRequest), (std::vector<Bytes>(2, Bytes{0, 0x1C, 0xE3, 0x1C, 0xD4})));
    EXPECT_TRUE(storage.isSupported(21));
    EXPECT_TRUE(lastRequestIsReset(bench));
    // One connection for each step with something to send, each closed again.
    EXPECT_EQ(bench.opener.opened, 16);
    EXPECT_EQ(bench.opener.closed, 16);
}

TEST(radioProgramAllTest, SecondProcedureProgramsKandMVoltageLimitAndBatteryButNoTransmitPower) {
    RadioBench bench(simulatedRadio("mobile-v2.json"));
    radioStorage storage = readFrom(bench);
    const RecordedProgress progress = programAll(storage);

    // All-points writes accepted: the voltage limit and the first squelch block report nothing.
    EXPECT_EQ(progress.percents, (std::vector<int>{5, 35, 45, 55, 60, 80, 90, 100}));
    EXPECT_TRUE(bench.softpotPayloads(0).empty());
    EXPECT_TRUE(bench.softpotPayloads(28).empty());
    EXPECT_EQ(bench.softpotPayloads(17), (std::vector<Bytes>{{17, 4, 0x12, 0x34, 0x13, 0x35, 0x14, 0x36, 0x15, 0x37,
                                                              0x16, 0x38, 0x17, 0x39, 0x18, 0x3A}}));
    EXPECT_EQ(bench.softpotPayloads(6), (std::vector<Bytes>{{6, 4, 90, 91, 92, 93, 94, 95, 96}}));
    EXPECT_EQ(bench.softpotPayloads(10), (std::vector<Bytes>{{10, 4, 0x00, 0x96}}));
}

TEST(radioProgramAllTest, FirstProcedureNeverProgramsKandMVoltageLimitOrBattery) {
    RadioBench bench(simulatedRadio("portable-v1.json"));
    radioStorage storage = readFrom(bench);
    // Even with the flags of the second procedure's families standing.
    storage.markSupported(16);
    storage.markSupported(25);
    programAll(storage);

    EXPECT_TRUE(bench.softpotPayloads(17).empty());
    EXPECT_TRUE(bench.softpotPayloads(6).empty());
    EXPECT_TRUE(bench.softpotPayloads(10).empty());
    EXPECT_EQ(bench.softpotPayloads(0).size(), 2u);
}

TEST(radioProgramAllTest, OldCodeplugWithSelect5OrMpt1327KeepsTheRestrictedBlocksPointByPoint) {
    struct Case {
        bool select5;
        bool mpt1327;
        std::optional<std::uint8_t> codeplug;  // none: the radio declines memory reads
        bool allPoints;
    };
    for (const Case& c : {Case{false, true, 24, false}, Case{true, false, 24, false}, Case{true, true, 25, true},
                          Case{false, false, 24, true}, Case{true, true, std::nullopt, false}}) {
        SCOPED_TRACE(::testing::Message() << "select 5 " << c.select5 << ", MPT 1327 " << c.mpt1327
                                          << ", codeplug byte " << (c.codeplug ? int(*c.codeplug) : -1));
        sim::RadioProfile profile = simulatedRadio("portable-v1.json");
        if (c.codeplug) {
            profile = withCodeplugByte(profile, *c.codeplug);
        } else {
            profile.unsupportedRequests.insert(0x11);
        }
        RadioBench bench(profile);
        radioStorage storage = readFrom(bench);
        if (!c.select5) storage.markUnsupported(13);
        if (!c.mpt1327) storage.markUnsupported(14);
        const RecordedProgress progress = programAll(storage);

        const auto percents = progress.percents;
        if (c.allPoints) {
            EXPECT_EQ(allPointsWrites(bench), (std::vector<int>{0, 0, 28, 3, 2, 13, 7, 7, 7, 26}));
            EXPECT_EQ(std::count(percents.begin(), percents.end(), 85), 0);
            continue;
        }
        // Transmit power and modulation balance are not restricted; the RSSI thresholds are not
        // written at all.
        EXPECT_EQ(allPointsWrites(bench), (std::vector<int>{0, 0, 28, 3}));
        EXPECT_TRUE(bench.softpotPayloads(26).empty());
        EXPECT_FALSE(storage.isSupported(21));
        EXPECT_EQ(std::count(percents.begin(), percents.end(), 85), 1);
        // VCO attenuation: seven points with both halves, plus the two narrow values. Front end
        // filter and the three squelch blocks: the receive value alone, seven points each.
        const auto channels = bench.payloads(kChannelRequest);
        const auto single =
            std::count_if(channels.begin(), channels.end(), [](const Bytes& p) { return p.size() == 3; });
        EXPECT_EQ(channels.size(), 7u + 2u + 4u * 7u);
        EXPECT_EQ(single, 4 * 7);
        EXPECT_EQ(bench.softpotPayloads(13).front(), (Bytes{13, 1, 120}));
    }
}

TEST(radioProgramAllTest, RadioRefusingAllPointsWritesGetsEachUsedPointOnItsOwnChannel) {
    // F1, F2, F4 and F6 used on the transmit side; F1, F2, F3 and F5 on the receive side.
    RadioBench bench(simulatedRadio("portable-v1-per-point.json"));
    radioStorage storage = readFrom(bench);
    programAll(storage);

    // Transmit high power, the first block: after the refused all-points write, each used
    // transmit point with its own receive half, or the first used one where that is unused.
    const auto log = bench.requests();
    auto at = std::find_if(log.begin(), log.end(), [](const sim::LoggedRequest& r) {
        return r.opcode == 0x20 && r.payload[0] == 0 && r.payload[1] == kAllPointsMode;
    });
    ASSERT_NE(at, log.end());
    // Each request as its opcode followed by its payload.
    std::vector<Bytes> following;
    for (++at; at != log.end() && following.size() < 8; ++at) {
        Bytes request{at->opcode};
        request.insert(request.end(), at->payload.begin(), at->payload.end());
        following.push_back(request);
    }
    EXPECT_EQ(following, (std::vector<Bytes>{
                             {0x21, 0, 0x00, 0xC8, 0x00, 0xB4},
                             {0x20, 0, 1, 96},
                             {0x21, 0, 0x05, 0x78, 0x05, 0x64},
                             {0x20, 0, 1, 97},
                             {0x21, 0, 0x0E, 0xD8, 0x00, 0xB4},
                             {0x20, 0, 1, 99},
                             {0x21, 0, 0x18, 0x38, 0x00, 0xB4},
                             {0x20, 0, 1, 101},
                         }));
    // Front end filter: the receive value alone, at the four used receive points.
    std::vector<Bytes> filter;
    for (auto it = log.begin(); it != log.end(); ++it) {
        if (it->opcode == 0x20 && it->payload[0] == 13 && it->payload[1] == 1) filter.push_back((it - 1)->payload);
    }
    EXPECT_EQ(filter, (std::vector<Bytes>{{0, 0x00, 0xB4}, {0, 0x05, 0x64}, {0, 0x0A, 0x14}, {0, 0x13, 0x74}}));
}

TEST(radioProgramAllTest, KandMFallsBackToOneTwoByteCommitPerUsedPoint) {
    sim::RadioProfile profile = simulatedRadio("mobile-v2.json");
    profile.plan.transmit = {200, 0, 2600, 0, 0, 0, 7395};
    for (sim::SoftpotProfile& softpot : profile.softpots) {
        if (softpot.number == 17) softpot.allPointsWrite = false;
    }
    RadioBench bench(profile);
    radioStorage storage = readFrom(bench);
    programAll(storage);

    EXPECT_EQ(
        bench.softpotPayloads(17),
        (std::vector<Bytes>{{17, 4, 0x12, 0x34, 0x13, 0x35, 0x14, 0x36, 0x15, 0x37, 0x16, 0x38, 0x17, 0x39, 0x18, 0x3A},
                            {17, 1, 0x12, 0x34},
                            {17, 1, 0x14, 0x36},
                            {17, 1, 0x18, 0x3A}}));
}

TEST(radioProgramAllTest, RssiThresholdsAreTwoForTheListedModelsAndThreeOtherwise) {
    const Bytes two{26, 4, 20, 35};
    const Bytes three{26, 4, 20, 35, 50};
    struct Case {
        const char* model;
        Bytes sent;
    };
    const Case cases[] = {
        {"H25K416CA1AB120 ", two},    // portable-v1's own: isPortableC
        {"M42K440DA1BN01A ", two},    // isMobileE
        {"H42K316CA1BN01A ", two},    // isPortableE
        {"H46K316CA1BN01A ", two},    // isPortableG
        {"M27S440DA1BN01A ", two},    // isMobileD
        {"H31K116CA1AB120 ", three},  // inModelListA
        {"M48K440DA1BN01A ", three},  // isBasebandVariant
        {"M36K012CA1BN01A ", three},  // isSinglePointModel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        sim::RadioProfile profile = simulatedRadio("portable-v1.json");
        profile.identity.modelNumber = c.model;
        RadioBench bench(profile);
        radioStorage storage = readFrom(bench);
        programAll(storage);
        EXPECT_EQ(bench.softpotPayloads(26), (std::vector<Bytes>{c.sent}));
    }
}

TEST(radioProgramAllTest, PaBiasLowLevelProgramsBias1Only) {
    RadioBench bench(simulatedRadio("portable-v1.json"));
    radioStorage storage = readFrom(bench);
    programAll(storage);

    std::vector<Bytes> highLevel;
    std::vector<Bytes> lowLevel;
    for (const sim::LoggedRequest& r : bench.requests(0x20)) {
        const bool bias = r.payload[0] == 18 || r.payload[0] == 20 || r.payload[0] == 27;
        if (!bias || !r.state.testMode || r.state.testMode->function != 9) continue;
        (r.state.testMode->level == 0 ? highLevel : lowLevel).push_back(r.payload);
    }
    EXPECT_EQ(highLevel, (std::vector<Bytes>{{18, 1, 80}, {20, 1, 81}, {27, 1, 82}}));
    EXPECT_EQ(lowLevel, (std::vector<Bytes>{{18, 1, 50}}));
}

TEST(radioProgramAllTest, RatedVolumeFollowsCode12AndTheSollenModelAndTheRunStillEndsWithReset) {
    struct Case {
        const char* profile;
        bool code12;
        std::vector<Bytes> ratedVolume;
    };
    const Case cases[] = {
        {"portable-sollen", true, {{8, 1, 128}, {8, 1, 140}}},
        {"portable-sollen", false, {}},
        {"portable-v1", true, {{8, 1, 128}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.profile << (c.code12 ? "" : " without rated volume"));
        RadioBench bench(simulatedRadio(std::string(c.profile) + ".json"));
        radioStorage storage = readFrom(bench);
        if (!c.code12) storage.markUnsupported(12);
        const RecordedProgress progress = programAll(storage);

        EXPECT_EQ(bench.softpotPayloads(8), c.ratedVolume);
        const auto modes = bench.payloads(0x22);
        EXPECT_EQ(std::count(modes.begin(), modes.end(), Bytes{18, 2, 2}), c.ratedVolume.size() == 2 ? 1 : 0);
        EXPECT_TRUE(lastRequestIsReset(bench));
        EXPECT_EQ(progress.calls.back(), "=100");
    }
}

TEST(radioProgramAllTest, FailureEndsTheRunWithEveryConnectionClosedAndNoReset) {
    RadioBench bench(simulatedRadio("portable-v1.json"));
    radioStorage storage = readFrom(bench);
    sim::FaultRule silent;
    silent.kind = sim::FaultKind::NoAcknowledgement;
    silent.match.softpot = 3;
    silent.count = sim::FaultRule::kForever;
    bench.radio.inject(silent);
    RecordedProgress progress;

    EXPECT_THROW(radioProgramAll(storage, progress).programAll(), CommunicationError);
    EXPECT_EQ(bench.opener.opened, bench.opener.closed);
    EXPECT_EQ(progress.percents.back(), 25);
    EXPECT_TRUE(bench.payloads(kResetRequest).empty());
    EXPECT_FALSE(bench.softpotPayloads(0).empty()) << "what came before the failure was programmed";
}

}  // namespace
}  // namespace vantrel
