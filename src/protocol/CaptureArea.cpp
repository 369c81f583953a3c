#include "protocol/CaptureArea.h"

#include <algorithm>

namespace vantrel {

void CaptureArea::clear() {
    bytes_.fill(0);
    echoLength_ = 0;
}

bool CaptureArea::hasCapturedResponse() const { return byte(responseStart()) != 0; }

bool CaptureArea::capturedIsUnsupported() const { return byte(responseStart() + 1) == 0x86; }

std::uint32_t CaptureArea::capturedHeaderLength() const { return (byte(responseStart()) & 0x0F) < 15 ? 2 : 4; }

std::uint8_t CaptureArea::capturedPayloadByte(std::uint32_t i) const {
    return byte(responseStart() + capturedHeaderLength() + i);
}

std::uint32_t CaptureArea::capturedValue16() const {
    return (std::uint32_t{capturedPayloadByte(1)} << 8) | capturedPayloadByte(2);
}

std::uint32_t CaptureArea::capturedValue32() const {
    std::uint32_t value = 0;
    for (std::uint32_t i = 1; i <= 4; ++i) value = (value << 8) | capturedPayloadByte(i);
    return value;
}

void CaptureArea::copyCapturedResponse(std::span<std::uint8_t> buffer) const {
    const std::uint32_t start = std::min(responseStart(), kSize);
    const std::size_t count = std::min<std::size_t>(kSize - start, buffer.size());
    std::copy_n(bytes_.begin() + start, count, buffer.begin());
}

CaptureArea& captureArea() {
    thread_local CaptureArea area;
    return area;
}

}  // namespace vantrel
