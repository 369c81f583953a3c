#include "protocol/ZIRKWriteRequest.h"

#include "link/CommunicationPort.h"
#include "protocol/CaptureArea.h"
#include "protocol/CapturedResponse.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKReply.h"

#include <vector>

namespace vantrel {

namespace {

constexpr std::uint32_t kAddressMask = 0xFFFFFF;

std::vector<std::uint8_t> payloadFor(std::span<const std::uint8_t> data, std::uint32_t address) {
    // Nothing longer could be exchanged; refusing it here keeps the allocation sane.
    if (data.size() > CaptureArea::kLongestRequest) throw RequestTooLong();
    std::vector<std::uint8_t> payload(ZIRKWriteRequest::kAddressBytes);
    writeBigEndian(address & kAddressMask, payload.data(), ZIRKWriteRequest::kAddressBytes);
    payload.insert(payload.end(), data.begin(), data.end());
    return payload;
}

ZIRKMessage frameFor(std::span<const std::uint8_t> data, std::uint32_t address) {
    const std::vector<std::uint8_t> payload = payloadFor(data, address);
    return ZIRKMessage(ZIRKWriteRequest::kOpcode, payload.data(), static_cast<std::uint32_t>(payload.size()));
}

}  // namespace

ZIRKWriteRequest::ZIRKWriteRequest(std::span<const std::uint8_t> data, std::uint32_t address,
                                   std::optional<std::uint32_t> pendingBefore)
    : ZIRKMessage(frameFor(data, address)), address_(address & kAddressMask), pendingBefore_(pendingBefore) {}

void ZIRKWriteRequest::evaluate(std::uint32_t op, const std::uint8_t* payload, std::uint32_t length) {
    if (op != opcodes::kMemoryWritten && op != opcodes::kMemoryWriteRefused) throw BadReply();
    if (length < kAddressBytes) throw BadReply();
    const std::uint32_t reported = readBigEndian(payload, kAddressBytes);
    if (op == opcodes::kMemoryWriteRefused) throw BadWrite(reported);
    if (reported == address_) {
        outcome_ = Outcome::Complete;
    } else if (reported == 0 || reported == kInProgress) {
        outcome_ = Outcome::Pending;
    } else if (pendingBefore_ && reported == *pendingBefore_) {
        outcome_ = Outcome::PendingAfterPrevious;
    } else {
        throw BadReply();
    }
}

void ZIRKWriteRequest::exchange(CommunicationPort& port) {
    outcome_ = Outcome::Complete;
    acknowledgedExchange(port, Send::Plain, Pace::OnAnyFailure, [&] {
        // The answer is judged whether or not it came with the acknowledgement: a refusal
        // must never pass for a completed write.
        if (captureArea().hasCapturedResponse()) {
            const std::vector<std::uint8_t> frame = completeCapturedResponse(port);
            const std::uint8_t* bytes = frame.data();
            evaluate(vantrel::opcode(bytes), bytes + payloadOffset(bytes), vantrel::payloadLength(bytes));
        } else {
            awaitLateResponse(port);
        }
    });
}

void ZIRKWriteRequest::awaitLateResponse(CommunicationPort& port) {
    const std::uint32_t limit = port.ticksFor(waits::kMemoryWriteSeconds);
    port.waitForByte(limit);
    const ZIRKReply reply = ZIRKReply::readAcknowledged(port, opcodes::kMemoryWriteSet, limit, 0);
    evaluate(reply.opcode(), reply.payload(), reply.payloadLength());
}

}  // namespace vantrel
