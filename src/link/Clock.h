#pragma once

#include <cstdint>

namespace vantrel {

// The time seam of the link. Every wait and pause goes through a clock: a 32-bit millisecond
// tick counter that wraps after about 49.7 days, and a sleep. Tests use
// a virtual clock whose time moves only when the code sleeps.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t milliseconds() = 0;
    virtual void sleep(std::uint32_t ms) = 0;
    // Returns once the counter has reached `counter` (counted on the wrapping counter, so a
    // value up to 2^31 ms behind is taken as already passed).
    virtual void sleepUntil(std::uint32_t counter);
};

// Monotonic wall clock of the host.
class SteadyClock : public Clock {
public:
    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t ms) override;
    // Wakes at the moment the counter turns, rather than a whole millisecond after "now",
    // which would add most of a tick to every wait of an exchange.
    void sleepUntil(std::uint32_t counter) override;
};

Clock& systemClock();

// Signed distance from `from` to `to` on the wrapping counter.
inline std::int32_t tickDistance(std::uint32_t from, std::uint32_t to) { return static_cast<std::int32_t>(to - from); }

inline void Clock::sleepUntil(std::uint32_t counter) {
    for (;;) {
        const std::int32_t remaining = tickDistance(milliseconds(), counter);
        if (remaining <= 0) return;
        sleep(static_cast<std::uint32_t>(remaining));
    }
}

}  // namespace vantrel
