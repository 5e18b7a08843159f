#include "windows/LayeredFrame.h"

#include "imagesource/ImageSource.h"
#include "platform/DeviceContext.h"

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
    const bool stillCurrent = stillValid_ && key == stillKey_ && drawRequest == drawRequest_ && width == width_
        && height == height_ && still_.size() == buffer.size();
    if (stillCurrent)
        restoreMovedTiles(buffer);
    else
        redrawStill(buffer, width, height, source, drawRequest, paintBackground, font);
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
    } else {
        changed = QRegion(0, 0, width, height);
    }
    std::swap(movedBefore_, movedNow_);
    return changed;
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
    std::memcpy(buffer.bits(), still_.constBits(), static_cast<std::size_t>(buffer.sizeInBytes()));
    stillValid_ = true;
    drawRequest_ = drawRequest;
    width_ = width;
    height_ = height;
}

void LayeredFrame::restoreMovedTiles(QImage& buffer) const
{
    for (const QRect& area : movedBefore_.rectangles())
        copyRows(buffer, still_, area);
}
