#pragma once
// How an observer window makes its frames cheaply.
//
// The still picture (the window's background and the source's still layer) is kept in
// tiles (raster::TiledPicture, a plain tile as its colour) and drawn again only when
// the source's still-layer key, the size or the draw request changes. Each frame puts
// back, from the still picture, only the rows of the tiles that the previous frame's
// moving layer drew on, then draws the moving layer again, noting what it draws on. What
// changed on screen is the union of the two frames' tiles, so the window copies and shows
// only those. A new still picture is shown only where it differs from the old one (and
// where the previous frame's moving layer was), so that a small change to it (an
// observation passed, a piece of trail completed) shows as a small change.
//
// Under one key, the parts of the still layer that the source lists (StillLayerParts) may
// change: then only the rows of the parts that came, went or changed are drawn again, on
// their ground, and whatever the source drew outside them is put back from the kept
// picture.
//
// The result is the picture that the background and the source's Draw make together,
// provided the background covers the whole area (else what lies outside it would have
// to keep earlier frames, and the window draws whole frames instead).
//
// Threading: window thread only, under the window record's lock.
#include "imagesource/StillPart.h"
#include "raster/DirtyTiles.h"
#include "raster/TiledPicture.h"

#include <QFont>
#include <QImage>
#include <QRegion>

#include <cstdint>
#include <functional>
#include <vector>

class ImageSource;
namespace raster {
class DeviceContext;
}

class LayeredFrame {
public:
    using BackgroundPainter = std::function<void(raster::DeviceContext& context, int width, int height)>;

    // Renders the next frame into the first width x height pixels of `buffer` (a 32-bit
    // image at its own scale) and returns what changed since the previous frame.
    QRegion render(QImage& buffer, int width, int height, ImageSource& source, std::int32_t drawRequest,
        const BackgroundPainter& paintBackground, const QFont& font);
    // Forgets the kept pictures: the next render draws everything (a new buffer).
    void reset();

private:
    // The still picture again, whole, into the buffer and kept.
    void redrawStill(QImage& buffer, int width, int height, ImageSource& source, std::int32_t drawRequest,
        const BackgroundPainter& paintBackground, const QFont& font, bool overPreviousFrame);
    // The tile rows that the previous frame's moving layer drew on, from the still picture.
    void restoreMovedRows(QImage& buffer) const;
    // The still picture again in the rows of the parts that changed since the previous
    // frame; false when none did.
    bool redrawChangedRows(QImage& buffer, int width, int height, ImageSource& source, std::int32_t drawRequest,
        const BackgroundPainter& paintBackground, const QFont& font);
    // The window's ground alone, kept for drawing rows again.
    void keepBackground(int width, int height, const BackgroundPainter& paintBackground, const QFont& font);

    raster::TiledPicture still_;
    QSize bufferSize_;
    bool stillValid_ = false;
    std::uint64_t stillKey_ = 0;
    std::int32_t drawRequest_ = 0;
    int width_ = 0;
    int height_ = 0;
    raster::DirtyTiles movedBefore_; // the tiles the previous frame's moving layer drew on
    raster::DirtyTiles movedNow_;
    raster::DirtyTiles stillChanged_; // the tiles that a new still picture changed on screen
    raster::DirtyTiles drawnInRows_; // what a redraw of some rows drew on, within them or not
    std::vector<StillPart> parts_; // the still layer's parts as the kept picture shows them
    std::vector<StillPart> partsNow_;
    raster::TiledPicture background_;
    bool backgroundValid_ = false;
};
