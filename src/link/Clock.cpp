#include "link/Clock.h"

#include <chrono>
#include <thread>

#ifdef _WIN32
#include "link/Win32Clock.h"
#endif

namespace vantrel {

std::uint32_t SteadyClock::milliseconds() {
    const auto since =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(since.count());
}

void SteadyClock::sleep(std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void SteadyClock::sleepUntil(std::uint32_t counter) {
    using std::chrono::milliseconds;
    using std::chrono::steady_clock;
    const auto now = std::chrono::duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    const std::int32_t remaining = tickDistance(static_cast<std::uint32_t>(now.count()), counter);
    if (remaining <= 0) return;
    std::this_thread::sleep_until(steady_clock::time_point(now + milliseconds(remaining)));
}

Clock& systemClock() {
#ifdef _WIN32
    // The host's own tick counter, which the link's waits were timed against from the start.
    static Win32Clock clock;
#else
    static SteadyClock clock;
#endif
    return clock;
}

}  // namespace vantrel
