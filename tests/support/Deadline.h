#pragma once
// Waiting for what another thread or the event loop brings about, bounded by a deadline:
// a condition that never comes fails the test instead of hanging it, and no test sleeps
// for a fixed time. Qt-free, for the core suites too.
#include <chrono>
#include <functional>
#include <thread>

namespace testing_support {

// How long a test waits unless it says otherwise: far longer than any wait that succeeds.
inline constexpr std::chrono::milliseconds kWaitLimit = std::chrono::seconds(10);

// Lets other threads run for a moment between two looks at a condition.
inline void sleepBriefly() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

// True as soon as `condition` holds; false when it still does not once `limit` has passed.
// `betweenLooks` runs between two looks at the condition.
inline bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit = kWaitLimit,
    const std::function<void()>& betweenLooks = sleepBriefly)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        betweenLooks();
    }
    return true;
}

} // namespace testing_support
