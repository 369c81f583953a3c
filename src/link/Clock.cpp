#include "link/Clock.h"

#include <chrono>
#include <thread>

namespace vantrel {

std::uint32_t SteadyClock::milliseconds() {
    const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(since.count());
}

void SteadyClock::sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SteadyClock::sleepUntil(std::uint32_t counter) {
    using std::chrono::milliseconds;
    using std::chrono::steady_clock;
    const auto now = std::chrono::duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    const std::int32_t remaining = tickDistance(static_cast<std::uint32_t>(now.count()), counter);
    if (remaining <= 0) return;
    std::this_thread::sleep_until(steady_clock::time_point(now + milliseconds(remaining)));
}

Clock& systemClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace vantrel
