#include "link/PacingTimer.h"

namespace vantrel {

PacingTimer::PacingTimer(Clock& clock, std::uint32_t periodMs)
    : clock_(clock), period_(periodMs == 0 ? 1 : periodMs), reference_(clock.milliseconds()) {}

void PacingTimer::wait(std::uint32_t ticks) {
    const std::uint32_t deadline = reference_ + ticks * period_;
    const std::uint32_t until = deadline + 1;
    // Modular distances keep the schedule right across the wrap of the 32-bit counter.
    // The host sleeps until the counter turns instead of spinning, which keeps a waiting
    // exchange from burning a core; the schedule itself is unchanged.
    clock_.sleepUntil(until);
    reference_ = deadline;
}

}  // namespace vantrel
