#include "raster/OutlineStamp.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace raster {

namespace {

    // Coverage is a whole number from 0 (nothing) to 256 (the full colour).
    unsigned coverageOf(double fraction) { return static_cast<unsigned>(fraction * 256.0 + 0.5); }

    // Sizes a thread keeps at most; past this it starts again (a view being zoomed).
    constexpr std::size_t kKeptSizes = 64;

} // namespace

const OutlineStamp& OutlineStamp::ofEllipse(int width, int height)
{
    thread_local std::map<std::pair<int, int>, OutlineStamp> made;
    const auto found = made.find({ width, height });
    if (found != made.end())
        return found->second;
    if (made.size() >= kKeptSizes)
        made.clear();
    const OutlineStamp whole(width, height, 0, 0, width, height);
    return made.emplace(std::make_pair(width, height), whole).first->second;
}

OutlineStamp::OutlineStamp(int width, int height, int visibleLeft, int visibleTop, int visibleRight, int visibleBottom)
    : width_(width)
    , height_(height)
{
    const double a = (width - 1) / 2.0;
    const double b = (height - 1) / 2.0;
    if (!(a >= 1.0 && b >= 1.0))
        return;
    const double diagonal = std::sqrt(a * a + b * b);
    const double flatReach = a * a / diagonal;
    const double steepReach = b * b / diagonal;
    // A dot lies in its column (or row): those a pixel beyond the visible ones change nothing.
    const double firstColumn = std::max(std::ceil(a - flatReach), visibleLeft - 1.0);
    const double lastColumn = std::min(std::floor(a + flatReach), visibleRight + 1.0);
    for (double x = firstColumn; x <= lastColumn; x += 1.0) {
        const double u = (x - a) / a;
        const double v = b * std::sqrt(std::max(0.0, 1.0 - u * u));
        acrossRows(static_cast<int>(x), b - v);
        acrossRows(static_cast<int>(x), b + v);
    }
    const double firstRow = std::max(std::floor(b - steepReach) + 1.0, visibleTop - 1.0);
    const double lastRow = std::min(std::ceil(b + steepReach) - 1.0, visibleBottom + 1.0);
    for (double y = firstRow; y <= lastRow; y += 1.0) {
        const double u = (y - b) / b;
        const double h = a * std::sqrt(std::max(0.0, 1.0 - u * u));
        acrossColumns(a - h, static_cast<int>(y));
        acrossColumns(a + h, static_cast<int>(y));
    }
    // Row by row, left to right, the picture's memory is walked in order. A pixel blended
    // twice (where the columns' and rows' halves meet) keeps the order of its two blends,
    // so the result is that of blending in the order worked out.
    std::stable_sort(dots_.begin(), dots_.end(),
        [](const Dot& first, const Dot& second) { return std::tie(first.y, first.x) < std::tie(second.y, second.x); });
}

void OutlineStamp::add(int x, int y, unsigned coverage)
{
    if (coverage > 0)
        dots_.push_back({ x, y, coverage });
}

// Shares pixel column x between the rows around y (y >= -1 here).
void OutlineStamp::acrossRows(int x, double y)
{
    const int row = static_cast<int>(std::floor(y));
    const unsigned lower = coverageOf(y - row);
    add(x, row, 256 - lower);
    add(x, row + 1, lower);
}

void OutlineStamp::acrossColumns(double x, int y)
{
    const int column = static_cast<int>(std::floor(x));
    const unsigned right = coverageOf(x - column);
    add(column, y, 256 - right);
    add(column + 1, y, right);
}

} // namespace raster
