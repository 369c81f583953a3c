#include "sim/RequestAssembler.h"

#include "link/Clock.h"

namespace vantrel::sim {

bool RequestAssembler::dropStale(std::uint32_t now) {
    if (frames_.idle() || tickDistance(lastByteAt_, now) <= static_cast<std::int32_t>(kInterByteTimeoutMs)) {
        return false;
    }
    frames_.clear();
    return true;
}

std::optional<std::vector<std::uint8_t>> RequestAssembler::add(std::uint8_t byte, std::uint32_t at) {
    dropStale(at);
    lastByteAt_ = at;
    return frames_.add(byte);
}

}  // namespace vantrel::sim
