#include "link/PacingTimer.h"

namespace vantrel {

PacingTimer::PacingTimer(Clock& clock, std::uint32_t periodMs)
    : clock_(clock), period_(periodMs == 0 ? 1 : periodMs), reference_(clock.milliseconds()) {}

void PacingTimer::wait(std::uint32_t ticks) {
    const std::uint32_t deadline = reference_ + ticks * period_;
    const std::uint32_t until = deadline + 1;
    // Modular distances keep the schedule right across the wrap of the 32-bit counter.
    // The host sleeps for what remains instead of spinning, which keeps a waiting exchange
    // from burning a core; the schedule itself is unchanged.
    for (;;) {
        const std::int32_t remaining = tickDistance(clock_.milliseconds(), until);
        if (remaining <= 0) break;
        clock_.sleep(static_cast<std::uint32_t>(remaining));
    }
    reference_ = deadline;
}

}  // namespace vantrel
