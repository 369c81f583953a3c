#pragma once

#include "protocol/ZIRKFixedRequest.h"

namespace vantrel {

// Asks the radio for one item of its identity or state; the payload byte names the item.
// The answers are read raw, header first, by the data-returning operations.
class ZIRKRadioInfoRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x23;

protected:
    explicit ZIRKRadioInfoRequest(std::uint8_t item) : ZIRKFixedRequest(kOpcode, {item}) {}
};

// Bytes 5..20 of the answer: the 16-character model number.
class ZIRKRadioModelNoRequest : public ZIRKRadioInfoRequest {
public:
    ZIRKRadioModelNoRequest() : ZIRKRadioInfoRequest(0x00) {}
};

// Bytes 3..12 of the answer: the 10-character serial number.
class ZIRKRadioSerialNoRequest : public ZIRKRadioInfoRequest {
public:
    ZIRKRadioSerialNoRequest() : ZIRKRadioInfoRequest(0x01) {}
};

// Byte 3 of the answer: the power-up status.
class ZIRKRadioPowerUpRequest : public ZIRKRadioInfoRequest {
public:
    ZIRKRadioPowerUpRequest() : ZIRKRadioInfoRequest(0x05) {}
};

// Bytes 3..6 of the answer: the IC version.
class ZIRKRadioICVersionRequest : public ZIRKRadioInfoRequest {
public:
    ZIRKRadioICVersionRequest() : ZIRKRadioInfoRequest(0x0E) {}
};

}  // namespace vantrel
