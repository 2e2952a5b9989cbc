#include "ui/UnitPause.h"

#include <chrono>
#include <thread>

namespace tunbox {

void WaitUnitPause(int ms) {
    using Clock = std::chrono::steady_clock;
    // Longer than a sleep's usual lateness, so the sleep ends before the end.
    constexpr auto yieldingPart = std::chrono::microseconds(300);
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    std::this_thread::sleep_until(end - yieldingPart);
    while (Clock::now() < end)
        std::this_thread::yield();
}

} // namespace tunbox
