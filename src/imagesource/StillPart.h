#pragma once
// One part of a source's still layer that may change while the rest stays: what it is
// (`id`, the same from frame to frame), how it looks now (`state`) and the pixel rows it
// may touch, [top, bottom). A window that keeps the still picture draws again, between two
// frames of the same still-layer key, only the rows of the parts that came, went or
// changed their state.
#include <cstdint>

struct StillPart {
    std::uint64_t id = 0;
    std::uint64_t state = 0;
    int top = 0;
    int bottom = 0;

    friend bool operator==(const StillPart&, const StillPart&) = default;
};
