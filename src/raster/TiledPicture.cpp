#include "raster/TiledPicture.h"

#include <algorithm>
#include <cstring>

namespace raster {

// A 32-bit picture's pixels, reached without a call into QImage a row.
struct TiledPicture::Pixels {
    explicit Pixels(const QImage& picture)
        : bits(picture.constBits())
        , bytesPerLine(picture.bytesPerLine())
    {
    }
    const QRgb* at(int x, int y) const { return reinterpret_cast<const QRgb*>(bits + y * bytesPerLine) + x; }

    const uchar* bits;
    qsizetype bytesPerLine;
};

namespace {

    // Whether any of `count` pixels differs from `colour`. No early exit: the loop vectorises.
    bool anyDiffers(const QRgb* pixels, int count, QRgb colour)
    {
        QRgb difference = 0;
        for (int k = 0; k < count; ++k)
            difference |= pixels[k] ^ colour;
        return difference != 0;
    }

} // namespace

QRect TiledPicture::tileArea(std::size_t tile) const
{
    const int column = static_cast<int>(tile % static_cast<std::size_t>(columns_));
    const int row = static_cast<int>(tile / static_cast<std::size_t>(columns_));
    return QRect(column * kTileSize, row * kTileSize, kTileSize, kTileSize) & QRect(0, 0, width_, height_);
}

bool TiledPicture::isPlain(const Pixels& picture, const QRect& area)
{
    const QRgb colour = *picture.at(area.left(), area.top());
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (anyDiffers(picture.at(area.left(), y), area.width(), colour))
            return false;
    return true;
}

bool TiledPicture::differs(const Pixels& picture, std::size_t tile, const QRect& area) const
{
    const auto rowBytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* const pixels = picture.at(area.left(), y);
        const bool rowDiffers = block_[tile] == kPlain
            ? anyDiffers(pixels, area.width(), colour_[tile])
            : std::memcmp(pixels, blockOf(tile) + (y - area.top()) * kTileSize, rowBytes) != 0;
        if (rowDiffers)
            return true;
    }
    return false;
}

void TiledPicture::take(const Pixels& picture, std::size_t tile)
{
    const QRect area = tileArea(tile);
    if (isPlain(picture, area)) {
        if (block_[tile] != kPlain)
            freeBlocks_.push_back(block_[tile]);
        block_[tile] = kPlain;
        colour_[tile] = *picture.at(area.left(), area.top());
        return;
    }
    if (block_[tile] == kPlain) {
        if (freeBlocks_.empty()) {
            // Growth by a quarter, not the vector's doubling: the blocks are most of the memory.
            const std::size_t needed = blocks_.size() + kTilePixels;
            if (needed > blocks_.capacity())
                blocks_.reserve(std::max(needed, blocks_.capacity() + blocks_.capacity() / 4));
            freeBlocks_.push_back(static_cast<std::int32_t>(blocks_.size() / kTilePixels));
            blocks_.resize(needed);
        }
        block_[tile] = freeBlocks_.back();
        freeBlocks_.pop_back();
    }
    QRgb* block = blockOf(tile);
    for (int y = area.top(); y <= area.bottom(); ++y, block += kTileSize)
        std::memcpy(block, picture.at(area.left(), y), static_cast<std::size_t>(area.width()) * sizeof(QRgb));
}

void TiledPicture::assign(const QImage& image, int width, int height)
{
    const Pixels picture(image);
    width_ = std::clamp(width, 0, image.width());
    height_ = std::clamp(height, 0, image.height());
    columns_ = (width_ + kTileSize - 1) / kTileSize;
    const auto tiles
        = static_cast<std::size_t>(columns_) * static_cast<std::size_t>((height_ + kTileSize - 1) / kTileSize);
    block_.assign(tiles, kPlain);
    colour_.assign(tiles, 0);
    freeBlocks_.clear();
    // Exactly as many blocks as this picture needs: a busier earlier picture's do not stay.
    std::size_t needed = 0;
    for (std::size_t tile = 0; tile < tiles; ++tile)
        needed += isPlain(picture, tileArea(tile)) ? 0 : 1;
    std::vector<QRgb>().swap(blocks_);
    blocks_.reserve(needed * kTilePixels);
    for (std::size_t tile = 0; tile < tiles; ++tile)
        take(picture, tile);
}

void TiledPicture::update(const QImage& image, DirtyTiles& changed) { updateRows(image, 0, height_, changed); }

void TiledPicture::updateRows(const QImage& image, int top, int bottom, DirtyTiles& changed)
{
    const Pixels picture(image);
    const auto columns = static_cast<std::size_t>(columns_);
    const auto firstTile = static_cast<std::size_t>(std::max(top, 0) / kTileSize) * columns;
    const std::size_t endTile = std::min(
        block_.size(), static_cast<std::size_t>((std::max(bottom, 0) + kTileSize - 1) / kTileSize) * columns);
    for (std::size_t tile = firstTile; tile < endTile; ++tile) {
        const QRect area = tileArea(tile);
        if (!differs(picture, tile, area))
            continue;
        take(picture, tile);
        changed.markRect(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
    }
}

void TiledPicture::copySpan(QRgb* row, int y, int left, int right) const
{
    const auto tileRow = static_cast<std::size_t>(y / kTileSize);
    const int rowInTile = y % kTileSize;
    for (int x = left; x < right;) {
        const int column = x / kTileSize;
        const int end = std::min(right, (column + 1) * kTileSize);
        const std::size_t tile = tileRow * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
        if (block_[tile] == kPlain)
            std::fill(row + x, row + end, colour_[tile]);
        else
            std::memcpy(row + x, blockOf(tile) + rowInTile * kTileSize + (x - column * kTileSize),
                static_cast<std::size_t>(end - x) * sizeof(QRgb));
        x = end;
    }
}

} // namespace raster
