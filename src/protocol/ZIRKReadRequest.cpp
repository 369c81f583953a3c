#include "protocol/ZIRKReadRequest.h"

#include "link/CommunicationPort.h"
#include "protocol/CaptureArea.h"
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

void ZIRKReadRequest::takeCapturedAnswer(CommunicationPort& port) {
    const CaptureArea& area = captureArea();
    const std::uint32_t start = area.echoLength() + 1;
    const std::uint32_t held = start < CaptureArea::kSize ? CaptureArea::kSize - start : 0;
    std::vector<std::uint8_t> frame(held);
    for (std::uint32_t i = 0; i < held; ++i) frame[i] = area.byte(start + i);
    const auto total = measuredLength(frame.data(), frame.size());
    if (!total) throw BadReply();
    // A full block does not fit the capture area; the rest of it is still waiting on the line.
    if (*total > held) {
        frame.resize(*total);
        port.readBytes(frame.data() + held, *total - held, waits::kReply);
    }
    verifyChecksum(frame.data(), *total);
    accept(frame.data(), *total);
}

void ZIRKReadRequest::exchange(CommunicationPort& port) {
    acknowledgedExchange(port, Send::Plain, Pace::OnAnyFailure, [&] {
        if (captureArea().hasCapturedResponse()) {
            takeCapturedAnswer(port);
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
