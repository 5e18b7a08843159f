#include "raster/SmoothRaster.h"

#include "raster/OutlineStamp.h"
#include "raster/PixelBlend.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace raster {

namespace {

    // Coverage is a whole number from 0 (nothing) to 256 (the full colour).
    constexpr double kFullCoverage = 256.0;

    unsigned coverageOf(double fraction) { return static_cast<unsigned>(fraction * kFullCoverage + 0.5); }

    // floor for values well inside the int range (the callers check the range first).
    inline int floorToInt(double value)
    {
        const int truncated = static_cast<int>(value);
        return truncated - (value < truncated ? 1 : 0);
    }

} // namespace

SmoothRaster::SmoothRaster(QImage& image, QRgb colour, DirtyTiles* tiles)
    : bits_(image.bits())
    , bytesPerLine_(image.bytesPerLine())
    , width_(image.width())
    , height_(image.height())
    , colour_(colour)
    , tiles_(tiles)
{
}

template <bool checked> inline void SmoothRaster::blend(int x, int y, unsigned alpha)
{
    if (checked && (x < 0 || y < 0 || x >= width_ || y >= height_))
        return;
    QRgb* pixel = reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_) + x;
    *pixel = blendOver(*pixel, colour_, alpha);
}

template <bool checked> inline void SmoothRaster::plotAcrossRows(int x, double y)
{
    if (checked && !(y >= -1.0 && y < height_))
        return;
    const int row = floorToInt(y);
    const unsigned lower = coverageOf(y - row);
    blend<checked>(x, row, 256 - lower);
    blend<checked>(x, row + 1, lower);
}

template <bool checked> inline void SmoothRaster::plotAcrossColumns(double x, int y)
{
    if (checked && !(x >= -1.0 && x < width_))
        return;
    const int column = floorToInt(x);
    const unsigned right = coverageOf(x - column);
    blend<checked>(column, y, 256 - right);
    blend<checked>(column + 1, y, right);
}

// Row by row, the pixels the line can reach in that row: where it passes within a pixel
// and a half of the row, a pixel more to the left and two to the right (the two pixels that
// share each step, rounded down). A long slanting line marks a band along itself, not the
// rectangle it spans.
void SmoothRaster::markLine(double x0, double y0, double x1, double y1)
{
    if (!tiles_ || width_ <= 0 || height_ <= 0)
        return;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    // The line is clipped to the picture grown by a pixel: the conversions cannot overflow.
    const int top = floorToInt(y0) - 1;
    const int bottom = floorToInt(y1) + 2;
    const double dy = y1 - y0;
    if (dy < 1.0) {
        tiles_->markRect(floorToInt(std::min(x0, x1)) - 1, top, floorToInt(std::max(x0, x1)) + 3, bottom + 1);
        return;
    }
    const double slope = (x1 - x0) / dy;
    constexpr double kReach = 1.5;
    for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y) {
        const double xa = x0 + slope * (std::clamp(y - kReach, y0, y1) - y0);
        const double xb = x0 + slope * (std::clamp(y + kReach, y0, y1) - y0);
        tiles_->markSpan(y, floorToInt(std::min(xa, xb)) - 1, floorToInt(std::max(xa, xb)) + 3);
    }
}

// Liang-Barsky against the image grown by one pixel a side (edge pixels still get their share).
bool SmoothRaster::clip(double& x0, double& y0, double& x1, double& y1) const
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    double enter = 0.0;
    double leave = 1.0;
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { x0 + 1.0, width_ - x0, y0 + 1.0, height_ - y0 };
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0.0) {
            if (q[side] < 0.0)
                return false;
            continue;
        }
        const double r = q[side] / p[side];
        if (p[side] < 0.0)
            enter = std::max(enter, r);
        else
            leave = std::min(leave, r);
        if (enter > leave)
            return false;
    }
    const double startX = x0;
    const double startY = y0;
    x0 = startX + enter * dx;
    y0 = startY + enter * dy;
    x1 = startX + leave * dx;
    y1 = startY + leave * dy;
    return true;
}

void SmoothRaster::line(double x0, double y0, double x1, double y1)
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return;
    if (!clip(x0, y0, x1, y1))
        return;
    markLine(x0, y0, x1, y1);
    // Both pixels of every pair lie inside when the line keeps a pixel off the far edges.
    const bool inside = std::min(x0, x1) >= 0.0 && std::min(y0, y1) >= 0.0 && std::max(x0, x1) < width_ - 1.0
        && std::max(y0, y1) < height_ - 1.0;
    const bool shallow = std::fabs(x1 - x0) >= std::fabs(y1 - y0);
    if (shallow && inside)
        shallowLine<false>(x0, y0, x1, y1);
    else if (shallow)
        shallowLine<true>(x0, y0, x1, y1);
    else if (inside)
        steepLine<false>(x0, y0, x1, y1);
    else
        steepLine<true>(x0, y0, x1, y1);
}

template <bool checked> void SmoothRaster::shallowLine(double x0, double y0, double x1, double y1)
{
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    if (x1 - x0 < 1e-9) {
        plotAcrossRows<true>(static_cast<int>(std::lround(x0)), y0);
        return;
    }
    const double first = std::ceil(x0);
    const double last = std::floor(x1);
    const double gradient = (y1 - y0) / (x1 - x0);
    for (double x = first; x <= last; x += 1.0)
        plotAcrossRows<checked>(static_cast<int>(x), y0 + gradient * (x - x0));
}

template <bool checked> void SmoothRaster::steepLine(double x0, double y0, double x1, double y1)
{
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const double first = std::ceil(y0);
    const double last = std::floor(y1);
    const double gradient = (x1 - x0) / (y1 - y0);
    for (double y = first; y <= last; y += 1.0)
        plotAcrossColumns<checked>(x0 + gradient * (y - y0), static_cast<int>(y));
}

void SmoothRaster::stamp(const OutlineStamp& outline, int left, int top)
{
    const std::int64_t x0 = left;
    const std::int64_t y0 = top;
    if (x0 >= 1 && y0 >= 1 && x0 + outline.width() < width_ && y0 + outline.height() < height_) {
        stampInside(outline, left, top);
        return;
    }
    for (const OutlineStamp::Dot& dot : outline.dots()) {
        const std::int64_t x = x0 + dot.x;
        const std::int64_t y = y0 + dot.y;
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            continue;
        blend<false>(static_cast<int>(x), static_cast<int>(y), dot.coverage);
        if (tiles_)
            tiles_->mark(static_cast<int>(x), static_cast<int>(y));
    }
}

// Every dot lands on the picture: no checks per dot.
void SmoothRaster::stampInside(const OutlineStamp& outline, int left, int top)
{
    uchar* const corner = bits_ + top * bytesPerLine_ + static_cast<qsizetype>(left) * 4;
    for (const OutlineStamp::Dot& dot : outline.dots()) {
        QRgb* pixel = reinterpret_cast<QRgb*>(corner + dot.y * bytesPerLine_) + dot.x;
        *pixel = blendOver(*pixel, colour_, dot.coverage);
    }
    if (!tiles_)
        return;
    for (const OutlineStamp::Dot& dot : outline.dots())
        tiles_->markInside(left + dot.x, top + dot.y);
}

} // namespace raster
