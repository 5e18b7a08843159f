#include "platform/DirtyTiles.h"

#include <algorithm>

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
    std::fill(marks_.begin(), marks_.end(), std::uint8_t{0});
}

void DirtyTiles::markAll()
{
    std::fill(marks_.begin(), marks_.end(), std::uint8_t{1});
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
        auto first = marks_.begin() + row * columns_;
        std::fill(first + (left >> kTileShift), first + lastColumn + 1, std::uint8_t{1});
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
    return std::find(marks_.begin(), marks_.end(), std::uint8_t{1}) != marks_.end();
}

bool DirtyTiles::allMarked() const
{
    return std::find(marks_.begin(), marks_.end(), std::uint8_t{0}) == marks_.end();
}

std::vector<QRect> DirtyTiles::rectangles() const
{
    std::vector<QRect> runs;
    for (int row = 0; row < rows_; ++row) {
        const std::uint8_t* marks = marks_.data() + row * columns_;
        for (int column = 0; column < columns_;) {
            if (!marks[column]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < columns_ && marks[column])
                ++column;
            const int left = first << kTileShift;
            const int top = row << kTileShift;
            const int right = std::min(column << kTileShift, width_);
            const int bottom = std::min((row + 1) << kTileShift, height_);
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
