#pragma once

#include "sim/FaultPlan.h"
#include "sim/RadioState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::sim {

// One request as the radio received it.
struct LoggedRequest {
    std::uint32_t at = 0;  // line time (ms) when its last byte arrived
    std::vector<std::uint8_t> frame;
    std::uint8_t opcode = 0;
    std::vector<std::uint8_t> payload;
    bool checksumValid = true;
    RadioState state;               // what the radio was doing when the request came
    std::vector<FaultKind> faults;  // the injected faults that hit it
    bool carriedOut = false;        // whether the radio acted on it
};

// One line of text for a log file: time, opcode, payload, state, faults.
std::string describe(const LoggedRequest& request);

}  // namespace vantrel::sim
