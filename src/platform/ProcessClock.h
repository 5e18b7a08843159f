#pragma once
// Wall milliseconds since the process started (the C library's clock() of the
// original platform counted wall time; Linux's counts CPU time).
#include <cstdint>

namespace platform {

std::int64_t clockMilliseconds();

} // namespace platform
