#pragma once
// A 32-bit picture kept in tiles of 16 x 16 pixels, a tile of one colour as that colour.
//
// A window's still picture is mostly plain ground: kept this way it takes a fraction of a
// full picture's memory, and putting back a plain tile reads nothing. A tile of several
// colours is kept as a block of 256 pixels, row after row, so putting back its rows reads
// one block.
#include "raster/DirtyTiles.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace raster {

class TiledPicture {
public:
    static constexpr int kTileSize = DirtyTiles::kTileSize;

    // Keeps the first width x height pixels of a 32-bit picture.
    void assign(const QImage& picture, int width, int height);
    // Takes the tiles of `picture` (laid out as the kept one) that differ from the kept
    // ones, and marks them in `changed`.
    void update(const QImage& picture, DirtyTiles& changed);
    // As update, looking only at the tiles that meet pixel rows [top, bottom).
    void updateRows(const QImage& picture, int top, int bottom, DirtyTiles& changed);
    int width() const { return width_; }
    int height() const { return height_; }
    // Writes pixels [left, right) of row y (on the picture) into `row`, the same row of a
    // 32-bit picture laid out alike.
    void copySpan(QRgb* row, int y, int left, int right) const;

private:
    static constexpr std::int32_t kPlain = -1;
    static constexpr int kTilePixels = kTileSize * kTileSize;

    struct Pixels;

    QRect tileArea(std::size_t tile) const;
    static bool isPlain(const Pixels& picture, const QRect& area);
    bool differs(const Pixels& picture, std::size_t tile, const QRect& area) const;
    // Keeps the tile of `picture`, reusing its block or taking one.
    void take(const Pixels& picture, std::size_t tile);
    QRgb* blockOf(std::size_t tile) { return blocks_.data() + static_cast<std::size_t>(block_[tile]) * kTilePixels; }
    const QRgb* blockOf(std::size_t tile) const
    {
        return blocks_.data() + static_cast<std::size_t>(block_[tile]) * kTilePixels;
    }

    int width_ = 0;
    int height_ = 0;
    int columns_ = 0;
    std::vector<std::int32_t> block_; // per tile: its block of pixels, or kPlain
    std::vector<QRgb> colour_; // per tile: its colour, when plain
    std::vector<QRgb> blocks_; // kTilePixels pixels a block
    std::vector<std::int32_t> freeBlocks_; // blocks no tile uses
};

} // namespace raster
