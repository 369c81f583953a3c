#pragma once

#include "protocol/CaptureArea.h"

#include <cstdint>

namespace vantrel {

// Header facts of the response captured behind a bare acknowledgement, read from the capture
// area (bytes past its end read as 0).
std::uint32_t capturedOpcode(const CaptureArea& area);
// The payload length the captured response's header declares.
std::uint32_t capturedPayloadLength(const CaptureArea& area);

}  // namespace vantrel
