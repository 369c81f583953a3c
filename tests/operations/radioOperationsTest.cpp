#include "operations/radioOperations.h"

#include "link/CommunicationError.h"
#include "model/radioStorage.h"
#include "operations/OperationsBench.h"
#include "protocol/Framing.h"
#include "protocol/cominit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

using testing::RadioBench;
using testing::RecordedProgress;
using testing::simulatedRadio;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kSoftpotRequest = 0x20;
constexpr std::uint8_t kTestModeRequest = 0x22;
constexpr std::uint8_t kBasebandRequest = 0x28;
constexpr std::uint8_t kResetRequest = 0x10;

sim::FaultRule everyRequestFor(std::uint8_t softpot, sim::FaultKind kind) {
    sim::FaultRule rule;
    rule.kind = kind;
    rule.match.softpot = softpot;
    rule.count = sim::FaultRule::kForever;
    return rule;
}

bool sent(const RadioBench& bench, const Bytes& testMode) {
    const auto modes = bench.payloads(kTestModeRequest);
    return std::find(modes.begin(), modes.end(), testMode) != modes.end();
}

struct ReadRun {
    ReadOutcome result;
    RecordedProgress progress;
};

ReadRun readRadio(radioStorage& storage, radioOperations& operations) {
    ReadRun run{};
    run.result = operations.readRadio(storage, run.progress);
    return run;
}

TEST(radioOperationsTest, ReadsEveryFamilyOfAFirstProcedurePortable) {
    RadioBench bench(simulatedRadio("portable-v1.json"));
    radioStorage storage;
    radioOperations operations;
    const ReadRun run = readRadio(storage, operations);

    EXPECT_EQ(run.result, ReadOutcome::complete());
    EXPECT_EQ(run.progress.calls,
              (std::vector<std::string>{"5% Complete",  "=5",  "10% Complete", "=10", "15% Complete", "=15",
                                        "20% Complete", "=20", "22% Complete", "=22", "25% Complete", "=25",
                                        "25% Complete", "=25", "30% Complete", "=30", "40% Complete", "=40",
                                        "50% Complete", "=50", "55% Complete", "=55", "65% Complete", "=65",
                                        "75% Complete", "=75", "80% Complete", "=80", "85% Complete", "=85",
                                        "90% Complete", "=90", "=100"}));
    EXPECT_EQ(storage.serialNumber(), "781TKA0101");
    EXPECT_EQ(storage.modelNumber(), "H25K416CA1AB120 ");
    EXPECT_EQ(storage.dataVersion(), 35);
    EXPECT_EQ(storage.value(2, 0), 300);    // reference oscillator, two bytes
    EXPECT_EQ(storage.value(3, 0), 96);     // high power F1
    EXPECT_EQ(storage.value(3, 13), 46);    // low power F7
    EXPECT_EQ(storage.value(21, 6), 66);    // softpot 28 F7
    EXPECT_EQ(storage.value(5, 13), 70);    // VCO 20 kHz at the last used point
    EXPECT_EQ(storage.value(5, 6), 62);     // VCO 12.5 kHz
    EXPECT_EQ(storage.value(8, 1), 50);     // PA bias low
    EXPECT_EQ(storage.value(8, 5), 52);     // bias 3 low
    EXPECT_EQ(storage.value(11, 7), 35);    // auto squelch 20 kHz F1
    EXPECT_EQ(storage.value(16, 2), 50);    // third RSSI threshold
    EXPECT_EQ(storage.value(16, 3), 118);   // its level
    EXPECT_EQ(storage.value(0, 12), 0x7B);  // last temperature compensation byte
    EXPECT_FALSE(storage.isSupported(25));  // no PA voltage limit to probe

    // The radio is left reset, and the one connection of the pass is closed.
    const auto log = bench.requests();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().opcode, kResetRequest);
    EXPECT_EQ(bench.opener.opened, 1);
    EXPECT_EQ(bench.opener.closed, 1);
}

TEST(radioOperationsTest, SecondProcedureReadsKandMAndNeverTheTransmitPowerSoftpots) {
    RadioBench bench(simulatedRadio("mobile-v2.json"));
    radioStorage storage;
    radioOperations operations;
    const ReadRun run = readRadio(storage, operations);

    EXPECT_EQ(run.result, ReadOutcome::complete());
    EXPECT_EQ(run.progress.percents, (std::vector<int>{5, 10, 15, 25, 25, 30, 40, 50, 55, 65, 75, 80, 85, 90, 100}));
    EXPECT_TRUE(bench.softpotPayloads(0).empty());
    EXPECT_TRUE(bench.softpotPayloads(28).empty());
    EXPECT_EQ(storage.value(17, 0), 0x12);  // K of F1
    EXPECT_EQ(storage.value(17, 1), 0x34);  // M of F1
    EXPECT_EQ(storage.value(17, 13), 0x3A);
    EXPECT_EQ(storage.value(20, 6), 96);   // the probe answered 0, so the limits were read
    EXPECT_EQ(storage.value(18, 1), 150);  // battery threshold: byte 2 of the all-points data
    // No low-power bias in the second procedure.
    EXPECT_FALSE(storage.isSupported(9));
    EXPECT_FALSE(sent(bench, {9, 2, 2}));
}

// The progress shows only the blocks the radio has.
TEST(radioOperationsTest, ProgressLeavesOutTheBlocksAnUnsupportedFamilySkips) {
    struct Case {
        const char* what;
        std::uint8_t softpot;
        std::vector<int> percents;
    };
    const Case cases[] = {
        {"transmit power unsupported at its first point: no low power block",
         0,
         {5, 10, 15, 20, 22, 25, 30, 40, 50, 55, 65, 75, 80, 85, 90, 100}},
        {"VCO attenuation unsupported: from 40 straight to 65",
         2,
         {5, 10, 15, 20, 22, 25, 25, 30, 40, 65, 75, 80, 85, 90, 100}},
        {"auto squelch unsupported: no 20 and 25 kHz blocks",
         7,
         {5, 10, 15, 20, 22, 25, 25, 30, 40, 50, 55, 65, 75, 90, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RadioBench bench(simulatedRadio("portable-v1.json"));
        bench.radio.inject(everyRequestFor(c.softpot, sim::FaultKind::Unsupported));
        radioStorage storage;
        radioOperations operations;
        const ReadRun run = readRadio(storage, operations);

        EXPECT_EQ(run.result, ReadOutcome::complete());
        EXPECT_EQ(run.progress.percents, c.percents);
        // The all-points read, then the first used point alone: the block stops there.
        const auto asked = bench.softpotPayloads(c.softpot);
        const auto reads = std::count_if(asked.begin(), asked.end(), [](const Bytes& p) { return p[1] != 2; });
        EXPECT_EQ(reads, c.softpot == 7 ? 7 + 1 : 2) << "squelch reads every used point, the others stop";
    }
}

TEST(radioOperationsTest, PlanWithoutUsedPointsOnOneHalfEndsTheReadBeforeAnySoftpot) {
    for (const bool receiveHalf : {true, false}) {
        SCOPED_TRACE(receiveHalf ? "no receive point" : "no transmit point");
        sim::RadioProfile profile = simulatedRadio("portable-v1.json");
        (receiveHalf ? profile.plan.receive : profile.plan.transmit).fill(0);
        RadioBench bench(profile);
        radioStorage storage;
        radioOperations operations;
        const ReadRun run = readRadio(storage, operations);

        EXPECT_EQ(run.result, ReadOutcome::unusableFrequencyPlan());
        EXPECT_EQ(run.progress.calls, (std::vector<std::string>{"5% Complete", "=5"}));
        EXPECT_EQ(storage.serialNumber(), "781TKA0101");  // the caller marks it invalid
        EXPECT_EQ(storage.value(0, 7), 5480);
        EXPECT_TRUE(bench.payloads(kSoftpotRequest).empty());
        EXPECT_TRUE(bench.payloads(kTestModeRequest).empty());
        EXPECT_EQ(storage.dataVersion(), 0);
        EXPECT_EQ(bench.opener.closed, 1);
    }
}

TEST(radioOperationsTest, PowerUpStatusDecidesWhetherTheRadioIsRead) {
    struct Case {
        std::uint8_t status;
        bool read;
    };
    for (const Case c : {Case{16, false}, Case{2, false}, Case{32, true}, Case{0, true}}) {
        SCOPED_TRACE(static_cast<int>(c.status));
        sim::RadioProfile profile = simulatedRadio("portable-v1.json");
        profile.identity.powerUpStatus = c.status;
        RadioBench bench(profile);
        radioStorage storage;
        radioOperations operations;
        const ReadRun run = readRadio(storage, operations);

        EXPECT_EQ(run.result, c.read ? ReadOutcome::complete() : ReadOutcome::powerUpFailure(c.status));
        EXPECT_EQ(bench.opener.closed, 1);
        if (c.read) {
            EXPECT_EQ(storage.dataVersion(), 35);
            continue;
        }
        // Stopped at once: only the power-up request went out and nothing was stored.
        EXPECT_EQ(run.progress.calls, (std::vector<std::string>{"=100"}));
        EXPECT_EQ(bench.payloads(0x23), (std::vector<Bytes>{{0x05}}));
        EXPECT_EQ(bench.requests().size(), 1u);
        EXPECT_EQ(storage.serialNumber(), "NULL      ");
    }
}

TEST(radioOperationsTest, FailureMidwayPropagatesKeepsWhatWasReadAndClosesThePort) {
    RadioBench bench(simulatedRadio("portable-v1.json"));
    bench.radio.inject(everyRequestFor(3, sim::FaultKind::NoAcknowledgement));  // modulation balance
    radioStorage storage;
    radioOperations operations;
    RecordedProgress progress;

    EXPECT_THROW(operations.readRadio(storage, progress), CommunicationError);
    EXPECT_EQ(bench.opener.opened, 1);
    EXPECT_EQ(bench.opener.closed, 1);
    EXPECT_EQ(progress.percents.back(), 25);
    EXPECT_EQ(storage.value(2, 0), 300);  // no rollback
    EXPECT_EQ(storage.dataVersion(), 0);
    EXPECT_TRUE(bench.payloads(kResetRequest).empty());
}

// Everything a radio read leaves in the storage, for comparing two reads.
std::vector<std::int32_t> image(const radioStorage& storage) {
    std::vector<std::int32_t> all;
    for (int row = 0; row < radioStorage::kRows; ++row) {
        for (int entry = 0; entry < radioStorage::kEntries; ++entry) all.push_back(storage.value(row, entry));
    }
    for (int code = radioStorage::kFirstCode; code <= radioStorage::kLastCode; ++code) {
        all.push_back(storage.isSupported(code));
    }
    for (const std::string* text : {&storage.serialNumber(), &storage.modelNumber(), &storage.icVersion()}) {
        all.insert(all.end(), text->begin(), text->end());
    }
    return all;
}

TEST(radioOperationsTest, AnswerDamagedOnTheLineNeverReachesTheStorage) {
    radioStorage clean;
    {
        RadioBench bench(simulatedRadio("portable-v1.json"));
        radioOperations operations;
        ASSERT_EQ(readRadio(clean, operations).result, ReadOutcome::complete());
    }
    struct Damage {
        sim::FaultKind kind;
        std::optional<std::uint8_t> opcode;
        std::optional<std::uint8_t> softpot;
    };
    const Damage damages[] = {
        {sim::FaultKind::FlipPayloadByte, 0x23, {}},  // the first identity answer
        {sim::FaultKind::FlipPayloadByte, 0x1B, {}},  // the frequency plan
        {sim::FaultKind::FlipPayloadByte, {}, 11},    // reference oscillator, one value
        {sim::FaultKind::FlipPayloadByte, {}, 7},     // auto squelch, all points at once
        {sim::FaultKind::CorruptChecksum, {}, 7},    {sim::FaultKind::CorruptChecksum, kBasebandRequest, {}},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(std::string(sim::faultName(damage.kind)) + " opcode " + std::to_string(damage.opcode.value_or(0)) +
                     " softpot " + std::to_string(damage.softpot.value_or(0)));
        RadioBench bench(simulatedRadio("portable-v1.json"));
        sim::FaultRule rule;
        rule.kind = damage.kind;
        rule.match = {damage.opcode, damage.softpot, {}};
        bench.radio.inject(rule);
        radioStorage storage;
        radioOperations operations;
        EXPECT_EQ(readRadio(storage, operations).result, ReadOutcome::complete());
        EXPECT_EQ(image(storage), image(clean));
        const auto log = bench.requests();
        const auto damaged =
            std::count_if(log.begin(), log.end(), [](const sim::LoggedRequest& r) { return !r.faults.empty(); });
        EXPECT_EQ(damaged, 1);
    }
}

TEST(radioOperationsTest, BasebandRegistersAreReadOnlyFromARadioAnswering0x88) {
    {
        RadioBench bench(simulatedRadio("mobile-bbo-radio.json"));
        radioStorage storage;
        radioOperations operations;
        ASSERT_EQ(readRadio(storage, operations).result, ReadOutcome::complete());

        EXPECT_EQ(storage.radioBboMode(), 1);
        EXPECT_EQ(bench.payloads(kBasebandRequest), (std::vector<Bytes>{{5, 1},
                                                                        {0, 1},
                                                                        {2, 1},
                                                                        {10, 1},
                                                                        {8, 1},
                                                                        {5, 2},
                                                                        {0, 2},
                                                                        {2, 2},
                                                                        {10, 2},
                                                                        {8, 2},
                                                                        {5, 3},
                                                                        {0, 3},
                                                                        {2, 3},
                                                                        {10, 3},
                                                                        {8, 3}}));
        const int expected[] = {0x21, 0x43, 0x65, 0x87, 0xA9, 0x32, 0x54, 0x76,
                                0x98, 0xBA, 0x43, 0x65, 0x87, 0xA9, 0xCB};
        for (int entry = 0; entry < 15; ++entry) EXPECT_EQ(storage.value(13, entry), expected[entry]) << entry;
    }
    {
        RadioBench bench(simulatedRadio("portable-v1.json"));  // offsets in codeplug memory: 0x86
        radioStorage storage;
        storage.setRadioBboMode(1);
        storage.setValue(13, 0, 77);
        radioOperations operations;
        ASSERT_EQ(readRadio(storage, operations).result, ReadOutcome::complete());

        EXPECT_EQ(storage.radioBboMode(), 0);
        EXPECT_EQ(bench.payloads(kBasebandRequest), (std::vector<Bytes>{{5, 1}}));
        EXPECT_EQ(storage.value(13, 0), 77);
    }
}

// Sits between the line and the simulated radio and arms a fault just before the radio hears
// the nth request of one opcode, which the radio's fault plan alone cannot aim at.
class FaultBeforeRequest : public LinePeer {
public:
    FaultBeforeRequest(RadioBench& bench, std::uint8_t opcode, int nth, sim::FaultKind kind)
        : bench_(bench), opcode_(opcode), nth_(nth) {
        rule_.kind = kind;
        bench_.opener.line.attach(this);
    }
    ~FaultBeforeRequest() override { bench_.opener.line.attach(&bench_.transport); }

    void byteFromHost(std::uint8_t byte, std::uint32_t arrivedAt, VirtualLine& line) override {
        const auto frame = assembler_.add(byte);
        if (frame && vantrel::opcode(frame->data()) == opcode_ && ++seen_ == nth_) bench_.radio.inject(rule_);
        bench_.transport.byteFromHost(byte, arrivedAt, line);
    }

private:
    RadioBench& bench_;
    std::uint8_t opcode_;
    int nth_;
    int seen_ = 0;
    sim::FaultRule rule_;
    FrameAssembler assembler_;
};

TEST(radioOperationsTest, BasebandReadNotAnsweredWith0x88KeepsItsEntry) {
    RadioBench bench(simulatedRadio("mobile-bbo-radio.json"));
    FaultBeforeRequest unsupported(bench, kBasebandRequest, 7, sim::FaultKind::Unsupported);  // (0, 2)
    radioStorage storage;
    storage.setValue(13, 6, 77);
    radioOperations operations;
    ASSERT_EQ(readRadio(storage, operations).result, ReadOutcome::complete());

    EXPECT_EQ(bench.payloads(kBasebandRequest).size(), 15u);
    EXPECT_EQ(storage.radioBboMode(), 1);
    EXPECT_EQ(storage.value(13, 5), 0x32);
    EXPECT_EQ(storage.value(13, 6), 77);
    EXPECT_EQ(storage.value(13, 7), 0x76);
}

TEST(radioOperationsTest, SollenValueIsReadOnlyFromSollenCapableModels) {
    {
        RadioBench bench(simulatedRadio("portable-sollen.json"));
        radioStorage storage;
        radioOperations operations;
        const ReadRun run = readRadio(storage, operations);
        EXPECT_TRUE(sent(bench, {18, 2, 2}));
        EXPECT_EQ(storage.value(12, 1), 140);
        EXPECT_EQ(run.progress.percents.end()[-2], 95);
    }
    {
        RadioBench bench(simulatedRadio("portable-v1.json"));
        radioStorage storage;
        radioOperations operations;
        const ReadRun run = readRadio(storage, operations);
        EXPECT_FALSE(sent(bench, {18, 2, 2}));
        EXPECT_EQ(std::count(run.progress.percents.begin(), run.progress.percents.end(), 95), 0);
    }
}

TEST(radioOperationsTest, SerialMatchesComparesTheTenCharactersTheRadioReports) {
    RadioBench bench(simulatedRadio("portable-v1.json"));  // serial 781TKA0101
    radioOperations operations;
    struct Case {
        std::string stored;
        bool matches;
    };
    for (const Case& c : {Case{"781TKA0101", true}, Case{"781TKA0101 and more", true}, Case{"781TKA0102", false},
                          Case{"Invalid", false}, Case{"", false}}) {
        SCOPED_TRACE(c.stored);
        radioStorage storage;
        storage.setSerialNumber(c.stored);
        cominit conn;
        EXPECT_EQ(operations.serialMatches(storage, conn), c.matches);
    }
    // One serial number request per check, and nothing else.
    EXPECT_EQ(bench.payloads(0x23), (std::vector<Bytes>(5, Bytes{0x01})));
    EXPECT_EQ(bench.requests().size(), 5u);
}

}  // namespace
}  // namespace vantrel
