#include "protocol/ZIRKReply.h"

#include "link/CommunicationError.h"
#include "link/CommunicationPort.h"
#include "protocol/CaptureArea.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::uint8_t kResetOpcodeByte = 0x10;

bool contains(ZIRKReply::OpcodeSet set, std::uint32_t op) { return std::find(set.begin(), set.end(), op) != set.end(); }

std::uint32_t opcodeFromFirst(CommunicationPort& port, std::uint8_t first, std::uint32_t idleLimit) {
    return first >= 0xF0 ? port.readByte(idleLimit) : first >> 4;
}

void requireExpected(std::uint32_t op, std::uint32_t expected) {
    if (op != expected && (op == opcodes::kRefuse || op == opcodes::kUnsupported)) throw BadReply();
}

void requireAllowed(ZIRKReply::OpcodeSet allowed, std::uint32_t op) {
    if (!contains(allowed, op)) throw BadReply();
}

// Consumes the echo and, behind a bare acknowledgement, whatever response has arrived; returns
// the number of bytes counted for the captured-length check.
int captureEchoAndResponse(CommunicationPort& port, CaptureArea& area, std::uint32_t n) {
    std::uint8_t* bytes = area.bytes();
    port.waitForBytes(n, waits::kEchoPerByte * n);
    int got = static_cast<int>(port.receive(bytes, n));
    if (got != static_cast<int>(n)) return got;
    try {
        port.waitForByte(waits::kAcknowledge);
        got += static_cast<int>(port.receive(bytes + n, 1));
        if (got == static_cast<int>(n) + 1 && bytes[n] == opcodes::kBareAcknowledge && bytes[1] != kResetOpcodeByte) {
            port.waitForByte(waits::kResponseAfterBareAck);
            got += static_cast<int>(port.bytesAvailable());
            port.receive(bytes + n + 1, CaptureArea::kSize - 1 - n);
        }
    } catch (const TimeoutOnReceive&) {}
    return got;
}

// A response still arriving when the capture began is counted short and refused.
void checkCapturedLength(const CaptureArea& area, std::uint32_t n, int got) {
    const std::uint8_t first = area.byte(n + 1);
    if (first == 0 || area.byte(1) == kResetOpcodeByte) return;
    int declared = 0;
    int counted = 0;
    if ((first & 0x0F) == 15) {
        declared = (area.byte(n + 3) << 8) | area.byte(n + 4);
        counted = got - static_cast<int>(n) - 5;
    } else {
        declared = first & 0x0F;
        counted = got - static_cast<int>(n) - 3;
    }
    if (declared != counted) throw CommError();
}

}  // namespace

ZIRKReply ZIRKReply::complete(CommunicationPort& port, std::uint8_t first, std::uint32_t op, std::uint32_t idleLimit) {
    const std::uint32_t code = first & 0x0F;
    const std::uint32_t lengthValue = code == 15 ? port.readWord(idleLimit) : code;
    const std::uint32_t payload = lengthValue == 0 ? 0 : lengthValue - 1;
    auto body = std::make_shared<std::vector<std::uint8_t>>(frameSize(op, payload) + 4);
    std::uint8_t* frame = body->data();
    std::uint32_t header = encodeHeader(frame, op, payload);
    // An empty payload with a checksum (length code 1) is as valid as the one-byte form, and
    // a refusal arrives that way; keep its length code so its checksum can be verified.
    if (op <= 14 && lengthValue == 1) frame[0] = static_cast<std::uint8_t>((op << 4) | 1);
    body->resize(header + lengthValue);
    port.readBytes(body->data() + header, lengthValue, idleLimit);
    verifyChecksum(body->data(), header + lengthValue);
    return ZIRKReply(std::move(body));
}

ZIRKReply ZIRKReply::readExpected(CommunicationPort& port, std::uint32_t expected, std::uint32_t idleLimit) {
    const std::uint8_t first = port.readByte(idleLimit);
    const std::uint32_t op = opcodeFromFirst(port, first, idleLimit);
    requireExpected(op, expected);
    return complete(port, first, op, idleLimit);
}

ZIRKReply ZIRKReply::readInto(CommunicationPort& port, std::uint32_t expected, std::uint32_t idleLimit,
                              std::span<std::uint8_t> buffer) {
    ZIRKReply reply = readExpected(port, expected, idleLimit);
    const std::size_t count = std::min<std::size_t>({24, reply.size(), buffer.size()});
    std::copy_n(reply.data(), count, buffer.begin());
    return reply;
}

ZIRKReply ZIRKReply::readAllowed(CommunicationPort& port, OpcodeSet allowed, std::uint32_t idleLimit) {
    const std::uint8_t first = port.readByte(idleLimit);
    const std::uint32_t op = opcodeFromFirst(port, first, idleLimit);
    requireAllowed(allowed, op);
    return complete(port, first, op, idleLimit);
}

ZIRKReply ZIRKReply::readAcknowledged(CommunicationPort& port, OpcodeSet allowed, std::uint32_t idleLimit,
                                      std::uint32_t n) {
    CaptureArea& area = captureArea();
    area.clear();
    const int got = captureEchoAndResponse(port, area, n);
    area.setEchoLength(n);
    checkCapturedLength(area, n, got);
    const std::uint8_t first = area.byte(n);
    std::uint32_t op = 0;
    if (first >= 0xF0) {
        try {
            op = port.readByte(waits::kLateOpcode);
        } catch (const TimeoutOnReceive&) {
            op = 0;
        }
    } else {
        op = first >> 4;
    }
    requireAllowed(allowed, op);
    return complete(port, first, op, idleLimit);
}

}  // namespace vantrel
