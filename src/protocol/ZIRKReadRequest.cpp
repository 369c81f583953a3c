#include "protocol/ZIRKReadRequest.h"

#include "link/CommunicationPort.h"
#include "protocol/CaptureArea.h"
#include "protocol/CapturedResponse.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKReply.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vantrel {

namespace {

constexpr std::uint32_t kAddressMask = 0xFFFFFF;

std::array<std::uint8_t, 4> payloadFor(std::uint32_t address, std::uint8_t count) {
    std::array<std::uint8_t, 4> payload{count, 0, 0, 0};
    writeBigEndian(address & kAddressMask, payload.data() + 1, ZIRKReadRequest::kAddressBytes);
    return payload;
}

}  // namespace

ZIRKReadRequest::ZIRKReadRequest(std::span<std::uint8_t> destination, std::uint32_t address, std::uint8_t count)
    : ZIRKMessage(kOpcode, payloadFor(address, count).data(), 4),
      destination_(destination),
      address_(address & kAddressMask),
      count_(count) {}

void ZIRKReadRequest::accept(const std::uint8_t* frame, std::uint32_t size) {
    if (size < 2 || vantrel::opcode(frame) != opcodes::kMemoryRead) throw BadReply();
    const std::uint32_t offset = payloadOffset(frame);
    const std::uint32_t length = vantrel::payloadLength(frame);
    if (offset + length + 1 > size || length != kAddressBytes + count_) throw BadReply();
    if (readBigEndian(frame + offset, kAddressBytes) != address_) throw BadReply();
    const std::size_t copied = std::min<std::size_t>(count_, destination_.size());
    std::copy_n(frame + offset + kAddressBytes, copied, destination_.begin());
}

void ZIRKReadRequest::exchange(CommunicationPort& port) {
    acknowledgedExchange(port, Send::Plain, Pace::OnAnyFailure, [&] {
        if (captureArea().hasCapturedResponse()) {
            const std::vector<std::uint8_t> frame = completeCapturedResponse(port);
            accept(frame.data(), static_cast<std::uint32_t>(frame.size()));
        } else {
            awaitLateResponse(port);
        }
    });
}

void ZIRKReadRequest::awaitLateResponse(CommunicationPort& port) {
    const ZIRKReply reply = ZIRKReply::readExpected(port, opcodes::kMemoryRead, waits::kReply);
    accept(reply.data(), reply.size());
}

}  // namespace vantrel
