#include "raster/DirtyTiles.h"

#include <algorithm>
#include <bit>

namespace raster {

void DirtyTiles::reset(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    columns_ = (width_ + kTileSize - 1) >> kTileShift;
    rows_ = (height_ + kTileSize - 1) >> kTileShift;
    marks_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
}

void DirtyTiles::clear() { std::fill(marks_.begin(), marks_.end(), RowMarks { 0 }); }

void DirtyTiles::markAll() { std::fill(marks_.begin(), marks_.end(), kAllRows); }

void DirtyTiles::markRect(int left, int top, int right, int bottom)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom)
        return;
    const int lastColumn = (right - 1) >> kTileShift;
    for (int row = top >> kTileShift; row <= (bottom - 1) >> kTileShift; ++row) {
        // The rows of this tile row that the rectangle covers.
        const int firstRow = std::max(top - (row << kTileShift), 0);
        const int endRow = std::min(bottom - (row << kTileShift), kTileSize);
        const auto rows = static_cast<RowMarks>((kAllRows >> (kTileSize - (endRow - firstRow))) << firstRow);
        RowMarks* const marks = marks_.data() + static_cast<std::size_t>(row) * columns_;
        for (int column = left >> kTileShift; column <= lastColumn; ++column)
            marks[column] |= rows;
    }
}

void DirtyTiles::markSpan(int y, int left, int right)
{
    left = std::max(left, 0);
    right = std::min(right, width_);
    if (y < 0 || y >= height_ || left >= right)
        return;
    RowMarks* const marks = marks_.data() + static_cast<std::size_t>(y >> kTileShift) * columns_;
    const RowMarks bit = rowBit(y);
    for (int column = left >> kTileShift; column <= (right - 1) >> kTileShift; ++column)
        marks[column] |= bit;
}

void DirtyTiles::add(const DirtyTiles& other)
{
    if (other.marks_.size() != marks_.size()) {
        markAll();
        return;
    }
    for (std::size_t k = 0; k < marks_.size(); ++k)
        marks_[k] |= other.marks_[k];
}

bool DirtyTiles::any() const
{
    return std::any_of(marks_.begin(), marks_.end(), [](RowMarks marks) { return marks != 0; });
}

bool DirtyTiles::allMarked() const
{
    return std::none_of(marks_.begin(), marks_.end(), [](RowMarks marks) { return marks == 0; });
}

std::vector<QRect> DirtyTiles::rectangles() const
{
    std::vector<QRect> runs;
    for (int row = 0; row < rows_; ++row) {
        const RowMarks* marks = marks_.data() + static_cast<std::size_t>(row) * columns_;
        for (int column = 0; column < columns_;) {
            if (!marks[column]) {
                ++column;
                continue;
            }
            const int first = column;
            RowMarks rows = 0;
            while (column < columns_ && marks[column])
                rows |= marks[column++];
            // From the run's first marked row to its last.
            const int left = first << kTileShift;
            const int top = (row << kTileShift) + std::countr_zero(static_cast<unsigned>(rows));
            const int right = std::min(column << kTileShift, width_);
            const int bottom = std::min(
                (row << kTileShift) + static_cast<int>(std::bit_width(static_cast<unsigned>(rows))), height_);
            runs.emplace_back(left, top, right - left, bottom - top);
        }
    }
    return runs;
}

// QRegion takes a list of rectangles only in its own banded form: sorted by top, then left;
// rectangles of one band share top and height and do not touch; a band that continues the
// one above with the same spans is merged into it. Rectangles given otherwise make its
// unions and intersections lose parts of the region, so the runs (of differing heights
// within a row of tiles) are cut into bands at each of their tops and bottoms.
QRegion DirtyTiles::region() const
{
    const std::vector<QRect> runs = rectangles();
    std::vector<QRect> banded;
    banded.reserve(runs.size());
    std::size_t previousBand = 0; // where the band above starts in `banded`
    std::size_t rowStart = 0;
    std::vector<int> edges;
    while (rowStart < runs.size()) {
        // The runs of one row of tiles, in order of their left edges.
        const int tileRow = runs[rowStart].top() >> kTileShift;
        std::size_t rowEnd = rowStart;
        edges.clear();
        for (; rowEnd < runs.size() && (runs[rowEnd].top() >> kTileShift) == tileRow; ++rowEnd) {
            edges.push_back(runs[rowEnd].top());
            edges.push_back(runs[rowEnd].bottom() + 1);
        }
        std::sort(edges.begin(), edges.end());
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
        for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
            const std::size_t bandStart = banded.size();
            for (std::size_t run = rowStart; run < rowEnd; ++run)
                if (runs[run].top() <= edges[k] && runs[run].bottom() + 1 >= edges[k + 1])
                    banded.emplace_back(runs[run].left(), edges[k], runs[run].width(), edges[k + 1] - edges[k]);
            if (banded.size() == bandStart)
                continue;
            if (continuesBand(banded, previousBand, bandStart)) {
                for (std::size_t r = previousBand; r < bandStart; ++r)
                    banded[r].setBottom(edges[k + 1] - 1);
                banded.resize(bandStart);
            } else {
                previousBand = bandStart;
            }
        }
        rowStart = rowEnd;
    }
    QRegion region;
    region.setRects(banded.data(), static_cast<int>(banded.size()));
    return region;
}

// Whether the band from `start` on lies right below the band [previous, start) with the same spans.
bool DirtyTiles::continuesBand(const std::vector<QRect>& banded, std::size_t previous, std::size_t start)
{
    const std::size_t count = banded.size() - start;
    if (start == 0 || start - previous != count || banded[previous].bottom() + 1 != banded[start].top())
        return false;
    for (std::size_t k = 0; k < count; ++k)
        if (banded[previous + k].left() != banded[start + k].left()
            || banded[previous + k].right() != banded[start + k].right())
            return false;
    return true;
}

} // namespace raster
