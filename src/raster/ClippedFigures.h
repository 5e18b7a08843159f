#pragma once
// Figures handed to a painter that cannot clip, cut to an area here. Qt's SVG generator
// writes SVG Tiny, which has no clipping: a window's figures drawn into a drawing of the
// whole layout would reach over its neighbours. A figure inside the area is drawn as
// itself (a line stays a line, a circle a circle, text text); one wholly outside is left
// out; a line across the edge is cut to its part inside; any other figure across the edge
// becomes the part of its outline and filling inside, as filled paths; a picture across
// the edge keeps the part of itself inside.
//
// The area is taken in the painter's coordinates when the figures are made; figures drawn
// after the painter moved (a half-pixel shift for lines through pixel centres) are cut at
// the same place on the device.
#include <QPainter>
#include <QRectF>

class QImage;
class QLine;
class QRect;
class QPainterPath;
class QString;

namespace raster {

class ClippedFigures {
public:
    ClippedFigures(QPainter& painter, const QRectF& area);

    // In the painter's pen, brush and font.
    void lines(const QLine* lines, int count);
    void ellipse(const QRectF& box);
    void rectangle(const QRectF& box);
    // An arc of the ellipse in `box`, angles in sixteenths of a degree as QPainter takes them.
    void arc(const QRectF& box, int startAngle, int spanAngle);
    void fill(const QRectF& box, const QColor& colour);
    // Text on `baseline` (its left end) in the pen's colour, its glyphs within `box`.
    void text(const QRectF& box, const QPointF& baseline, const QString& text);
    // The `source` rectangle of `picture` drawn onto `target`, scaled to it.
    void picture(const QRectF& target, const QImage& picture, const QRect& source);

private:
    // The area in the painter's present coordinates.
    QRectF area() const;
    // Whether a figure whose box is `box` (grown by the pen's reach) is all inside the area,
    // all outside it, or across its edge.
    enum class Place { Inside, Outside, Across };
    Place placeOf(const QRectF& box, qreal reach) const;
    qreal penReach() const;
    // The part of `outline` inside the area: its filling in the brush (when `filled`) and
    // its stroke in the pen, as filled paths.
    void cutShape(const QPainterPath& outline, bool filled);

    QPainter& painter_;
    QRectF deviceArea_; // the area on the painter's device
};

} // namespace raster
