#pragma once

#include <cstdint>

namespace vantrel {

// The time seam of the link. Every wait and pause goes through a clock: a 32-bit millisecond
// counter that wraps like the tick counter of the original platform, and a sleep. Tests use
// a virtual clock whose time moves only when the code sleeps.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t milliseconds() = 0;
    virtual void sleep(std::uint32_t ms) = 0;
};

// Monotonic wall clock of the host.
class SteadyClock : public Clock {
public:
    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t ms) override;
};

Clock& systemClock();

// Signed distance from `from` to `to` on the wrapping counter.
inline std::int32_t tickDistance(std::uint32_t from, std::uint32_t to) {
    return static_cast<std::int32_t>(to - from);
}

}  // namespace vantrel
