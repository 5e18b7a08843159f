#pragma once
// A drawing surface in the manner of a GDI device context, over a QPainter on a
// QImage (Format_RGB32). Image sources, bitmaps and sprites draw only through this class.
//
// Coordinates are pixels with (0, 0) at the top left. Rectangles are given as
// left, top, right, bottom with right and bottom exclusive, as in GDI. On an image with
// a device pixel ratio (a window on a scaled screen) a pixel is a logical pixel: the
// context's size is the image's size divided by the ratio, and drawing is finer.
//
// Rendering: Exact draws as GDI does, pixel for pixel, without antialiasing (the tests'
// reference). Smooth, for what windows show, antialiases lines, circles, arcs and text
// (pen lines run through pixel centres, so a one-pixel line stays one pixel wide) and
// draws text in the desktop's own font. Bitmaps are copied exactly in both: the masked
// sprites' AND and OR keep their result.
//
// Figures: a context made on a painter (of a vector device, an SVG drawing say) has no
// pixels; it hands every figure to that painter, cut to its area (raster::ClippedFigures):
// lines, circles, arcs, rectangles and text stay figures, and copies of bitmaps become
// pictures (a masked sprite's AND and OR each the picture of what it leaves).
#include "platform/Colour.h"
#include "raster/DirtyTiles.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QPainter>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace raster {

class ClippedFigures;
class TextStamp;

struct Pen {
    enum class Style { Solid, Null };
    ColourRef colour = 0;
    int width = 1;
    Style style = Style::Solid;

    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    ColourRef colour = makeColour(255, 255, 255);
    bool hollow = false; // a hollow brush fills nothing

    friend bool operator==(const Brush&, const Brush&) = default;
};

// A pixel position on a device.
struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

enum class RasterOp { SourceCopy, SourceAnd, SourcePaint };

enum class Rendering { Exact, Smooth };

class DeviceContext {
public:
    // Draws into `target`, which must stay alive and unmoved while the context exists.
    // `font`, when given, is the font to write with (a window keeps one rather than
    // making the default font again each paint).
    explicit DeviceContext(QImage& target, Rendering rendering = Rendering::Exact, const QFont* font = nullptr);
    // Hands figures to `painter`, cut to the width x height area at its origin, in smooth
    // rendering. The painter's state is saved here and given back when the context ends.
    DeviceContext(QPainter& painter, int width, int height, const QFont* font = nullptr);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // Direct access to the pixels: a tracked context counts the whole picture as drawn on.
    // A context that hands figures to a painter has none (an empty image).
    QImage& image();
    // From now on every drawing call marks the tiles it may change in `tiles` (sized
    // to the context's width and height); null stops it.
    void trackChanges(DirtyTiles* tiles) { tiles_ = tiles; }
    // The size in (logical) pixels.
    int width() const { return width_; }
    int height() const { return height_; }

    // Selects a pen or brush and returns the one selected before.
    Pen selectPen(const Pen& pen);
    Brush selectBrush(const Brush& brush);
    const Pen& pen() const { return pen_; }
    const Brush& brush() const { return brush_; }

    void moveTo(int x, int y);
    // A line from the current position to (x, y) in the selected pen; (x, y) becomes the current position.
    void lineTo(int x, int y);
    // Connected lines through `count` points in the selected pen: the same pixels as moveTo the first
    // point and lineTo each following one, handed to the painter in one call (a long trail costs one
    // call instead of one per segment). The last point becomes the current position.
    void polyline(const Point* points, std::size_t count);
    // The ellipse inscribed in the box, outlined with the pen and filled with the brush.
    void ellipse(int left, int top, int right, int bottom);
    // The rectangle outlined with the pen and filled with the brush.
    void rectangle(int left, int top, int right, int bottom);
    // An elliptic arc of the box, counter-clockwise from the radial through (xStart, yStart) to the
    // radial through (xEnd, yEnd); equal points give the full ellipse. Nothing is filled.
    void arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void fillRect(int left, int top, int right, int bottom, ColourRef colour);
    void setPixel(int x, int y, ColourRef colour);
    ColourRef pixel(int x, int y) const;

    // Text drawn with its top-left corner at (x, y).
    void textOut(int x, int y, const std::string& text);
    ColourRef setTextColour(ColourRef colour);
    // Opaque text paints the background colour behind the glyphs (the default, white).
    void setTextBackground(bool opaque, ColourRef colour = makeColour(255, 255, 255));
    // Font height plus external leading.
    int lineHeight() const;
    int textWidth(const std::string& text) const;

    // Copies w x h pixels of `source` at (sx, sy) to (x, y) with the raster operation.
    void bitBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy, RasterOp op = RasterOp::SourceCopy);
    // Copies the source rectangle onto the destination rectangle, scaling by repeating or dropping pixels.
    void stretchBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw, int sh,
        RasterOp op = RasterOp::SourceCopy);

    // The font a context draws text with.
    static QFont defaultFont(Rendering rendering = Rendering::Exact);

private:
    QPainter& painter();
    // Every figure the painter draws goes through these: to the painter as it is, or cut
    // to the area for a painter that cannot clip.
    void paintLines(const QLine* lines, int count);
    void paintEllipse(const QRect& box);
    void paintRectangle(const QRect& box);
    void paintArc(const QRect& box, int startAngle, int spanAngle);
    void paintFill(const QRect& box, ColourRef colour);
    void paintText(int x, int y, int advance, const QString& text);
    // A copy for a painter that cannot clip or combine pixels: the picture it leaves.
    void copyAsPicture(const QRect& target, const QImage& source, const QRect& from, RasterOp op);
    // Give the painter, once started, the selected pen and brush.
    void applyPen();
    void applyBrush();
    void setRasterOp(RasterOp op);
    void setCompositionFor(RasterOp op);
    void restoreAfterCopy();
    void collectSmoothSegments(const Point* points, std::size_t count);
    // Runs `draw` with pen lines through pixel centres (smooth rendering only).
    template <typename Draw> void strokeThroughPixelCentres(Draw draw);
    // Thin solid lines go straight into the pixels when the target allows it (smooth, one
    // pixel wide, a 32-bit image at its own size); else through the painter.
    bool plainPixels() const;
    bool drawsThinLinesItself() const;
    // Draws a hollow ellipse's outline itself when it can; false leaves it to the painter.
    bool outlineEllipseItself(int left, int top, int right, int bottom);
    // Stamps a small filled one-colour disc itself when it can; false leaves it to the painter.
    bool stampDiscItself(int left, int top, int right, int bottom);
    static const QImage& discCoverage(int w, int h);
    void blendCoverage(const QImage& coverage, int left, int top, QRgb colour);
    // Text goes straight into the pixels when the target allows it (as thin lines).
    bool drawsTextItself() const;
    void stampText(int x, int y, const std::string& text);
    // The text's coverage and advance in the painter's font, laid out once per thread.
    const TextStamp& keptText(const std::string& text) const;
    // Marks the box's tiles, grown by the pen's reach, in the tracker if there is one.
    void touched(int left, int top, int right, int bottom, int reach = 0);
    void touchedByPen(int left, int top, int right, int bottom);
    void collectExactSegments(const Point* points, std::size_t count);
    // Copies without the painter when both images are plain 32-bit pixels at their own
    // size; false leaves the copy to the painter.
    bool copyPixelsItself(int x, int y, int w, int h, const QImage& source, int sx, int sy, RasterOp op);
    bool fillItself(int left, int top, int right, int bottom, ColourRef colour);
    static void combineRow(QRgb* to, const QRgb* from, std::size_t count, RasterOp op);
    // The device pixel of logical pixel (x, y).
    QPoint devicePixel(int x, int y) const;
    // The painter's font metrics, measured once per context (its font never changes).
    const QFontMetrics& metrics() const;

    QImage noPixels_; // the target of a context that hands figures to a painter
    QImage& target_;
    Rendering rendering_;
    int width_;
    int height_;
    QFont font_;
    std::optional<QPainter> painter_; // started by painter()
    QPainter* outside_ = nullptr; // the painter that figures go to, not owned
    QPainter* active_ = nullptr; // painter_ or outside_, once painter() has set it up
    std::unique_ptr<ClippedFigures> figures_; // with outside_
    Pen pen_;
    Brush brush_;
    int currentX_ = 0;
    int currentY_ = 0;
    ColourRef textColour_ = 0;
    bool opaqueText_ = true;
    ColourRef textBackground_ = makeColour(255, 255, 255);
    mutable std::optional<QFontMetrics> metrics_;
    mutable std::optional<std::string> fontKey_; // the painter's font's key, for kept texts
    std::vector<QLine> lines_; // polyline's segments; every polyline of this context reuses the allocation
    DirtyTiles* tiles_ = nullptr;
};

QColor toQColor(ColourRef colour);
ColourRef fromQColor(const QColor& colour);

} // namespace raster
