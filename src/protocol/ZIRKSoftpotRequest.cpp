#include "protocol/ZIRKSoftpotRequest.h"

#include "protocol/CaptureArea.h"
#include "protocol/CapturedResponse.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/SupportFlags.h"

namespace vantrel {

namespace {

// The value a late answer carries: every payload byte behind the softpot number.
std::uint32_t lateValue(const ZIRKReply& reply) {
    return readBigEndian(reply.payload() + 1, reply.payloadLength() - 1);
}

}  // namespace

ZIRKSoftpotRequest::ZIRKSoftpotRequest(std::uint8_t opcode, const std::vector<std::uint8_t>& payload)
    : ZIRKMessage(opcode, payload.data(), static_cast<std::uint32_t>(payload.size())),
      softpot_(payload.empty() ? 0 : payload[0]) {}

void ZIRKSoftpotRequest::recordingExchange(CommunicationPort& port, Send send, SupportFlags& storage, int code,
                                           const std::function<void()>& takeCaptured) {
    acknowledgedExchange(port, send, Pace::OnBadReplyOnly, [&] {
        const CaptureArea& area = captureArea();
        if (!hasVerifiedCapture(port)) {
            awaitLateRecord(port, storage, code);
        } else if (area.capturedIsUnsupported()) {
            storage.markUnsupported(code);
        } else {
            storage.markSupported(code);
            takeCaptured();
        }
    });
}

ZIRKReply ZIRKSoftpotRequest::readLateAnswer(CommunicationPort& port) {
    return ZIRKReply::readAcknowledged(port, opcodes::kSoftpotSet, waits::kReply, 0);
}

void ZIRKSoftpotRequest::requireOwnSoftpot(const ZIRKReply& reply) const {
    if (reply.payloadLength() == 0 || reply.payload()[0] != softpot_) throw BadReply();
}

void ZIRKSoftpotRequest::awaitLateRecord(CommunicationPort& port, SupportFlags& storage, int code) {
    const ZIRKReply reply = readLateRecordAnswer(port);
    if (reply.opcode() == opcodes::kUnsupported) {
        storage.markUnsupported(code);
        // The radio need not name the softpot it lacks; when it does name one, it must be ours.
        if (reply.payloadLength() > 0) requireOwnSoftpot(reply);
        return;
    }
    requireOwnSoftpot(reply);
    // A normal answer is a normal answer however late it came: leaving the flag as it was
    // would let a flag cleared earlier hide values we have just read.
    storage.markSupported(code);
    takeLateValue(reply);
}

void ZIRKSoftpotValueRequest::setValue(std::uint32_t value, std::uint32_t width) {
    value_ = value;
    width_ = width;
    hasValue_ = true;
}

void ZIRKSoftpotValueRequest::takeCapturedValue(int code) {
    const CaptureArea& area = captureArea();
    const std::uint32_t width = capturedWidth(code);
    const std::uint32_t value = width == 4   ? area.capturedValue32()
                                : width == 2 ? area.capturedValue16()
                                             : area.capturedValue8();
    setValue(value, width);
}

void ZIRKSoftpotValueRequest::takeCapturedAnswer() {
    const CaptureArea& area = captureArea();
    const std::uint32_t length = capturedPayloadLength(area);
    const std::uint32_t width = length == 0 ? 0 : length - 1;
    std::uint32_t value = 0;
    // Bytes beyond the capture area read as 0, so a lying header cannot lead us astray.
    for (std::uint32_t i = 1; i <= width && i < CaptureArea::kSize; ++i) {
        value = (value << 8) | area.capturedPayloadByte(i);
    }
    setValue(value, width);
}

void ZIRKSoftpotValueRequest::takeLateValue(const ZIRKReply& reply) {
    setValue(lateValue(reply), reply.payloadLength() - 1);
}

void ZIRKSoftpotValueRequest::exchange(CommunicationPort& port) {
    acknowledgedExchange(port, Send::Plain, Pace::OnAnyFailure, [&] {
        const CaptureArea& area = captureArea();
        if (!hasVerifiedCapture(port)) {
            awaitLateResponse(port);
        } else if (area.capturedIsUnsupported()) {
            throw UnsupportedMessage();
        } else {
            takeCapturedAnswer();
        }
    });
}

void ZIRKSoftpotValueRequest::awaitLateResponse(CommunicationPort& port) {
    const ZIRKReply reply = readLateAnswer(port);
    if (reply.opcode() == opcodes::kUnsupported) throw UnsupportedMessage();
    requireOwnSoftpot(reply);
    takeLateValue(reply);
}

}  // namespace vantrel
