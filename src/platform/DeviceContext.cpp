#include "platform/DeviceContext.h"

#include "platform/DisplayText.h"

#include <cmath>

namespace platform {

QColor toQColor(ColourRef colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

ColourRef fromQColor(const QColor& colour)
{
    return makeColour(colour.red(), colour.green(), colour.blue());
}

QFont DeviceContext::defaultFont()
{
    // Made afresh (a few microseconds per paint): a font kept in a static would outlive
    // the application object that its font engines belong to.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

DeviceContext::DeviceContext(QImage& target) : target_(target), painter_(&target)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setFont(defaultFont());
    applyPen();
    applyBrush();
}

// The painter always holds the selected pen and brush, so selecting the same one again
// needs no new painter state.
Pen DeviceContext::selectPen(const Pen& pen)
{
    const Pen previous = pen_;
    if (pen == pen_)
        return previous;
    pen_ = pen;
    applyPen();
    return previous;
}

Brush DeviceContext::selectBrush(const Brush& brush)
{
    const Brush previous = brush_;
    if (brush == brush_)
        return previous;
    brush_ = brush;
    applyBrush();
    return previous;
}

void DeviceContext::applyPen()
{
    if (pen_.style == Pen::Style::Null) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen qpen(toQColor(pen_.colour));
    qpen.setWidth(pen_.width <= 1 ? 0 : pen_.width); // width 0 is Qt's exact one-pixel cosmetic pen
    painter_.setPen(qpen);
}

void DeviceContext::applyBrush()
{
    if (brush_.hollow)
        painter_.setBrush(Qt::NoBrush);
    else
        painter_.setBrush(QBrush(toQColor(brush_.colour)));
}

void DeviceContext::moveTo(int x, int y)
{
    currentX_ = x;
    currentY_ = y;
}

void DeviceContext::lineTo(int x, int y)
{
    if (pen_.style != Pen::Style::Null)
        painter_.drawLine(currentX_, currentY_, x, y);
    currentX_ = x;
    currentY_ = y;
}

void DeviceContext::polyline(const Point* points, std::size_t count)
{
    if (count == 0)
        return;
    const Point& last = points[count - 1];
    if (pen_.style != Pen::Style::Null && count > 1) {
        // Separate segments, not QPainter::drawPolyline: a polyline joins its segments and
        // leaves out some corner pixels that the same lines drawn one by one have.
        lines_.clear();
        lines_.reserve(count - 1);
        for (std::size_t k = 1; k < count; ++k)
            lines_.emplace_back(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y);
        painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    }
    currentX_ = last.x;
    currentY_ = last.y;
}

void DeviceContext::ellipse(int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void DeviceContext::rectangle(int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void DeviceContext::arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    if (right - left < 1 || bottom - top < 1 || pen_.style == Pen::Style::Null)
        return;
    const QRect box(left, top, right - left - 1, bottom - top - 1);
    if (xStart == xEnd && yStart == yEnd) {
        // An outline only; the selected brush comes back at once (cheaper than saving the painter).
        painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(box);
        applyBrush();
        return;
    }
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double degrees = 180.0 / M_PI;
    double startAngle = std::atan2(cy - yStart, xStart - cx) * degrees;
    double endAngle = std::atan2(cy - yEnd, xEnd - cx) * degrees;
    double span = endAngle - startAngle;
    if (span <= 0)
        span += 360.0;
    painter_.drawArc(box, static_cast<int>(std::lround(startAngle * 16)), static_cast<int>(std::lround(span * 16)));
}

void DeviceContext::fillRect(int left, int top, int right, int bottom, ColourRef colour)
{
    if (right <= left || bottom <= top)
        return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), toQColor(colour));
}

void DeviceContext::setPixel(int x, int y, ColourRef colour)
{
    if (target_.valid(x, y)) {
        painter_.setPen(QPen(toQColor(colour), 0));
        painter_.drawPoint(x, y);
        applyPen();
    }
}

ColourRef DeviceContext::pixel(int x, int y) const
{
    return target_.valid(x, y) ? fromQColor(QColor(target_.pixel(x, y))) : 0xffffffffu;
}

void DeviceContext::textOut(int x, int y, const std::string& text)
{
    const QString qtext = displayText(text);
    if (opaqueText_)
        painter_.fillRect(QRect(x, y, metrics().horizontalAdvance(qtext), lineHeight()), toQColor(textBackground_));
    painter_.setPen(toQColor(textColour_));
    painter_.drawText(x, y + metrics().ascent(), qtext);
    applyPen();
}

ColourRef DeviceContext::setTextColour(ColourRef colour)
{
    const ColourRef previous = textColour_;
    textColour_ = colour;
    return previous;
}

void DeviceContext::setTextBackground(bool opaque, ColourRef colour)
{
    opaqueText_ = opaque;
    textBackground_ = colour;
}

const QFontMetrics& DeviceContext::metrics() const
{
    if (!metrics_)
        metrics_.emplace(painter_.font());
    return *metrics_;
}

int DeviceContext::lineHeight() const
{
    return metrics().height() + metrics().leading();
}

int DeviceContext::textWidth(const std::string& text) const
{
    return metrics().horizontalAdvance(displayText(text));
}

void DeviceContext::setRasterOp(RasterOp op)
{
    switch (op) {
    case RasterOp::SourceCopy:
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        break;
    case RasterOp::SourceAnd:
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case RasterOp::SourcePaint:
        painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    }
}

void DeviceContext::bitBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy, RasterOp op)
{
    if (w <= 0 || h <= 0)
        return;
    setRasterOp(op);
    painter_.drawImage(QPoint(x, y), source, QRect(sx, sy, w, h));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DeviceContext::stretchBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw, int sh,
                               RasterOp op)
{
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return;
    if (w == sw && h == sh) {
        bitBlt(x, y, w, h, source, sx, sy, op);
        return;
    }
    setRasterOp(op);
    painter_.drawImage(QRect(x, y, w, h), source, QRect(sx, sy, sw, sh));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace platform
