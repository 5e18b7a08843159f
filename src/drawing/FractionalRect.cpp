#include "drawing/FractionalRect.h"

#include <cmath>
#include <limits>

namespace {

// Truncation toward zero, kept inside the int range so that no conversion is undefined.
std::int32_t truncatePixels(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (value <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

} // namespace

bool FractionalRect::isValid() const
{
    return 0 <= left && left <= right && right <= 1 && 0 <= top && top <= bottom && bottom <= 1;
}

FractionalRect placeInside(const FractionalRect& area, const FractionalRect& rect)
{
    FractionalRect placed;
    placed.left = area.left + rect.left * (area.right - area.left);
    placed.top = area.top + rect.top * (area.bottom - area.top);
    placed.right = area.right - (area.right - area.left) * (1 - rect.right);
    placed.bottom = area.bottom - (area.bottom - area.top) * (1 - rect.bottom);
    return placed;
}

PixelRect fractionToPixels(const FractionalRect& rect, const PixelRect& client)
{
    const std::int32_t width = client.right - client.left;
    const std::int32_t height = client.bottom - client.top;
    PixelRect pixels;
    pixels.left = client.left + truncatePixels(width * rect.left);
    pixels.right = client.left + truncatePixels(width * rect.right);
    pixels.top = client.top + truncatePixels(height * rect.top);
    pixels.bottom = client.top + truncatePixels(height * rect.bottom);
    return pixels;
}
