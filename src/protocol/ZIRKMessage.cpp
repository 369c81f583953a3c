#include "protocol/ZIRKMessage.h"

#include "link/CommunicationPort.h"
#include "link/PacingTimer.h"
#include "protocol/CaptureArea.h"
#include "protocol/CapturedResponse.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKReply.h"

namespace vantrel {

namespace {
ProtocolMessage::Body emptyBody() {
    static const ProtocolMessage::Body body = std::make_shared<std::vector<std::uint8_t>>();
    return body;
}
}  // namespace

ZIRKMessage::ZIRKMessage() : ProtocolMessage(emptyBody()) {}

ZIRKMessage::ZIRKMessage(std::uint32_t op, const std::uint8_t* payload, std::uint32_t length)
    : ProtocolMessage(std::make_shared<std::vector<std::uint8_t>>(buildFrame(op, payload, length))) {}

ZIRKMessage ZIRKMessage::fromRaw(const std::uint8_t* bytes, std::size_t available) {
    const auto length = measuredLength(bytes, available);
    if (!length || *length > available) throw BadMessage();
    auto body = std::make_shared<std::vector<std::uint8_t>>(bytes, bytes + *length);
    const std::uint8_t first = (*body)[0];
    const bool oneByteForm = first < 0xF0 && (first & 0x0F) == 0;
    if (!oneByteForm && checksumOf(body->data(), body->size() - 1) != body->back()) throw BadMessage();
    return ZIRKMessage(std::move(body));
}

const ZIRKMessage& ZIRKMessage::empty() {
    static const ZIRKMessage message;
    return message;
}

std::uint32_t ZIRKMessage::opcode() const { return size() == 0 ? 0 : vantrel::opcode(data()); }

std::uint32_t ZIRKMessage::payloadLength() const {
    if (size() == 0) return 0;
    const std::uint32_t n = vantrel::payloadLength(data());
    const std::uint32_t offset = payloadOffset(data());
    // Never claim more payload than the body holds.
    return offset >= size() ? 0 : std::min(n, size() - offset);
}

const std::uint8_t* ZIRKMessage::payload() const { return size() == 0 ? data() : data() + payloadOffset(data()); }

void ZIRKMessage::acknowledgedExchange(CommunicationPort& port, Send send, Pace pace,
                                       const std::function<void()>& tail) {
    if (size() > CaptureArea::kLongestRequest) throw RequestTooLong();
    port.purgeReceive();
    if (send == Send::Plain) {
        port.transmit(data(), size());
    } else {
        port.transmitVerified(data(), size());
    }
    PacingTimer timer(port.clock(), port.tickMs());
    const std::uint32_t used = port.waitForByte(waits::kFirstEcho);
    const auto paceThenRethrow = [&] {
        timer.wait(used < waits::kFailurePacing ? waits::kFailurePacing - used : 0);
        throw;
    };
    try {
        const ZIRKReply ack = ZIRKReply::readAcknowledged(port, opcodes::kAcknowledgeSet, waits::kReply, size());
        if (ack.opcode() != opcodes::kAcknowledge) throw MessageNotAcknowledged();
        tail();
    } catch (const BadReply&) {
        paceThenRethrow();
    } catch (...) {
        if (pace == Pace::OnAnyFailure) paceThenRethrow();
        throw;
    }
}

void ZIRKMessage::repeat(const std::function<void()>& attempt) {
    for (;;) {
        ++attempts_;
        try {
            attempt();
            return;
        } catch (const UnsupportedMessage&) {
            throw;
        } catch (const RequestTooLong&) {
            throw;
        } catch (const CommunicationError&) {
            if (attempts_ >= 4) throw;
        }
    }
}

void ZIRKMessage::exchange(CommunicationPort& port) {
    acknowledgedExchange(port, Send::Plain, Pace::OnAnyFailure, [&] {
        if (!captureArea().hasCapturedResponse()) awaitLateResponse(port);
    });
}

void ZIRKMessage::exchangeData(CommunicationPort& port, std::span<std::uint8_t> buffer) {
    acknowledgedExchange(port, Send::Verified, Pace::OnAnyFailure, [&] {
        if (hasVerifiedCapture(port)) {
            captureArea().copyCapturedResponse(buffer);
        } else {
            awaitLateData(port, buffer);
        }
    });
}

void ZIRKMessage::exchangeRecord(CommunicationPort& port, SupportFlags& storage, int code) {
    acknowledgedExchange(port, Send::Verified, Pace::OnBadReplyOnly, [&] { awaitLateRecord(port, storage, code); });
}

void ZIRKMessage::exchangeRecordAll(CommunicationPort&, SupportFlags&, int) {}

void ZIRKMessage::transact(CommunicationPort& port) {
    repeat([&] { exchange(port); });
}

void ZIRKMessage::transactData(CommunicationPort& port, std::span<std::uint8_t> buffer) {
    repeat([&] { exchangeData(port, buffer); });
}

void ZIRKMessage::transactRecord(CommunicationPort& port, SupportFlags& storage, int code) {
    repeat([&] { exchangeRecord(port, storage, code); });
}

void ZIRKMessage::transactRecordAll(CommunicationPort& port, SupportFlags& storage, int code) {
    repeat([&] { exchangeRecordAll(port, storage, code); });
}

void ZIRKMessage::awaitLateResponse(CommunicationPort& port) {
    // Consumes whatever reply arrives within the wait; nothing about it matters here.
    try {
        const ZIRKReply reply = ZIRKReply::readExpected(port, opcodes::kUnsupported, waits::kAcknowledge);
        if (reply.opcode() == opcodes::kUnsupported) throw UnsupportedMessage();
    } catch (const CommunicationError&) {}
}

void ZIRKMessage::awaitLateData(CommunicationPort& port, std::span<std::uint8_t> buffer) {
    try {
        const ZIRKReply reply = ZIRKReply::readInto(port, opcodes::kUnsupported, waits::kReply, buffer);
        if (reply.opcode() == opcodes::kUnsupported) throw UnsupportedMessage();
    } catch (const TimeoutOnReceive&) {}
}

void ZIRKMessage::awaitLateRecord(CommunicationPort& port, SupportFlags&, int) {
    try {
        const ZIRKReply reply = ZIRKReply::readExpected(port, opcodes::kUnsupported, waits::kReply);
        if (reply.opcode() == opcodes::kUnsupported) throw UnsupportedMessage();
    } catch (const TimeoutOnReceive&) {}
}

}  // namespace vantrel
