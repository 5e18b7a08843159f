#pragma once
// Which parts of a picture a frame drew on, in tiles of 16 x 16 pixels, and within each
// tile which of its 16 rows.
//
// A window keeps the picture of what does not move and, each frame, puts back only the
// rows of the tiles that the previous frame's moving parts covered, then draws the moving
// parts again, marking what they cover. Marks are conservative: a marked row of a tile may
// be unchanged, an unmarked one never is. A tile's row is 16 pixels, 64 bytes of a 32-bit
// picture: one cache line, the unit that putting back costs.
#include <QRect>
#include <QRegion>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace raster {

class DirtyTiles {
public:
    static constexpr int kTileShift = 4;
    static constexpr int kTileSize = 1 << kTileShift;

    // Tiles covering a picture of `width` x `height` pixels, none marked.
    void reset(int width, int height);
    void clear();
    void markAll();
    // Marks pixel (x, y)'s row of its tile; pixels outside the picture mark nothing.
    void mark(int x, int y)
    {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            markInside(x, y);
    }
    // As mark, for a pixel known to lie on the picture.
    void markInside(int x, int y)
    {
        marks_[static_cast<std::size_t>((y >> kTileShift) * columns_ + (x >> kTileShift))] |= rowBit(y);
    }
    // Marks the tiles meeting the rectangle (right and bottom exclusive), clipped to the picture.
    void markRect(int left, int top, int right, int bottom);
    // Marks pixel row y of the tiles meeting pixels [left, right) of that row, clipped to the picture.
    void markSpan(int y, int left, int right);
    // Adds the other set's marks (same size).
    void add(const DirtyTiles& other);

    bool any() const;
    bool allMarked() const;
    int width() const { return width_; }
    int height() const { return height_; }
    // The marked tiles as rectangles within the picture, each a run of marked tiles in one
    // row of tiles, from the first row marked in any of them to the last.
    std::vector<QRect> rectangles() const;
    // The marked tiles as a region, in the banded form that QRegion's operations need.
    QRegion region() const;
    // Calls visit(y, left, right) for every run of tiles marked in pixel row y, one pixel
    // row wide, right exclusive, clipped to the picture.
    template <typename Visit> void forEachMarkedRow(Visit&& visit) const;

private:
    using RowMarks = std::uint16_t; // bit k: the tile's row k is marked
    static constexpr RowMarks kAllRows = 0xFFFF;
    static_assert(kTileSize == 16, "a tile's rows are the 16 bits of its marks");
    static bool continuesBand(const std::vector<QRect>& banded, std::size_t previous, std::size_t start);
    static RowMarks rowBit(int y) { return static_cast<RowMarks>(1u << (y & (kTileSize - 1))); }

    int width_ = 0;
    int height_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<RowMarks> marks_;
};

template <typename Visit> void DirtyTiles::forEachMarkedRow(Visit&& visit) const
{
    for (int row = 0; row < rows_; ++row) {
        const RowMarks* marks = marks_.data() + static_cast<std::size_t>(row) * columns_;
        // The rows marked anywhere along this row of tiles (none, mostly).
        RowMarks any = 0;
        for (int column = 0; column < columns_; ++column)
            any |= marks[column];
        const int top = row << kTileShift;
        for (; any != 0; any &= static_cast<RowMarks>(any - 1)) {
            const int k = std::countr_zero(static_cast<unsigned>(any));
            if (top + k >= height_)
                break;
            const RowMarks bit = static_cast<RowMarks>(1u << k);
            for (int column = 0; column < columns_;) {
                if (!(marks[column] & bit)) {
                    ++column;
                    continue;
                }
                const int first = column;
                while (column < columns_ && (marks[column] & bit))
                    ++column;
                visit(top + k, first << kTileShift, std::min(column << kTileShift, width_));
            }
        }
    }
}

} // namespace raster
