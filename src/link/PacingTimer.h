#pragma once

#include "link/Clock.h"

#include <cstdint>

namespace vantrel {

// Waits on a fixed schedule of ticks counted from the timer's start: each wait(k) moves the
// deadline k periods on from the previous one, so a wait whose deadline has already passed
// returns at once and lateness does not accumulate.
class PacingTimer {
public:
    PacingTimer(Clock& clock, std::uint32_t periodMs);
    void wait(std::uint32_t ticks);

private:
    Clock& clock_;
    std::uint32_t period_;
    std::uint32_t reference_;
};

}  // namespace vantrel
