#include "protocol/CapturedResponse.h"

#include "link/CommunicationPort.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKCodes.h"

namespace vantrel {

namespace {
std::uint32_t responseStart(const CaptureArea& area) { return area.echoLength() + 1; }
}  // namespace

std::uint32_t capturedPayloadLength(const CaptureArea& area) {
    const std::uint32_t start = responseStart(area);
    const std::uint8_t first = area.byte(start);
    std::uint32_t declared = first & 0x0Fu;
    if (declared == 15) {
        const std::uint32_t at = start + (first >= 0xF0 ? 2 : 1);
        declared = (std::uint32_t{area.byte(at)} << 8) | area.byte(at + 1);
    }
    return declared == 0 ? 0 : declared - 1;
}

std::vector<std::uint8_t> completeCapturedResponse(CommunicationPort& port) {
    const CaptureArea& area = captureArea();
    const std::uint32_t start = responseStart(area);
    const std::uint32_t held = start < CaptureArea::kSize ? CaptureArea::kSize - start : 0;
    std::vector<std::uint8_t> frame(held);
    for (std::uint32_t i = 0; i < held; ++i) frame[i] = area.byte(start + i);
    const auto total = measuredLength(frame.data(), frame.size());
    if (!total) throw BadReply();
    if (*total > held) {
        frame.resize(*total);
        port.readBytes(frame.data() + held, *total - held, waits::kReply);
    }
    frame.resize(*total);
    verifyChecksum(frame.data(), *total);
    return frame;
}

bool hasVerifiedCapture(CommunicationPort& port) {
    if (!captureArea().hasCapturedResponse()) return false;
    completeCapturedResponse(port);
    return true;
}

}  // namespace vantrel
