#include "link/CommunicationError.h"
#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "support/RadioProfiles.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace vantrel {
namespace {

using sim::FaultKind;

// The exchange kinds, each as one operation of the protocol object; the plain softpot read is
// the one plain exchange that takes a value from its answer.
enum class Kind { Plain, Data, Recording, AllPoints, AutoTune, MemoryRead, MemoryWrite, SoftpotRead };

// How an exchange under a fault ends.
enum class Ending { Done, Timeout, BadReply, NotAcknowledged, CommError, BadWrite };

constexpr std::uint8_t kWarpSoftpot = 11;  // reference oscillator warp: 300 in the profile
constexpr std::uint8_t kSquelchSoftpot = 7;
constexpr int kWarpCode = 2;
constexpr int kSquelchCode = 11;

struct Outcome {
    Ending ending;
    unsigned attempts;
};

// The simulated radio on a virtual line, one fault armed for every request of the kind under
// test, and the host's protocol object talking to it.
class FaultMatrix : public ::testing::TestWithParam<std::tuple<FaultKind, Kind>> {
protected:
    FaultMatrix() { zirk.setPort(&port); }

    std::uint8_t opcodeOf(Kind kind) const {
        switch (kind) {
            case Kind::Plain:
                return 0x19;
            case Kind::Data:
                return 0x23;
            case Kind::Recording:
            case Kind::AllPoints:
            case Kind::SoftpotRead:
                return 0x20;
            case Kind::AutoTune:
                return 0x1F;
            case Kind::MemoryRead:
                return 0x11;
            case Kind::MemoryWrite:
                return 0x17;
        }
        return 0;
    }

    void run(Kind kind) {
        switch (kind) {
            case Kind::Plain:
                zirk.keyUp();
                break;
            case Kind::Data:
                zirk.readSerialNumber(buffer);
                break;
            case Kind::Recording:
                zirk.readSoftpotRecorded(kWarpSoftpot, value, storage, kWarpCode);
                break;
            case Kind::AllPoints:
                zirk.readSoftpotAllPoints(kSquelchSoftpot, storage, kSquelchCode);
                break;
            case Kind::AutoTune:
                zirk.autoTune(kSquelchSoftpot, value, storage, kSquelchCode);
                break;
            case Kind::MemoryRead:
                zirk.readMemory(buffer, 0x10, 8);
                break;
            case Kind::MemoryWrite:
                zirk.writeMemory(std::span<const std::uint8_t>(kData), 0x10, 8);
                break;
            case Kind::SoftpotRead:
                zirk.readSoftpot(kWarpSoftpot, value);
                break;
        }
    }

    // What an exchange of the kind leaves behind for its caller.
    std::vector<std::uint32_t> result(Kind kind) {
        switch (kind) {
            case Kind::Plain:
                return {};
            case Kind::Data:
                return {buffer.begin() + 3, buffer.begin() + 13};
            case Kind::MemoryRead:
                return {buffer.begin() + 5, buffer.begin() + 13};
            case Kind::Recording:
                return {value, storage.isSupported(kWarpCode)};
            case Kind::AutoTune:
                return {value, storage.isSupported(kSquelchCode)};
            case Kind::SoftpotRead:
                return {value};
            case Kind::AllPoints: {
                // The caller takes the points only once the family's flag says they came.
                std::vector<std::uint32_t> points{storage.isSupported(kSquelchCode)};
                for (std::uint32_t i = 1; points[0] && i <= 7; ++i) points.push_back(zirk.pointByte(i));
                return points;
            }
            case Kind::MemoryWrite: {
                const std::vector<std::uint8_t> memory = radio.model().readMemory(0x10, 8);
                return {memory.begin(), memory.end()};
            }
        }
        return {};
    }

    void forget() {
        buffer.fill(0);
        value = kUntouched;
        storage = radioStorage();
        radio.clearLog();
    }

    static constexpr std::uint32_t kUntouched = 0xDEAD;

    Outcome attempt(Kind kind) {
        Ending ending = Ending::Done;
        try {
            run(kind);
        } catch (const TimeoutOnReceive&) {
            ending = Ending::Timeout;
        } catch (const BadWrite& e) {
            EXPECT_EQ(e.address(), 0x10u);
            ending = Ending::BadWrite;
        } catch (const BadReply&) {
            ending = Ending::BadReply;
        } catch (const MessageNotAcknowledged&) {
            ending = Ending::NotAcknowledged;
        } catch (const CommError&) {
            ending = Ending::CommError;
        }
        return {ending, sentCount(kind)};
    }

    unsigned sentCount(Kind kind) const {
        unsigned count = 0;
        for (const auto& request : radio.log()) count += request.opcode == opcodeOf(kind) ? 1 : 0;
        return count;
    }

    static constexpr std::array<std::uint8_t, 8> kData{1, 2, 3, 4, 5, 6, 7, 8};
    VirtualClock clock;
    VirtualLine line{clock};
    sim::SimRadio radio{testing::simulatedRadio("portable-v1.json")};
    sim::VirtualLineRadio peer{radio, line};
    VirtualLinePort port{line};
    EnhancedZIRK zirk;
    radioStorage storage;
    std::array<std::uint8_t, 64> buffer{};
    std::uint32_t value = 0;
};

Outcome bareAcknowledgement(Kind kind) {
    switch (kind) {
        case Kind::Recording:
        case Kind::AllPoints:
            return {Ending::BadReply, 4};
        case Kind::AutoTune:
        case Kind::MemoryWrite:
            return {Ending::Timeout, 4};
        default:
            return {Ending::Done, 1};
    }
}

// What each fault does to each kind of exchange when it hits every attempt.
Outcome expected(FaultKind fault, Kind kind) {
    const bool write = kind == Kind::MemoryWrite;
    switch (fault) {
        case FaultKind::NoEcho:
            return {Ending::Timeout, 4};
        case FaultKind::NoAcknowledgement:
            return {Ending::BadReply, 4};
        case FaultKind::Refuse:
            return {Ending::NotAcknowledged, 4};
        // An unsupported answer is news, not a failure, except to a memory write, which only
        // knows "written" and "refused".
        case FaultKind::Unsupported:
            return write ? Outcome{Ending::BadReply, 4} : Outcome{Ending::Done, 1};
        // Past the capture window the response is read late (the plain exchange merely drains
        // it); it comes soon enough for every late wait, the memory write's 2 seconds included.
        case FaultKind::LateResponse:
            return {Ending::Done, 1};
        // Nothing after the acknowledgement: the plain and data exchanges give up quietly; a
        // softpot read's late reader wants an opcode within 250 ticks; auto-tune and the memory
        // write time out waiting for theirs.
        case FaultKind::BareAcknowledgement:
            return bareAcknowledgement(kind);
        // Still arriving when the host looks behind the acknowledgement, or missing its end.
        case FaultKind::SlowResponse:
        case FaultKind::CutShort:
            return {Ending::CommError, 1};
        // A damaged answer is never believed; only the plain exchange, which takes nothing
        // from its answer, lets it pass.
        case FaultKind::CorruptChecksum:
        case FaultKind::FlipPayloadByte:
            return kind == Kind::Plain ? Outcome{Ending::Done, 1} : Outcome{Ending::BadReply, 4};
        case FaultKind::WriteRefused:
            return write ? Outcome{Ending::BadWrite, 4} : Outcome{Ending::Done, 1};
    }
    return {Ending::Done, 1};
}

TEST_P(FaultMatrix, EndsAsTheExchangeRulesSayAndLeavesTheConnectionUsable) {
    const auto [fault, kind] = GetParam();
    sim::FaultRule rule;
    rule.kind = fault;
    rule.match.opcode = opcodeOf(kind);
    rule.count = sim::FaultRule::kForever;
    rule.gapMs = 60;       // slow enough to be still arriving after the host's pause
    rule.delayMs = 10600;  // past the capture window after the longer, 175 ms, pause
    radio.inject(rule);

    const Outcome want = expected(fault, kind);
    const Outcome got = attempt(kind);
    EXPECT_EQ(static_cast<int>(got.ending), static_cast<int>(want.ending));
    EXPECT_EQ(got.attempts, want.attempts);

    radio.clearFaults();
    radio.clearLog();
    buffer.fill(0);
    zirk.readSerialNumber(buffer);
    EXPECT_EQ(std::string(buffer.begin() + 3, buffer.begin() + 13), radio.model().identity().serialNumber);
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<FaultKind, Kind>>& info) {
    static const char* const kKinds[] = {"Plain",    "Data",       "Recording",   "AllPoints",
                                         "AutoTune", "MemoryRead", "MemoryWrite", "SoftpotRead"};
    std::string fault(sim::faultName(std::get<0>(info.param)));
    std::erase_if(fault, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return fault + "_" + kKinds[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    EveryFaultEveryKind, FaultMatrix,
    ::testing::Combine(::testing::Values(FaultKind::NoEcho, FaultKind::NoAcknowledgement, FaultKind::Refuse,
                                         FaultKind::Unsupported, FaultKind::LateResponse, FaultKind::SlowResponse,
                                         FaultKind::BareAcknowledgement, FaultKind::CorruptChecksum,
                                         FaultKind::FlipPayloadByte, FaultKind::CutShort, FaultKind::WriteRefused),
                       ::testing::Values(Kind::Plain, Kind::Data, Kind::Recording, Kind::AllPoints, Kind::AutoTune,
                                         Kind::MemoryRead, Kind::MemoryWrite)),
    caseName);

// A damaged answer captured with the acknowledgement: once, the request is repeated and the
// good answer taken; every time, nothing of it reaches the caller.
class DamagedCapture : public FaultMatrix {
protected:
    void arm(std::uint32_t count) {
        const auto [fault, kind] = GetParam();
        sim::FaultRule rule;
        rule.kind = fault;
        rule.match.opcode = opcodeOf(kind);
        rule.count = count;
        radio.inject(rule);
    }
};

TEST_P(DamagedCapture, IsRepeatedUntilGoodAndNeverBelieved) {
    const Kind kind = std::get<1>(GetParam());
    forget();
    run(kind);
    const std::vector<std::uint32_t> good = result(kind);
    ASSERT_FALSE(good.empty());

    forget();
    arm(1);
    ASSERT_NO_THROW(run(kind));
    EXPECT_EQ(sentCount(kind), 2u);
    EXPECT_EQ(result(kind), good);

    forget();
    const std::vector<std::uint32_t> before = result(kind);
    arm(sim::FaultRule::kForever);
    const Outcome got = attempt(kind);
    EXPECT_EQ(static_cast<int>(got.ending), static_cast<int>(Ending::BadReply));
    EXPECT_EQ(got.attempts, 4u);
    // What was read stays out of the caller's hands. (A write the radio carried out stays
    // written whatever its answer, and the caller takes no points from a failed all-points read.)
    if (kind != Kind::MemoryWrite && kind != Kind::AllPoints) {
        EXPECT_EQ(result(kind), before);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKindThatTakesItsAnswer, DamagedCapture,
                         ::testing::Combine(::testing::Values(FaultKind::CorruptChecksum, FaultKind::FlipPayloadByte),
                                            ::testing::Values(Kind::Data, Kind::Recording, Kind::AllPoints,
                                                              Kind::AutoTune, Kind::MemoryRead, Kind::MemoryWrite,
                                                              Kind::SoftpotRead)),
                         caseName);

// What reaches the storage under the faults that are not failures.
class FaultRecording : public FaultMatrix {};

TEST_F(FaultRecording, UnsupportedClearsTheFlagAndLateAnswersGiveTheCapturedValue) {
    sim::FaultRule unsupported;
    unsupported.kind = FaultKind::Unsupported;
    unsupported.match.softpot = kWarpSoftpot;
    radio.inject(unsupported);
    value = 12345;
    zirk.readSoftpotRecorded(kWarpSoftpot, value, storage, kWarpCode);
    EXPECT_FALSE(storage.isSupported(kWarpCode));
    EXPECT_EQ(value, 12345u);

    zirk.readSoftpotRecorded(kWarpSoftpot, value, storage, kWarpCode);
    EXPECT_TRUE(storage.isSupported(kWarpCode));
    const std::uint32_t captured = value;

    sim::FaultRule late;
    late.kind = FaultKind::LateResponse;
    late.delayMs = 10600;
    late.match.softpot = kWarpSoftpot;
    radio.inject(late);
    value = 0;
    zirk.readSoftpotRecorded(kWarpSoftpot, value, storage, kWarpCode);
    EXPECT_EQ(value, captured);
    EXPECT_EQ(captured, 300u);
}

TEST_F(FaultRecording, FailedReadLeavesValueAndFlagAsTheyWere) {
    sim::FaultRule bare;
    bare.kind = FaultKind::BareAcknowledgement;
    bare.count = sim::FaultRule::kForever;
    bare.match.softpot = kWarpSoftpot;
    radio.inject(bare);
    storage.markUnsupported(kWarpCode);
    value = 7;
    EXPECT_THROW(zirk.readSoftpotRecorded(kWarpSoftpot, value, storage, kWarpCode), BadReply);
    EXPECT_EQ(value, 7u);
    EXPECT_FALSE(storage.isSupported(kWarpCode));
}

}  // namespace
}  // namespace vantrel
