#include "windows/LayeredFrame.h"

#include "imagesource/ImageSource.h"
#include "raster/DeviceContext.h"

#include <utility>

void LayeredFrame::reset() { stillValid_ = false; }

QRegion LayeredFrame::render(QImage& buffer, int width, int height, ImageSource& source, std::int32_t drawRequest,
    const BackgroundPainter& paintBackground, const QFont& font)
{
    const std::uint64_t key = source.StillLayerKey(width, height, drawRequest);
    // The buffer holds the previous frame of this size: a new still picture need only be
    // shown where it differs from that frame.
    const bool sameArea = stillValid_ && width == width_ && height == height_ && buffer.size() == bufferSize_;
    const bool stillCurrent = sameArea && key == stillKey_ && drawRequest == drawRequest_;
    if (stillCurrent)
        restoreMovedRows(buffer);
    else
        redrawStill(buffer, width, height, source, drawRequest, paintBackground, font, sameArea);
    stillKey_ = key;
    movedNow_.reset(width, height);
    {
        raster::DeviceContext context(buffer, raster::Rendering::Smooth, &font);
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

// The new still picture is drawn straight into the buffer (the background covers the whole
// area, see the header) and kept in tiles. On a buffer that held the previous frame, what
// changed is where the new still picture differs from the old one, and where the previous
// frame's moving layer was.
void LayeredFrame::redrawStill(QImage& buffer, int width, int height, ImageSource& source, std::int32_t drawRequest,
    const BackgroundPainter& paintBackground, const QFont& font, bool overPreviousFrame)
{
    {
        raster::DeviceContext context(buffer, raster::Rendering::Smooth, &font);
        paintBackground(context, width, height);
        source.DrawStillLayer(context, width, height, drawRequest);
    }
    if (overPreviousFrame) {
        stillChanged_ = movedBefore_;
        still_.update(buffer, stillChanged_);
    } else {
        still_.assign(buffer, width, height);
    }
    stillValid_ = true;
    drawRequest_ = drawRequest;
    width_ = width;
    height_ = height;
    bufferSize_ = buffer.size();
}

void LayeredFrame::restoreMovedRows(QImage& buffer) const
{
    uchar* const bits = buffer.bits();
    const auto bytesPerLine = static_cast<std::size_t>(buffer.bytesPerLine());
    movedBefore_.forEachMarkedRow([&](int y, int left, int right) {
        still_.copySpan(reinterpret_cast<QRgb*>(bits + static_cast<std::size_t>(y) * bytesPerLine), y, left, right);
    });
}
