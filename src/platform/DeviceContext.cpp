#include "platform/DeviceContext.h"

#include "platform/DisplayText.h"

#include <QFontInfo>
#include <QGuiApplication>

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

namespace {

// The smallest text size windows show, in logical pixels.
constexpr int kSmallestSmoothTextPixels = 13;

int logicalExtent(int devicePixels, qreal ratio) { return static_cast<int>(std::lround(devicePixels / ratio)); }

} // namespace

QFont DeviceContext::defaultFont(Rendering rendering)
{
    // Made afresh (a few microseconds per paint): a font kept in a static would outlive
    // the application object that its font engines belong to.
    if (rendering == Rendering::Smooth) {
        QFont font = QGuiApplication::font();
        if (QFontInfo(font).pixelSize() < kSmallestSmoothTextPixels)
            font.setPixelSize(kSmallestSmoothTextPixels);
        font.setStyleStrategy(QFont::PreferAntialias);
        return font;
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

DeviceContext::DeviceContext(QImage& target, Rendering rendering)
    : target_(target)
    , rendering_(rendering)
    , width_(logicalExtent(target.width(), target.devicePixelRatio()))
    , height_(logicalExtent(target.height(), target.devicePixelRatio()))
    , painter_(&target)
{
    const bool smooth = rendering == Rendering::Smooth;
    painter_.setRenderHint(QPainter::Antialiasing, smooth);
    painter_.setRenderHint(QPainter::TextAntialiasing, smooth);
    painter_.setFont(defaultFont(rendering));
    applyPen();
    applyBrush();
}

template <typename Draw> void DeviceContext::strokeThroughPixelCentres(Draw draw)
{
    if (rendering_ == Rendering::Exact)
        return draw();
    // A GDI line covers the pixels from its start to its end; an antialiased line drawn
    // on the pixel grid would fall between two rows and show both half grey.
    painter_.translate(0.5, 0.5);
    draw();
    painter_.translate(-0.5, -0.5);
}

QPoint DeviceContext::devicePixel(int x, int y) const
{
    const qreal ratio = target_.devicePixelRatio();
    return QPoint(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
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
    // Width 0 is Qt's one-device-pixel cosmetic pen, exact or (smooth) antialiased by Qt's
    // fast line stroker. On a scaled screen a smooth one-pixel line is one logical pixel
    // wide instead, so that it does not thin out.
    const bool scaled = target_.devicePixelRatio() > 1.25;
    const int thinnest = rendering_ == Rendering::Smooth && scaled ? 1 : 0;
    qpen.setWidth(pen_.width <= 1 ? thinnest : pen_.width);
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
        strokeThroughPixelCentres([&] { painter_.drawLine(currentX_, currentY_, x, y); });
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
        if (rendering_ == Rendering::Smooth)
            collectSmoothSegments(points, count);
        else
            for (std::size_t k = 1; k < count; ++k)
                lines_.emplace_back(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y);
        strokeThroughPixelCentres([&] { painter_.drawLines(lines_.data(), static_cast<int>(lines_.size())); });
    }
    currentX_ = last.x;
    currentY_ = last.y;
}

// Smooth lines blend a point's neighbourhood anyway: points less than two pixels from the
// last one kept add segments (each as costly as a long one) that change nothing a reader
// can see. The last point is always kept.
void DeviceContext::collectSmoothSegments(const Point* points, std::size_t count)
{
    constexpr int kShortestStep = 2;
    Point from = points[0];
    for (std::size_t k = 1; k < count; ++k) {
        const Point& to = points[k];
        const bool last = k + 1 == count;
        if (!last && std::abs(to.x - from.x) < kShortestStep && std::abs(to.y - from.y) < kShortestStep)
            continue;
        lines_.emplace_back(from.x, from.y, to.x, to.y);
        from = to;
    }
}

void DeviceContext::ellipse(int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    strokeThroughPixelCentres([&] { painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1)); });
}

void DeviceContext::rectangle(int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    const QRect box(left, top, right - left - 1, bottom - top - 1);
    if (pen_.style == Pen::Style::Null)
        painter_.drawRect(box);
    else
        strokeThroughPixelCentres([&] { painter_.drawRect(box); });
}

void DeviceContext::arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    if (right - left < 1 || bottom - top < 1 || pen_.style == Pen::Style::Null)
        return;
    const QRect box(left, top, right - left - 1, bottom - top - 1);
    if (xStart == xEnd && yStart == yEnd) {
        // An outline only; the selected brush comes back at once (cheaper than saving the painter).
        painter_.setBrush(Qt::NoBrush);
        strokeThroughPixelCentres([&] { painter_.drawEllipse(box); });
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
    strokeThroughPixelCentres([&] {
        painter_.drawArc(box, static_cast<int>(std::lround(startAngle * 16)), static_cast<int>(std::lround(span * 16)));
    });
}

void DeviceContext::fillRect(int left, int top, int right, int bottom, ColourRef colour)
{
    if (right <= left || bottom <= top)
        return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), toQColor(colour));
}

void DeviceContext::setPixel(int x, int y, ColourRef colour)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        painter_.fillRect(QRect(x, y, 1, 1), toQColor(colour));
}

ColourRef DeviceContext::pixel(int x, int y) const
{
    const QPoint device = devicePixel(x, y);
    return x >= 0 && y >= 0 && target_.valid(device) ? fromQColor(QColor(target_.pixel(device))) : 0xffffffffu;
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

// Copies repeat or drop whole pixels, never blend them: a sprite's mask must AND and OR
// exactly, also when a scaled screen draws it larger.
void DeviceContext::setRasterOp(RasterOp op)
{
    if (rendering_ == Rendering::Smooth)
        painter_.setRenderHint(QPainter::Antialiasing, false);
    setCompositionFor(op);
}

void DeviceContext::restoreAfterCopy()
{
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (rendering_ == Rendering::Smooth)
        painter_.setRenderHint(QPainter::Antialiasing, true);
}

void DeviceContext::setCompositionFor(RasterOp op)
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
    restoreAfterCopy();
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
    restoreAfterCopy();
}

} // namespace platform
