#include "windows/LayeredFrame.h"

#include "imagesource/ImageSource.h"
#include "platform/DeviceContext.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

void copyRows(QImage& to, const QImage& from, const QRect& area)
{
    const auto bytesPerPixel = static_cast<std::size_t>(from.depth() / 8);
    const std::size_t rowBytes = static_cast<std::size_t>(area.width()) * bytesPerPixel;
    const std::size_t offset = static_cast<std::size_t>(area.left()) * bytesPerPixel;
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memcpy(to.scanLine(y) + offset, from.constScanLine(y) + offset, rowBytes);
}

} // namespace

void LayeredFrame::reset()
{
    stillValid_ = false;
}

QRegion LayeredFrame::render(QImage& buffer, int width, int height, ImageSource& source, std::int32_t drawRequest,
                             const BackgroundPainter& paintBackground, const QFont& font)
{
    const std::uint64_t key = source.StillLayerKey(width, height, drawRequest);
    // The buffer holds the previous frame of this size: a new still picture need only go
    // where it differs from that frame.
    const bool sameArea = stillValid_ && width == width_ && height == height_ && still_.size() == buffer.size()
        && still_.format() == buffer.format();
    const bool stillCurrent = sameArea && key == stillKey_ && drawRequest == drawRequest_;
    if (stillCurrent) {
        restoreMovedRows(buffer);
    } else {
        redrawStill(buffer, width, height, source, drawRequest, paintBackground, font);
        if (sameArea)
            takeChangedTiles(buffer);
        else
            std::memcpy(buffer.bits(), still_.constBits(), static_cast<std::size_t>(buffer.sizeInBytes()));
    }
    stillKey_ = key;
    movedNow_.reset(width, height);
    {
        platform::DeviceContext context(buffer, platform::Rendering::Smooth, &font);
        context.trackChanges(&movedNow_);
        source.DrawMovingLayer(context, width, height, drawRequest);
    }
    QRegion changed;
    if (stillCurrent) {
        movedBefore_.add(movedNow_);
        changed = movedBefore_.region();
    } else if (sameArea) {
        stillChanged_.add(movedNow_);
        changed = stillChanged_.region();
    } else {
        changed = QRegion(0, 0, width, height);
    }
    std::swap(movedBefore_, movedNow_);
    return changed;
}

// Copies the still picture's tiles that differ from the buffer's (the previous frame,
// moving parts included) and notes them. Bands of tile rows that are the same all across
// (most of them, when little changed) are passed over with one comparison a row.
void LayeredFrame::takeChangedTiles(QImage& buffer)
{
    constexpr int kTile = platform::DirtyTiles::kTileSize;
    stillChanged_.reset(width_, height_);
    const auto bytesPerPixel = static_cast<std::size_t>(buffer.depth() / 8);
    const std::size_t bandBytes = static_cast<std::size_t>(width_) * bytesPerPixel;
    for (int top = 0; top < height_; top += kTile) {
        const int bottom = std::min(top + kTile, height_) - 1;
        bool bandDiffers = false;
        for (int y = top; y <= bottom && !bandDiffers; ++y)
            bandDiffers = std::memcmp(buffer.constScanLine(y), still_.constScanLine(y), bandBytes) != 0;
        if (!bandDiffers)
            continue;
        for (int left = 0; left < width_; left += kTile) {
            const QRect tile = QRect(left, top, kTile, kTile) & QRect(0, 0, width_, height_);
            const std::size_t offset = static_cast<std::size_t>(left) * bytesPerPixel;
            const std::size_t rowBytes = static_cast<std::size_t>(tile.width()) * bytesPerPixel;
            bool differs = false;
            for (int y = tile.top(); y <= tile.bottom() && !differs; ++y)
                differs = std::memcmp(buffer.constScanLine(y) + offset, still_.constScanLine(y) + offset, rowBytes) != 0;
            if (!differs)
                continue;
            copyRows(buffer, still_, tile);
            stillChanged_.markRect(tile.left(), tile.top(), tile.right() + 1, tile.bottom() + 1);
        }
    }
}

void LayeredFrame::redrawStill(QImage& buffer, int width, int height, ImageSource& source, std::int32_t drawRequest,
                               const BackgroundPainter& paintBackground, const QFont& font)
{
    // The background covers the whole area (see the header): nothing of the old picture stays.
    if (still_.size() != buffer.size() || still_.format() != buffer.format()) {
        still_ = QImage(buffer.size(), buffer.format());
        still_.fill(Qt::black); // past the window's area, if the buffer is larger
    }
    {
        platform::DeviceContext context(still_, platform::Rendering::Smooth, &font);
        paintBackground(context, width, height);
        source.DrawStillLayer(context, width, height, drawRequest);
    }
    stillValid_ = true;
    drawRequest_ = drawRequest;
    width_ = width;
    height_ = height;
}

void LayeredFrame::restoreMovedRows(QImage& buffer) const
{
    const auto bytesPerPixel = static_cast<std::size_t>(buffer.depth() / 8);
    uchar* const to = buffer.bits();
    const uchar* const from = still_.constBits();
    const auto bytesPerLine = static_cast<std::size_t>(buffer.bytesPerLine());
    movedBefore_.forEachMarkedRow([&](int y, int left, int right) {
        const std::size_t offset = static_cast<std::size_t>(y) * bytesPerLine + static_cast<std::size_t>(left) * bytesPerPixel;
        std::memcpy(to + offset, from + offset, static_cast<std::size_t>(right - left) * bytesPerPixel);
    });
}
