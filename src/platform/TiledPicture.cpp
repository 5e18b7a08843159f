#include "platform/TiledPicture.h"

#include <algorithm>
#include <cstring>

namespace platform {

QRect TiledPicture::tileArea(int column, int tileRow) const
{
    return QRect(column * kTileSize, tileRow * kTileSize, kTileSize, kTileSize) & QRect(0, 0, width_, height_);
}

bool TiledPicture::isPlain(const QImage& picture, int column, int tileRow, QRgb& colour) const
{
    const QRect area = tileArea(column, tileRow);
    colour = reinterpret_cast<const QRgb*>(picture.constScanLine(area.top()))[area.left()];
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* const pixels = reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + area.left();
        if (std::any_of(pixels, pixels + area.width(), [colour](QRgb pixel) { return pixel != colour; }))
            return false;
    }
    return true;
}

void TiledPicture::assign(const QImage& picture, int width, int height)
{
    width_ = std::clamp(width, 0, picture.width());
    height_ = std::clamp(height, 0, picture.height());
    columns_ = (width_ + kTileSize - 1) / kTileSize;
    rows_ = (height_ + kTileSize - 1) / kTileSize;
    const auto tiles = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    block_.assign(tiles, kPlain);
    colour_.assign(tiles, 0);
    std::int32_t blocks = 0;
    for (int tileRow = 0; tileRow < rows_; ++tileRow)
        for (int column = 0; column < columns_; ++column) {
            const auto tile = static_cast<std::size_t>(tileRow * columns_ + column);
            if (!isPlain(picture, column, tileRow, colour_[tile]))
                block_[tile] = blocks++;
        }
    // Exactly as many blocks as this picture needs: a busier earlier picture's do not stay.
    const auto kept = static_cast<std::size_t>(blocks) * kTilePixels;
    if (blocks_.capacity() > 2 * kept)
        std::vector<QRgb>().swap(blocks_);
    blocks_.resize(kept);
    for (std::size_t tile = 0; tile < tiles; ++tile) {
        if (block_[tile] == kPlain)
            continue;
        const QRect area = tileArea(static_cast<int>(tile) % columns_, static_cast<int>(tile) / columns_);
        QRgb* block = blocks_.data() + static_cast<std::size_t>(block_[tile]) * kTilePixels;
        for (int y = area.top(); y <= area.bottom(); ++y, block += kTileSize)
            std::memcpy(block, reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + area.left(),
                        static_cast<std::size_t>(area.width()) * sizeof(QRgb));
    }
}

void TiledPicture::copySpan(QRgb* row, int y, int left, int right) const
{
    const int tileRow = y / kTileSize;
    const int rowInTile = y % kTileSize;
    for (int x = left; x < right;) {
        const int column = x / kTileSize;
        const int end = std::min(right, (column + 1) * kTileSize);
        const int tile = tileRow * columns_ + column;
        if (block_[static_cast<std::size_t>(tile)] == kPlain)
            std::fill(row + x, row + end, colour_[static_cast<std::size_t>(tile)]);
        else
            std::memcpy(row + x, blockOf(tile) + rowInTile * kTileSize + (x - column * kTileSize),
                        static_cast<std::size_t>(end - x) * sizeof(QRgb));
        x = end;
    }
}

bool TiledPicture::tileDiffers(const QImage& picture, int column, int tileRow) const
{
    const QRect area = tileArea(column, tileRow);
    const int tile = tileRow * columns_ + column;
    const bool plain = block_[static_cast<std::size_t>(tile)] == kPlain;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* const pixels = reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + area.left();
        if (plain) {
            const QRgb colour = colour_[static_cast<std::size_t>(tile)];
            if (std::any_of(pixels, pixels + area.width(), [colour](QRgb pixel) { return pixel != colour; }))
                return true;
        } else if (std::memcmp(pixels, blockOf(tile) + (y - area.top()) * kTileSize, static_cast<std::size_t>(area.width()) * sizeof(QRgb)) != 0) {
            return true;
        }
    }
    return false;
}

} // namespace platform
