#pragma once

#include "link/CommunicationError.h"

#include <cstdint>
#include <stdexcept>

namespace vantrel {

class RadioProtocolError : public CommunicationError {
public:
    using CommunicationError::CommunicationError;
};

#define VANTREL_PROTOCOL_FAILURE(Name, Code)        \
    class Name : public RadioProtocolError {        \
    public:                                         \
        static constexpr std::int32_t kCode = Code; \
        Name() : RadioProtocolError(kCode) {}       \
    }

VANTREL_PROTOCOL_FAILURE(BadMessage, 6201);
VANTREL_PROTOCOL_FAILURE(UnsupportedMessage, 6202);
VANTREL_PROTOCOL_FAILURE(MessageNotAcknowledged, 6203);
// A request too long for the capture area of an acknowledged exchange. It is refused before
// anything is sent, and never repeated.
VANTREL_PROTOCOL_FAILURE(RequestTooLong, 6204);
VANTREL_PROTOCOL_FAILURE(BadReply, 6205);

#undef VANTREL_PROTOCOL_FAILURE

// The radio refused a memory write; carries the 24-bit address it reported.
class BadWrite : public RadioProtocolError {
public:
    static constexpr std::int32_t kCode = 6206;
    explicit BadWrite(std::uint32_t address) : RadioProtocolError(kCode), address_(address) {}
    std::uint32_t address() const noexcept { return address_; }

private:
    std::uint32_t address_;
};

// The captured response was longer or shorter than it declared. Deliberately not a
// CommunicationError: the repetition loop lets it through unchanged.
class CommError : public std::runtime_error {
public:
    CommError() : std::runtime_error("comm error") {}
};

}  // namespace vantrel
