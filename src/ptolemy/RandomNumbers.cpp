#include "ptolemy/RandomNumbers.h"

#include <cstdlib>

namespace ptolemy_random {

int RandomInt(int lo, int hi) { return lo + std::rand() % (hi - lo + 1); }

double RandomReal(double lo, double hi) { return RandomRealSpan(lo, hi - lo); }

double RandomRealSpan(double low, double range)
{
    const int spacing = RandomInt(1, 8);
    const int step = std::rand() % (spacing + 1);
    return low + static_cast<double>(step) / spacing * range;
}

} // namespace ptolemy_random
