#include "protocol/CapturedResponse.h"

namespace vantrel {

namespace {
std::uint32_t responseStart(const CaptureArea& area) { return area.echoLength() + 1; }
}  // namespace

std::uint32_t capturedOpcode(const CaptureArea& area) {
    const std::uint8_t first = area.byte(responseStart(area));
    return first >= 0xF0 ? area.byte(responseStart(area) + 1) : first >> 4u;
}

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

}  // namespace vantrel
