#pragma once

#include "protocol/ZIRKFixedRequest.h"

#include <cstdint>

namespace vantrel {

// Reads the three RSSI threshold softpots at once (bytes 3..5 of the answer; byte 1 is 0x86
// on a radio without them).
class ZIRKReadRSSIRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x20;
    ZIRKReadRSSIRequest() : ZIRKFixedRequest(kOpcode, {0x1A, 0x03, 0x00}) {}
};

// Reads RSSI calibration data: selector 0x19 gives the three threshold levels, 0x1A the
// calibration byte.
class ZIRKReadRSSICalDacRequest : public ZIRKFixedRequest {
public:
    static constexpr std::uint8_t kOpcode = 0x20;
    static constexpr std::uint8_t kThresholdLevels = 0x19;
    static constexpr std::uint8_t kCalibration = 0x1A;
    explicit ZIRKReadRSSICalDacRequest(std::uint8_t selector) : ZIRKFixedRequest(kOpcode, {selector, 0x00}) {}
};

}  // namespace vantrel
