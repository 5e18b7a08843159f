#include "platform/ProcessClock.h"

#include <chrono>

namespace platform {

namespace {
    const auto processStart = std::chrono::steady_clock::now();
}

std::int64_t clockMilliseconds()
{
    const auto elapsed = std::chrono::steady_clock::now() - processStart;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

} // namespace platform
