#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

void check(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", promise);
    std::abort();
}

} // namespace fuzz
