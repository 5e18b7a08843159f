#pragma once
// The random draws of the cycle model, all from the C library's rand() (seeded once
// at start-up; tests seed it themselves). The order of the draws is part of the
// behaviour: a seeded generator gives the same systems every time.

namespace ptolemy_random {

// lo + rand() mod (hi - lo + 1).
int RandomInt(int lo, int hi);

// One of at most nine evenly spaced values from lo to hi: c = RandomInt(1, 8), then
// lo + (rand() mod (c + 1)) / c * (hi - lo).
double RandomReal(double lo, double hi);

// The same draw with the span given directly: low + (rand() mod (c + 1)) / c * range.
double RandomRealSpan(double low, double range);

} // namespace ptolemy_random
