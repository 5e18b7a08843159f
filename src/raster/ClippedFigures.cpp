#include "raster/ClippedFigures.h"

#include <QImage>
#include <QLine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace raster {

namespace {

    // The part of `line` inside `box` (Liang and Barsky's clipping); false when there is none.
    bool cutLine(QLineF& line, const QRectF& box)
    {
        double first = 0.0;
        double last = 1.0;
        const double towards[4] = { -line.dx(), line.dx(), -line.dy(), line.dy() };
        const double room[4]
            = { line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(), box.bottom() - line.y1() };
        for (int side = 0; side < 4; ++side) {
            if (towards[side] == 0.0) {
                if (room[side] < 0.0)
                    return false;
                continue;
            }
            const double crossing = room[side] / towards[side];
            if (towards[side] < 0.0)
                first = std::max(first, crossing);
            else
                last = std::min(last, crossing);
            if (first > last)
                return false;
        }
        line = QLineF(line.pointAt(first), line.pointAt(last));
        return true;
    }

    QPainterPath rectanglePath(const QRectF& box)
    {
        QPainterPath path;
        path.addRect(box);
        return path;
    }

} // namespace

ClippedFigures::ClippedFigures(QPainter& painter, const QRectF& area)
    : painter_(painter)
    , deviceArea_(painter.transform().mapRect(area))
{
}

QRectF ClippedFigures::area() const { return painter_.transform().inverted().mapRect(deviceArea_); }

qreal ClippedFigures::penReach() const
{
    const QPen& pen = painter_.pen();
    return pen.style() == Qt::NoPen ? 0.0 : std::max<qreal>(pen.widthF(), 1.0) / 2;
}

ClippedFigures::Place ClippedFigures::placeOf(const QRectF& box, qreal reach) const
{
    const QRectF grown = box.normalized().adjusted(-reach, -reach, reach, reach);
    const QRectF inside = area();
    if (inside.contains(grown))
        return Place::Inside;
    return inside.intersects(grown) ? Place::Across : Place::Outside;
}

void ClippedFigures::lines(const QLine* lines, int count)
{
    const QRectF inside = area();
    std::vector<QLineF> kept;
    kept.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        QLineF line(lines[k]);
        if (cutLine(line, inside))
            kept.push_back(line);
    }
    if (!kept.empty())
        painter_.drawLines(kept.data(), static_cast<int>(kept.size()));
}

void ClippedFigures::ellipse(const QRectF& box)
{
    const Place place = placeOf(box, penReach());
    if (place == Place::Inside) {
        painter_.drawEllipse(box);
    } else if (place == Place::Across) {
        QPainterPath outline;
        outline.addEllipse(box);
        cutShape(outline, true);
    }
}

void ClippedFigures::rectangle(const QRectF& box)
{
    const Place place = placeOf(box, penReach());
    if (place == Place::Inside)
        painter_.drawRect(box);
    else if (place == Place::Across)
        cutShape(rectanglePath(box), true);
}

void ClippedFigures::arc(const QRectF& box, int startAngle, int spanAngle)
{
    const Place place = placeOf(box, penReach());
    if (place == Place::Inside) {
        painter_.drawArc(box, startAngle, spanAngle);
    } else if (place == Place::Across) {
        constexpr qreal kSixteenths = 16.0;
        QPainterPath outline;
        outline.arcMoveTo(box, startAngle / kSixteenths);
        outline.arcTo(box, startAngle / kSixteenths, spanAngle / kSixteenths);
        cutShape(outline, false);
    }
}

void ClippedFigures::fill(const QRectF& box, const QColor& colour)
{
    const QRectF kept = box.normalized() & area();
    if (!kept.isEmpty())
        painter_.fillRect(kept, colour);
}

void ClippedFigures::text(const QRectF& box, const QPointF& baseline, const QString& text)
{
    const Place place = placeOf(box, 0.0);
    if (place == Place::Inside) {
        painter_.drawText(baseline, text);
    } else if (place == Place::Across) {
        QPainterPath glyphs;
        glyphs.addText(baseline, painter_.font(), text);
        painter_.fillPath(glyphs.intersected(rectanglePath(area())), painter_.pen().color());
    }
}

// Qt's SVG generator writes a picture whole, whatever part of it is asked for: the part is
// copied out first.
void ClippedFigures::picture(const QRectF& target, const QImage& picture, const QRect& source)
{
    const QRect from = source & picture.rect();
    if (from.isEmpty() || target.isEmpty())
        return;
    const QRectF kept = target & area();
    if (kept.isEmpty())
        return;
    // The source pixels whose squares on the target meet the area.
    const qreal across = target.width() / from.width();
    const qreal down = target.height() / from.height();
    const int left = static_cast<int>(std::floor((kept.left() - target.left()) / across));
    const int top = static_cast<int>(std::floor((kept.top() - target.top()) / down));
    const int right = static_cast<int>(std::ceil((kept.right() - target.left()) / across));
    const int bottom = static_cast<int>(std::ceil((kept.bottom() - target.top()) / down));
    const QRect part(from.left() + left, from.top() + top, right - left, bottom - top);
    const QRectF onTarget(
        target.left() + left * across, target.top() + top * down, part.width() * across, part.height() * down);
    painter_.drawImage(onTarget, part == picture.rect() ? picture : picture.copy(part));
}

void ClippedFigures::cutShape(const QPainterPath& outline, bool filled)
{
    const QPainterPath inside = rectanglePath(area());
    if (filled && painter_.brush().style() != Qt::NoBrush)
        painter_.fillPath(outline.intersected(inside), painter_.brush());
    const QPen& pen = painter_.pen();
    if (pen.style() == Qt::NoPen)
        return;
    QPainterPathStroker stroker(pen);
    stroker.setWidth(std::max<qreal>(pen.widthF(), 1.0));
    painter_.fillPath(stroker.createStroke(outline).intersected(inside), pen.color());
}

} // namespace raster
