#pragma once
// Model coordinates (x right, y up, units) to screen pixels (x right, y down)
// around a view centre (cx, cy) at `scale` pixels per unit: truncation toward zero.
//
// Every result is clamped to +-kScreenLimit before it becomes an int, so a huge or
// non-finite model value never overflows (a NaN maps to the centre). The limit
// leaves headroom below the int range for the small sums the drawing adds
// (a marker's half-size, a circle's diameter).
#include <cmath>
#include <cstdint>

namespace screen_mapping {

constexpr double kScreenLimit = 1.0e9;

// trunc(value), clamped to +-kScreenLimit; 0 for NaN.
inline int clampedPixels(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > kScreenLimit)
        return static_cast<int>(kScreenLimit);
    if (value < -kScreenLimit)
        return -static_cast<int>(kScreenLimit);
    return static_cast<int>(std::trunc(value));
}

// trunc(length * scale) as a finite double; 0 when the product is not a number.
inline double scaledOffset(double length, double scale)
{
    const double offset = std::trunc(length * scale);
    return std::isnan(offset) ? 0.0 : offset;
}

inline int screenX(int cx, double x, double scale)
{
    return clampedPixels(static_cast<double>(cx) + scaledOffset(x, scale));
}

inline int screenY(int cy, double y, double scale)
{
    return clampedPixels(static_cast<double>(cy) - scaledOffset(y, scale));
}

} // namespace screen_mapping
