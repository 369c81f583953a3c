#pragma once

#include "sim/RadioModel.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vantrel::sim {

// What the radio answers to one intact request, before any fault shapes it.
struct Reply {
    bool refused = false;                               // answered with the refusal instead of the acknowledgement
    bool carriedOut = true;                             // the request changed or reported the radio as asked
    std::optional<std::vector<std::uint8_t>> response;  // none after a reset or a refusal
};

// Turns one request into calls on the radio model and its reply frame. Requests the radio does
// not know get 0x86, malformed ones the refusal.
Reply carryOut(RadioModel& radio, std::uint8_t opcode, const std::vector<std::uint8_t>& payload);

// Reply frames the responder also sends on its own.
namespace replies {
std::vector<std::uint8_t> acknowledgement();
std::vector<std::uint8_t> refusal();
// 0x86, naming what the radio lacks: the request's first payload byte (softpot, selector).
std::vector<std::uint8_t> unsupported(const std::vector<std::uint8_t>& requestPayload);
// 0x85 with the write's address: the first three payload bytes of the request.
std::vector<std::uint8_t> writeRefused(const std::vector<std::uint8_t>& requestPayload);
}  // namespace replies

}  // namespace vantrel::sim
