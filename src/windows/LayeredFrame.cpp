#include "windows/LayeredFrame.h"

#include "imagesource/ImageSource.h"
#include "raster/DeviceContext.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

// The pixel rows [top, bottom) that hold every part that came, went or changed between two
// lists in increasing id; the whole height when a list is out of order.
std::pair<int, int> changedRows(const std::vector<StillPart>& before, const std::vector<StillPart>& now, int height)
{
    int top = INT_MAX;
    int bottom = INT_MIN;
    const auto take = [&](const StillPart& part) {
        top = std::min(top, part.top);
        bottom = std::max(bottom, part.bottom);
    };
    const auto ordered = [](const std::vector<StillPart>& parts) {
        return std::adjacent_find(parts.begin(), parts.end(), [](const StillPart& a, const StillPart& b) {
            return a.id >= b.id;
        }) == parts.end();
    };
    if (!ordered(before) || !ordered(now))
        return { 0, height };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < before.size() || j < now.size()) {
        if (j == now.size() || (i < before.size() && before[i].id < now[j].id)) {
            take(before[i++]);
        } else if (i == before.size() || now[j].id < before[i].id) {
            take(now[j++]);
        } else {
            if (!(before[i] == now[j])) {
                take(before[i]);
                take(now[j]);
            }
            ++i;
            ++j;
        }
    }
    return { std::max(top, 0), std::min(bottom, height) };
}

QRgb* rowOf(QImage& buffer, int y)
{
    return reinterpret_cast<QRgb*>(buffer.bits() + static_cast<std::size_t>(y) * buffer.bytesPerLine());
}

} // namespace

void LayeredFrame::reset()
{
    stillValid_ = false;
    backgroundValid_ = false;
}

QRegion LayeredFrame::render(QImage& buffer, int width, int height, ImageSource& source, std::int32_t drawRequest,
    const BackgroundPainter& paintBackground, const QFont& font)
{
    const std::uint64_t key = source.StillLayerKey(width, height, drawRequest);
    source.StillLayerParts(width, height, drawRequest, partsNow_);
    // The buffer holds the previous frame of this size: a new still picture need only be
    // shown where it differs from that frame.
    const bool sameArea = stillValid_ && width == width_ && height == height_ && buffer.size() == bufferSize_;
    const bool stillCurrent = sameArea && key == stillKey_ && drawRequest == drawRequest_;
    bool rowsRedrawn = false;
    if (stillCurrent) {
        restoreMovedRows(buffer);
        rowsRedrawn = redrawChangedRows(buffer, width, height, source, drawRequest, paintBackground, font);
    } else {
        redrawStill(buffer, width, height, source, drawRequest, paintBackground, font, sameArea);
    }
    stillKey_ = key;
    std::swap(parts_, partsNow_);
    movedNow_.reset(width, height);
    {
        raster::DeviceContext context(buffer, raster::Rendering::Smooth, &font);
        context.trackChanges(&movedNow_);
        source.DrawMovingLayer(context, width, height, drawRequest);
    }
    QRegion changed;
    if (stillCurrent) {
        movedBefore_.add(movedNow_);
        if (rowsRedrawn)
            movedBefore_.add(stillChanged_);
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
        backgroundValid_ = false;
    }
    stillValid_ = true;
    drawRequest_ = drawRequest;
    width_ = width;
    height_ = height;
    bufferSize_ = buffer.size();
}

// The buffer holds the kept still picture. The changed rows get their ground back and the
// source draws its still layer there; what it draws outside them is put back from the kept
// picture, which is right there, since only the listed parts changed.
bool LayeredFrame::redrawChangedRows(QImage& buffer, int width, int height, ImageSource& source,
    std::int32_t drawRequest, const BackgroundPainter& paintBackground, const QFont& font)
{
    const std::pair<int, int> rows = changedRows(parts_, partsNow_, height);
    const int top = rows.first;
    const int bottom = rows.second;
    if (top >= bottom)
        return false;
    keepBackground(width, height, paintBackground, font);
    for (int y = top; y < bottom; ++y)
        background_.copySpan(rowOf(buffer, y), y, 0, width);
    drawnInRows_.reset(width, height);
    {
        raster::DeviceContext context(buffer, raster::Rendering::Smooth, &font);
        context.trackChanges(&drawnInRows_);
        source.DrawStillRows(context, width, height, drawRequest, top, bottom);
    }
    drawnInRows_.forEachMarkedRow([&](int y, int left, int right) {
        if (y < top || y >= bottom)
            still_.copySpan(rowOf(buffer, y), y, left, right);
    });
    stillChanged_.reset(width, height);
    still_.updateRows(buffer, top, bottom, stillChanged_);
    return true;
}

void LayeredFrame::keepBackground(int width, int height, const BackgroundPainter& paintBackground, const QFont& font)
{
    if (backgroundValid_)
        return;
    QImage ground(width, height, QImage::Format_RGB32);
    {
        raster::DeviceContext context(ground, raster::Rendering::Smooth, &font);
        paintBackground(context, width, height);
    }
    background_.assign(ground, width, height);
    backgroundValid_ = true;
}

void LayeredFrame::restoreMovedRows(QImage& buffer) const
{
    movedBefore_.forEachMarkedRow(
        [&](int y, int left, int right) { still_.copySpan(rowOf(buffer, y), y, left, right); });
}
