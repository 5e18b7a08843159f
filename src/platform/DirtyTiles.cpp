#include "platform/DirtyTiles.h"

#include <algorithm>
#include <bit>

namespace platform {

void DirtyTiles::reset(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    columns_ = (width_ + kTileSize - 1) >> kTileShift;
    rows_ = (height_ + kTileSize - 1) >> kTileShift;
    marks_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
}

void DirtyTiles::clear()
{
    std::fill(marks_.begin(), marks_.end(), RowMarks{0});
}

void DirtyTiles::markAll()
{
    std::fill(marks_.begin(), marks_.end(), kAllRows);
}

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
            const int bottom = std::min((row << kTileShift) + static_cast<int>(std::bit_width(static_cast<unsigned>(rows))), height_);
            runs.emplace_back(left, top, right - left, bottom - top);
        }
    }
    return runs;
}

QRegion DirtyTiles::region() const
{
    QRegion region;
    const std::vector<QRect> runs = rectangles();
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

} // namespace platform
