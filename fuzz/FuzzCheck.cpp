#include "FuzzCheck.h"

#include "platform/Text.h"

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

void checkCut(const std::string& text, std::size_t limit, const char* promise)
{
    check(platform::cutText(text, limit) == text, promise);
}

} // namespace fuzz
