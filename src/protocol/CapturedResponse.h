#pragma once

#include "protocol/CaptureArea.h"

#include <cstdint>
#include <vector>

namespace vantrel {

class CommunicationPort;

// The payload length the header of the response captured behind a bare acknowledgement
// declares (bytes past the end of the capture area read as 0).
std::uint32_t capturedPayloadLength(const CaptureArea& area);

// The whole captured response, checksum verified (BadReply otherwise). Behind a long request
// the capture area holds only the start of the response; the rest is still waiting on the
// line and is read from there.
std::vector<std::uint8_t> completeCapturedResponse(CommunicationPort& port);

// Whether a response was captured behind the acknowledgement; one that was is verified first
// (BadReply on a wrong checksum). Every tail that takes something from the capture asks here,
// because a bit flipped on a noisy cable would otherwise pass into the storage, the archive
// and, with Program All, into a radio; the BadReply makes the exchange repeat instead.
bool hasVerifiedCapture(CommunicationPort& port);

}  // namespace vantrel
