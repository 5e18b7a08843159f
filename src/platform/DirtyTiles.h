#pragma once
// Which parts of a picture a frame drew on, in tiles of 16 x 16 pixels.
//
// A window keeps the picture of what does not move and, each frame, puts back only the
// tiles that the previous frame's moving parts covered, then draws the moving parts
// again, marking the tiles they cover. Marks are conservative: a marked tile may be
// unchanged, an unmarked one never is.
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <vector>

namespace platform {

class DirtyTiles {
public:
    static constexpr int kTileShift = 4;
    static constexpr int kTileSize = 1 << kTileShift;

    // Tiles covering a picture of `width` x `height` pixels, none marked.
    void reset(int width, int height);
    void clear();
    void markAll();
    // Marks the tile of pixel (x, y); pixels outside the picture mark nothing.
    void mark(int x, int y)
    {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            marks_[static_cast<std::size_t>((y >> kTileShift) * columns_ + (x >> kTileShift))] = 1;
    }
    // As mark, for a pixel known to lie on the picture.
    void markInside(int x, int y)
    {
        marks_[static_cast<std::size_t>((y >> kTileShift) * columns_ + (x >> kTileShift))] = 1;
    }
    // Marks the tiles meeting the rectangle (right and bottom exclusive), clipped to the picture.
    void markRect(int left, int top, int right, int bottom);
    // Adds the other set's marks (same size).
    void add(const DirtyTiles& other);

    bool any() const;
    bool allMarked() const;
    int width() const { return width_; }
    int height() const { return height_; }
    // The marked tiles as rectangles within the picture, each a run of marked tiles in one row.
    std::vector<QRect> rectangles() const;
    QRegion region() const;

private:
    int width_ = 0;
    int height_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint8_t> marks_;
};

} // namespace platform
