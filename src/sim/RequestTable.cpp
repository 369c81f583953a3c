#include "sim/RequestTable.h"

#include "protocol/Framing.h"
#include "sim/RadioRefusals.h"

#include <algorithm>
#include <array>
#include <span>

namespace vantrel::sim {

namespace {

using Bytes = std::vector<std::uint8_t>;

namespace opcode {
constexpr std::uint8_t kAcknowledge = 5;
constexpr std::uint8_t kRefuse = 6;
constexpr std::uint8_t kReset = 0x10;
constexpr std::uint8_t kReadMemory = 0x11;
constexpr std::uint8_t kWriteMemory = 0x17;
constexpr std::uint8_t kWriteSerial = 0x18;
constexpr std::uint8_t kKey = 0x19;
constexpr std::uint8_t kReadTune = 0x1B;
constexpr std::uint8_t kAutoTune = 0x1F;
constexpr std::uint8_t kSoftpot = 0x20;
constexpr std::uint8_t kChannel = 0x21;
constexpr std::uint8_t kTestMode = 0x22;
constexpr std::uint8_t kIdentity = 0x23;
constexpr std::uint8_t kBaseband = 0x28;

constexpr std::uint8_t kMemoryData = 0x80;
constexpr std::uint8_t kWriteDone = 0x84;
constexpr std::uint8_t kWriteRefused = 0x85;
constexpr std::uint8_t kUnsupported = 0x86;
constexpr std::uint8_t kBasebandValue = 0x88;
constexpr std::uint8_t kSoftpotValue = 0x8A;
}  // namespace opcode

// The replies without an opcode of their own in the catalogue (identity, frequency plan,
// key, channel, test mode, serial write) carry the request's opcode with the top bit set.
std::uint8_t replyOpcodeOf(std::uint8_t request) { return static_cast<std::uint8_t>(request | 0x80); }

namespace identity {
constexpr std::uint8_t kModel = 0x00;
constexpr std::uint8_t kSerial = 0x01;
constexpr std::uint8_t kPowerUp = 0x05;
constexpr std::uint8_t kIcVersion = 0x0E;
}  // namespace identity

namespace softpotMode {
constexpr std::uint8_t kRead = 0;
constexpr std::uint8_t kCommit = 1;
constexpr std::uint8_t kLive = 2;
constexpr std::uint8_t kAllPoints = 3;
constexpr std::uint8_t kWriteAllPoints = 4;
}  // namespace softpotMode

constexpr std::uint8_t kBasebandWrite = 0x80;

Reply answer(std::uint8_t replyOpcode, const Bytes& payload) {
    return Reply{false, true, buildFrame(replyOpcode, payload)};
}

Bytes joined(std::uint8_t first, const Bytes& rest) {
    Bytes bytes(rest.size() + 1);
    bytes[0] = first;
    std::copy(rest.begin(), rest.end(), bytes.begin() + 1);
    return bytes;
}

void requireSize(const Bytes& payload, std::size_t size) {
    if (payload.size() != size) throw RequestRefused("payload of the wrong length");
}

std::uint32_t address24(const Bytes& payload, std::size_t at) { return readBigEndian(payload.data() + at, 3); }

Reply reset(RadioModel& radio, const Bytes&) {
    radio.reset();
    return Reply{false, true, std::nullopt};  // nothing follows the reset's acknowledgement
}

Reply readMemory(RadioModel& radio, const Bytes& payload) {
    requireSize(payload, 4);
    const Bytes data = radio.readMemory(address24(payload, 1), payload[0]);
    Bytes reply(payload.begin() + 1, payload.end());
    reply.insert(reply.end(), data.begin(), data.end());
    return answer(opcode::kMemoryData, reply);
}

Reply writeMemory(RadioModel& radio, const Bytes& payload) {
    if (payload.size() < 3) throw RequestRefused("a memory write starts with its address");
    const Bytes address(payload.begin(), payload.begin() + 3);
    if (!radio.writeMemory(address24(payload, 0), std::span(payload).subspan(3))) {
        return Reply{false, false, replies::writeRefused(payload)};
    }
    // Every write completes at once, so the radio reports the request's own address.
    return answer(opcode::kWriteDone, address);
}

Reply writeSerial(RadioModel& radio, const Bytes& payload) {
    requireSize(payload, 1 + RadioIdentity::kSerialLength);
    if (payload[0] != 0) throw RequestRefused("serial number write without its leading zero");
    radio.writeSerialNumber(std::span(payload).subspan(1));
    return answer(replyOpcodeOf(opcode::kWriteSerial), {payload[0]});
}

Reply key(RadioModel& radio, const Bytes& payload) {
    requireSize(payload, 1);
    if (payload[0] > 1) throw RequestRefused("key request other than up or down");
    radio.setKeyed(payload[0] == 1);
    return answer(replyOpcodeOf(opcode::kKey), payload);
}

// The frequency plan as the read-tune reply lays it out: the bytes behind the four-byte header
// are band base (2), spacing mask, a spare, seven transmit points (2 each), two spares, seven
// receive points, two spares, DAC 1, DAC 2, tuning procedure version and battery target.
Bytes planBytes(const FrequencyPlan& plan) {
    Bytes bytes(40, 0);
    writeBigEndian(plan.bandBase, bytes.data(), 2);
    bytes[2] = plan.channelSpacingMask;
    for (std::size_t i = 0; i < FrequencyPlan::kPoints; ++i) {
        writeBigEndian(plan.transmit[i], bytes.data() + 4 + 2 * i, 2);
        writeBigEndian(plan.receive[i], bytes.data() + 20 + 2 * i, 2);
    }
    bytes[36] = plan.dac[0];
    bytes[37] = plan.dac[1];
    bytes[38] = plan.tuningProcedureVersion;
    bytes[39] = plan.batteryTarget;
    return bytes;
}

Reply readTune(RadioModel& radio, const Bytes& payload) {
    requireSize(payload, 1);
    if (payload[0] != 0) throw RequestUnsupported("unknown read-tune selector");
    return answer(replyOpcodeOf(opcode::kReadTune), planBytes(radio.plan()));
}

Reply autoTune(RadioModel& radio, const Bytes& payload) {
    requireSize(payload, 1);
    const Bytes value = radio.softpots().autoTune(payload[0], radio.state(), radio.channelChosen());
    return answer(opcode::kSoftpotValue, joined(payload[0], value));
}

Reply softpot(RadioModel& radio, const Bytes& payload) {
    if (payload.size() < 2) throw RequestRefused("softpot request without its mode");
    const std::uint8_t number = payload[0];
    SoftpotStore& softpots = radio.softpots();
    // The short form (number, 0) reads the softpot's calibration bytes.
    if (payload.size() == 2) {
        if (payload[1] != 0) throw RequestRefused("short softpot request other than a calibration read");
        return answer(opcode::kSoftpotValue, joined(number, radio.calibration(number)));
    }
    const std::span<const std::uint8_t> value = std::span(payload).subspan(2);
    switch (payload[1]) {
        case softpotMode::kRead:
        case softpotMode::kAllPoints: {
            requireSize(payload, 3);
            if (payload[2] != 0) throw RequestRefused("softpot read with a stray third byte");
            const Bytes read = payload[1] == softpotMode::kRead ? softpots.read(number, radio.state())
                                                                : softpots.readAllPoints(number, radio.state());
            return answer(opcode::kSoftpotValue, joined(number, read));
        }
        case softpotMode::kCommit:
        case softpotMode::kLive:
            softpots.write(number, payload[1], value, radio.state());
            break;
        case softpotMode::kWriteAllPoints:
            softpots.writeAllPoints(number, value, radio.state());
            break;
        default:
            throw RequestUnsupported("unknown softpot mode");
    }
    return answer(opcode::kSoftpotValue, joined(number, Bytes(value.begin(), value.end())));
}

Reply channel(RadioModel& radio, const Bytes& payload) {
    if ((payload.size() != 3 && payload.size() != 5) || payload[0] != 0) {
        throw RequestRefused("a channel request is 0 and one or two values");
    }
    const auto first = static_cast<std::uint16_t>(readBigEndian(payload.data() + 1, 2));
    const bool single = payload.size() == 3;
    const auto second = single ? first : static_cast<std::uint16_t>(readBigEndian(payload.data() + 3, 2));
    radio.selectChannel(Channel{first, second, single});
    return answer(replyOpcodeOf(opcode::kChannel), {payload[0]});
}

Reply testMode(RadioModel& radio, const Bytes& payload) {
    requireSize(payload, 3);
    radio.enterTestMode(TestMode{payload[0], payload[1], payload[2]});
    return answer(replyOpcodeOf(opcode::kTestMode), {payload[0]});
}

Reply identityOf(RadioModel& radio, const Bytes& payload) {
    requireSize(payload, 1);
    const RadioIdentity& id = radio.identity();
    Bytes data;
    switch (payload[0]) {
        case identity::kModel:
            data.assign(id.modelNumber.begin(), id.modelNumber.end());
            break;
        case identity::kSerial:
            data.assign(id.serialNumber.begin(), id.serialNumber.end());
            break;
        case identity::kPowerUp:
            data = {id.powerUpStatus};
            break;
        case identity::kIcVersion:
            data.assign(id.icVersion.begin(), id.icVersion.end());
            break;
        default:
            throw RequestUnsupported("unknown identity selector");
    }
    return answer(replyOpcodeOf(opcode::kIdentity), joined(payload[0], data));
}

Reply baseband(RadioModel& radio, const Bytes& payload) {
    if (!radio.hasBasebandOffsets()) throw RequestUnsupported("the baseband offsets live in codeplug memory");
    if (payload.size() == 2) {
        return answer(opcode::kBasebandValue, {payload[0], radio.basebandOffset(payload[0], payload[1])});
    }
    requireSize(payload, 3);
    if ((payload[1] & kBasebandWrite) == 0) throw RequestRefused("baseband offset write without its write bit");
    radio.setBasebandOffset(payload[0], static_cast<std::uint8_t>(payload[1] - kBasebandWrite), payload[2]);
    return answer(opcode::kBasebandValue, {payload[0], payload[2]});
}

struct Handler {
    std::uint8_t opcode;
    Reply (*carryOut)(RadioModel&, const Bytes&);
};

constexpr std::array<Handler, 12> kHandlers{{
    {opcode::kReset, reset},
    {opcode::kReadMemory, readMemory},
    {opcode::kWriteMemory, writeMemory},
    {opcode::kWriteSerial, writeSerial},
    {opcode::kKey, key},
    {opcode::kReadTune, readTune},
    {opcode::kAutoTune, autoTune},
    {opcode::kSoftpot, softpot},
    {opcode::kChannel, channel},
    {opcode::kTestMode, testMode},
    {opcode::kIdentity, identityOf},
    {opcode::kBaseband, baseband},
}};

}  // namespace

namespace replies {

Bytes acknowledgement() { return buildFrame(opcode::kAcknowledge, {}); }

// Opcode 6 with an empty payload, in the length-code-1 form the radio uses for it.
Bytes refusal() {
    const std::uint8_t first = opcode::kRefuse << 4 | 1;
    return {first, checksumOf(&first, 1)};
}

Bytes unsupported(const Bytes& requestPayload) {
    return buildFrame(opcode::kUnsupported, requestPayload.empty() ? Bytes{} : Bytes{requestPayload[0]});
}

Bytes writeRefused(const Bytes& requestPayload) {
    Bytes address(3, 0);
    std::copy_n(requestPayload.begin(), std::min<std::size_t>(3, requestPayload.size()), address.begin());
    return buildFrame(opcode::kWriteRefused, address);
}

}  // namespace replies

Reply carryOut(RadioModel& radio, std::uint8_t opcode, const Bytes& payload) {
    try {
        for (const Handler& handler : kHandlers) {
            if (handler.opcode == opcode && radio.answers(opcode)) return handler.carryOut(radio, payload);
        }
        throw RequestUnsupported("unknown request");
    } catch (const RequestUnsupported&) {
        return Reply{false, false, replies::unsupported(payload)};
    } catch (const RequestRefused&) {
        return Reply{true, false, std::nullopt};
    }
}

}  // namespace vantrel::sim
