#include "raster/DeviceContext.h"

#include "platform/DisplayText.h"
#include "raster/ClippedFigures.h"
#include "raster/OutlineStamp.h"
#include "raster/PixelBlend.h"
#include "raster/SmoothRaster.h"
#include "raster/TextStamp.h"

#include <QFontInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <utility>

namespace raster {

QColor toQColor(ColourRef colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

ColourRef fromQColor(const QColor& colour) { return makeColour(colour.red(), colour.green(), colour.blue()); }

namespace {

    // The smallest text size windows show, in logical pixels.
    constexpr int kSmallestSmoothTextPixels = 13;

    int logicalExtent(int devicePixels, qreal ratio) { return static_cast<int>(std::lround(devicePixels / ratio)); }

    // What a raster operation leaves, as a picture laid over what lies below: a copy ANDed
    // in (a sprite's mask, white where transparent) darkens as its pixels are dark and keeps
    // the rest; a copy ORed in (the sprite's image, black where transparent) paints its
    // pixels that are not black.
    QImage pictureOfRasterOp(const QImage& part, RasterOp op)
    {
        QImage picture = part.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* const row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = row[x];
                if (op == RasterOp::SourceAnd)
                    row[x] = qRgba(0, 0, 0, 255 - qGray(pixel));
                else
                    row[x] = (pixel & RGB_MASK) == 0 ? 0u : (pixel | ~RGB_MASK);
            }
        }
        return picture;
    }

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

DeviceContext::DeviceContext(QImage& target, Rendering rendering, const QFont* font)
    : target_(target)
    , rendering_(rendering)
    , width_(logicalExtent(target.width(), target.devicePixelRatio()))
    , height_(logicalExtent(target.height(), target.devicePixelRatio()))
    , font_(font ? *font : defaultFont(rendering))
{
}

DeviceContext::DeviceContext(QPainter& painter, int width, int height, const QFont* font)
    : target_(noPixels_)
    , rendering_(Rendering::Smooth)
    , width_(width)
    , height_(height)
    , font_(font ? *font : defaultFont(Rendering::Smooth))
    , outside_(&painter)
{
    painter.save();
    figures_ = std::make_unique<ClippedFigures>(painter, QRectF(0, 0, width, height));
}

DeviceContext::~DeviceContext()
{
    if (outside_)
        outside_->restore();
}

// The painter starts on the first drawing that needs it: a frame drawn wholly by the
// context's own paths (lines, outlines, discs, text, copies) never starts one.
QPainter& DeviceContext::painter()
{
    if (active_)
        return *active_;
    if (outside_) {
        active_ = outside_;
    } else {
        painter_.emplace(&target_);
        active_ = &*painter_;
    }
    const bool smooth = rendering_ == Rendering::Smooth;
    active_->setRenderHint(QPainter::Antialiasing, smooth);
    active_->setRenderHint(QPainter::TextAntialiasing, smooth);
    active_->setFont(font_);
    applyPen();
    applyBrush();
    return *active_;
}

// Each starts the painter first: figures handed to a painter need its pen, brush and font.
void DeviceContext::paintLines(const QLine* lines, int count)
{
    QPainter& used = painter();
    if (figures_)
        figures_->lines(lines, count);
    else
        used.drawLines(lines, count);
}

void DeviceContext::paintEllipse(const QRect& box)
{
    QPainter& used = painter();
    if (figures_)
        figures_->ellipse(box);
    else
        used.drawEllipse(box);
}

void DeviceContext::paintRectangle(const QRect& box)
{
    QPainter& used = painter();
    if (figures_)
        figures_->rectangle(box);
    else
        used.drawRect(box);
}

void DeviceContext::paintArc(const QRect& box, int startAngle, int spanAngle)
{
    QPainter& used = painter();
    if (figures_)
        figures_->arc(box, startAngle, spanAngle);
    else
        used.drawArc(box, startAngle, spanAngle);
}

void DeviceContext::paintFill(const QRect& box, ColourRef colour)
{
    QPainter& used = painter();
    if (figures_)
        figures_->fill(box, toQColor(colour));
    else
        used.fillRect(box, toQColor(colour));
}

// In the text colour, which the caller has made the pen's.
void DeviceContext::paintText(int x, int y, int advance, const QString& text)
{
    const QPoint baseline(x, y + metrics().ascent());
    if (figures_)
        figures_->text(QRectF(x, y, advance, lineHeight()), baseline, text);
    else
        painter().drawText(baseline, text);
}

void DeviceContext::copyAsPicture(const QRect& target, const QImage& source, const QRect& from, RasterOp op)
{
    if (op == RasterOp::SourceCopy)
        figures_->picture(target, source, from);
    else
        figures_->picture(target, pictureOfRasterOp(source.copy(from), op), QRect(QPoint(0, 0), from.size()));
}

template <typename Draw> void DeviceContext::strokeThroughPixelCentres(Draw draw)
{
    if (rendering_ == Rendering::Exact)
        return draw();
    // A GDI line covers the pixels from its start to its end; an antialiased line drawn
    // on the pixel grid would fall between two rows and show both half grey.
    painter().translate(0.5, 0.5);
    draw();
    painter().translate(-0.5, -0.5);
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
    if (!active_)
        return;
    if (pen_.style == Pen::Style::Null) {
        active_->setPen(Qt::NoPen);
        return;
    }
    QPen qpen(toQColor(pen_.colour));
    // Width 0 is Qt's one-device-pixel cosmetic pen, exact or (smooth) antialiased by Qt's
    // fast line stroker. On a scaled screen a smooth one-pixel line is one logical pixel
    // wide instead, so that it does not thin out.
    const bool scaled = target_.devicePixelRatio() > 1.25;
    const int thinnest = rendering_ == Rendering::Smooth && scaled ? 1 : 0;
    qpen.setWidth(pen_.width <= 1 ? thinnest : pen_.width);
    active_->setPen(qpen);
}

void DeviceContext::applyBrush()
{
    if (!active_)
        return;
    if (brush_.hollow)
        active_->setBrush(Qt::NoBrush);
    else
        active_->setBrush(QBrush(toQColor(brush_.colour)));
}

void DeviceContext::moveTo(int x, int y)
{
    currentX_ = x;
    currentY_ = y;
}

QImage& DeviceContext::image()
{
    touched(0, 0, width_, height_);
    return target_;
}

// The context's own paths write plain 32-bit pixels at their own size.
bool DeviceContext::plainPixels() const
{
    return target_.format() == QImage::Format_RGB32 && target_.devicePixelRatio() == 1.0;
}

bool DeviceContext::drawsThinLinesItself() const
{
    return rendering_ == Rendering::Smooth && pen_.style == Pen::Style::Solid && pen_.width <= 1 && plainPixels();
}

void DeviceContext::touched(int left, int top, int right, int bottom, int reach)
{
    if (!tiles_)
        return;
    // Wide arithmetic: far-off coordinates must not wrap round onto the picture.
    const auto clamp = [](std::int64_t value) {
        return static_cast<int>(std::clamp<std::int64_t>(value, -1, std::numeric_limits<int>::max() / 2));
    };
    tiles_->markRect(clamp(std::int64_t { std::min(left, right) } - reach),
        clamp(std::int64_t { std::min(top, bottom) } - reach),
        clamp(std::int64_t { std::max(left, right) } + reach + 1),
        clamp(std::int64_t { std::max(top, bottom) } + reach + 1));
}

// Antialiasing reaches a pixel beyond a line's own width.
void DeviceContext::touchedByPen(int left, int top, int right, int bottom)
{
    touched(left, top, right, bottom, pen_.width / 2 + 2);
}

void DeviceContext::lineTo(int x, int y)
{
    if (pen_.style != Pen::Style::Null && drawsThinLinesItself()) {
        SmoothRaster(target_, toQColor(pen_.colour).rgb(), tiles_).line(currentX_, currentY_, x, y);
    } else if (pen_.style != Pen::Style::Null) {
        const QLine line(currentX_, currentY_, x, y);
        strokeThroughPixelCentres([&] { paintLines(&line, 1); });
        touchedByPen(currentX_, currentY_, x, y);
    }
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
            collectExactSegments(points, count);
        if (drawsThinLinesItself()) {
            SmoothRaster raster(target_, toQColor(pen_.colour).rgb(), tiles_);
            for (const QLine& line : lines_)
                raster.line(line.x1(), line.y1(), line.x2(), line.y2());
        } else {
            strokeThroughPixelCentres([&] { paintLines(lines_.data(), static_cast<int>(lines_.size())); });
            for (const QLine& line : lines_)
                touchedByPen(line.x1(), line.y1(), line.x2(), line.y2());
        }
    }
    currentX_ = last.x;
    currentY_ = last.y;
}

void DeviceContext::collectExactSegments(const Point* points, std::size_t count)
{
    for (std::size_t k = 1; k < count; ++k)
        lines_.emplace_back(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y);
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
    if (brush_.hollow && outlineEllipseItself(left, top, right, bottom))
        return;
    if (stampDiscItself(left, top, right, bottom))
        return;
    strokeThroughPixelCentres([&] { paintEllipse(QRect(left, top, right - left - 1, bottom - top - 1)); });
    touchedByPen(left, top, right, bottom);
}

// A small disc in one colour (a trail's marker) is the same few pixels wherever it is:
// the painter draws its coverage once per size, and each disc blends the colour through it.
bool DeviceContext::stampDiscItself(int left, int top, int right, int bottom)
{
    constexpr int kLargestStamp = 16;
    const int w = right - left;
    const int h = bottom - top;
    if (!drawsThinLinesItself() || brush_.hollow || brush_.colour != pen_.colour || w > kLargestStamp
        || h > kLargestStamp)
        return false;
    blendCoverage(discCoverage(w, h), left, top, toQColor(pen_.colour).rgb());
    touched(left, top, right - 1, bottom - 1);
    return true;
}

// Blends `colour` over the target through 8-bit coverage whose top-left pixel lands on (left, top).
void DeviceContext::blendCoverage(const QImage& coverage, int left, int top, QRgb colour)
{
    // The coverage's columns and rows that land on the target.
    const int firstColumn = std::max(0, -left);
    const int endColumn = std::min(coverage.width(), target_.width() - left);
    const int firstRow = std::max(0, -top);
    const int endRow = std::min(coverage.height(), target_.height() - top);
    if (firstColumn >= endColumn)
        return;
    uchar* const bits = target_.bits();
    const qsizetype bytesPerLine = target_.bytesPerLine();
    for (int row = firstRow; row < endRow; ++row) {
        const uchar* alphas = coverage.constScanLine(row);
        auto* pixels = reinterpret_cast<QRgb*>(bits + (top + row) * bytesPerLine) + left;
        for (int column = firstColumn; column < endColumn; ++column) {
            const unsigned alpha = alphas[column];
            if (alpha != 0)
                pixels[column] = blendOver(pixels[column], colour, alpha + (alpha >> 7u));
        }
    }
}

// The painter's own antialiased disc of a box of this size, as 8-bit coverage; made once
// per size on the window thread.
const QImage& DeviceContext::discCoverage(int w, int h)
{
    thread_local std::map<std::pair<int, int>, QImage> made;
    auto found = made.find({ w, h });
    if (found != made.end())
        return found->second;
    QImage picture(w, h, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::black);
        painter.translate(0.5, 0.5);
        painter.drawEllipse(QRect(0, 0, w - 1, h - 1));
    }
    return made.emplace(std::make_pair(w, h), picture.convertToFormat(QImage::Format_Alpha8)).first->second;
}

// Pixel centres: the box's first and last pixels are the ellipse's extremes.
bool DeviceContext::outlineEllipseItself(int left, int top, int right, int bottom)
{
    const int width = right - left;
    const int height = bottom - top;
    constexpr int kSmallestBox = 3;
    if (pen_.style == Pen::Style::Null || !drawsThinLinesItself() || width < kSmallestBox || height < kSmallestBox)
        return false;
    SmoothRaster raster(target_, toQColor(pen_.colour).rgb(), tiles_);
    if (width <= OutlineStamp::kLargestKeptBox && height <= OutlineStamp::kLargestKeptBox) {
        raster.stamp(OutlineStamp::ofEllipse(width, height), left, top);
    } else {
        // A box far larger than any picture: only the part over the picture is worked out.
        const OutlineStamp part(width, height, -left, -top, target_.width() - left, target_.height() - top);
        raster.stamp(part, left, top);
    }
    return true;
}

void DeviceContext::rectangle(int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    const QRect box(left, top, right - left - 1, bottom - top - 1);
    if (pen_.style == Pen::Style::Null)
        paintRectangle(box);
    else
        strokeThroughPixelCentres([&] { paintRectangle(box); });
    touchedByPen(left, top, right, bottom);
}

void DeviceContext::arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    if (right - left < 1 || bottom - top < 1 || pen_.style == Pen::Style::Null)
        return;
    const QRect box(left, top, right - left - 1, bottom - top - 1);
    if (xStart == xEnd && yStart == yEnd) {
        if (outlineEllipseItself(left, top, right, bottom))
            return;
        touchedByPen(left, top, right, bottom);
        // An outline only; the selected brush comes back at once (cheaper than saving the painter).
        painter().setBrush(Qt::NoBrush);
        strokeThroughPixelCentres([&] { paintEllipse(box); });
        applyBrush();
        return;
    }
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double degrees = 180.0 / M_PI;
    double startAngle = std::atan2(cy - yStart, xStart - cx) * degrees;
    double endAngle = std::atan2(cy - yEnd, xEnd - cx) * degrees;
    touchedByPen(left, top, right, bottom);
    double span = endAngle - startAngle;
    if (span <= 0)
        span += 360.0;
    strokeThroughPixelCentres([&] {
        paintArc(box, static_cast<int>(std::lround(startAngle * 16)), static_cast<int>(std::lround(span * 16)));
    });
}

void DeviceContext::fillRect(int left, int top, int right, int bottom, ColourRef colour)
{
    if (right <= left || bottom <= top)
        return;
    if (!fillItself(left, top, right, bottom, colour))
        paintFill(QRect(left, top, right - left, bottom - top), colour);
    touched(left, top, right - 1, bottom - 1);
}

// Plain 32-bit pixels at their own size: the rows are filled straight (what the painter
// does for a whole-pixel rectangle of an opaque colour), without starting a painter.
bool DeviceContext::fillItself(int left, int top, int right, int bottom, ColourRef colour)
{
    if (!plainPixels())
        return false;
    const int x0 = std::max(left, 0);
    const int x1 = std::min(right, target_.width());
    const int y0 = std::max(top, 0);
    const int y1 = std::min(bottom, target_.height());
    const QRgb pixel = toQColor(colour).rgb();
    uchar* const bits = target_.bits();
    for (int y = y0; y < y1; ++y) {
        QRgb* const row = reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(y) * target_.bytesPerLine());
        std::fill(row + x0, row + x1, pixel);
    }
    return true;
}

void DeviceContext::setPixel(int x, int y, ColourRef colour)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        paintFill(QRect(x, y, 1, 1), colour);
        touched(x, y, x, y);
    }
}

ColourRef DeviceContext::pixel(int x, int y) const
{
    const QPoint device = devicePixel(x, y);
    return x >= 0 && y >= 0 && target_.valid(device) ? fromQColor(QColor(target_.pixel(device))) : 0xffffffffu;
}

void DeviceContext::textOut(int x, int y, const std::string& text)
{
    if (drawsTextItself()) {
        stampText(x, y, text);
        return;
    }
    const QString qtext = platform::displayText(text);
    const int advance = metrics().horizontalAdvance(qtext);
    if (opaqueText_)
        paintFill(QRect(x, y, advance, lineHeight()), textBackground_);
    // Glyphs may reach a little beyond their advance and line (italics, descenders).
    touched(x, y, x + advance, y + lineHeight(), metrics().height() / 2 + 2);
    painter().setPen(toQColor(textColour_));
    paintText(x, y, advance, qtext);
    applyPen();
}

// Smooth text on plain 32-bit pixels: the glyphs' coverage is laid out once per text.
bool DeviceContext::drawsTextItself() const { return rendering_ == Rendering::Smooth && plainPixels(); }

void DeviceContext::stampText(int x, int y, const std::string& text)
{
    // Text this far off lies on no picture (and its pixel arithmetic could overflow).
    constexpr int kFarOff = 1 << 28;
    if (x < -kFarOff || x > kFarOff || y < -kFarOff || y > kFarOff)
        return;
    const TextStamp& stamp = keptText(text);
    if (opaqueText_)
        fillRect(x, y, x + stamp.advance(), y + lineHeight(), textBackground_);
    const QImage& coverage = stamp.coverage();
    if (coverage.isNull())
        return;
    const int left = x + stamp.left();
    const int top = y + stamp.top();
    blendCoverage(coverage, left, top, toQColor(textColour_).rgb());
    touched(left, top, left + coverage.width() - 1, top + coverage.height() - 1);
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
        metrics_.emplace(font_);
    return *metrics_;
}

int DeviceContext::lineHeight() const { return metrics().height() + metrics().leading(); }

int DeviceContext::textWidth(const std::string& text) const
{
    if (drawsTextItself())
        return keptText(text).advance();
    return metrics().horizontalAdvance(platform::displayText(text));
}

const TextStamp& DeviceContext::keptText(const std::string& text) const
{
    if (!fontKey_)
        fontKey_ = font_.key().toStdString();
    return TextStamp::of(font_, *fontKey_, text);
}

// Copies repeat or drop whole pixels, never blend them: a sprite's mask must AND and OR
// exactly, also when a scaled screen draws it larger.
void DeviceContext::setRasterOp(RasterOp op)
{
    if (rendering_ == Rendering::Smooth)
        painter().setRenderHint(QPainter::Antialiasing, false);
    setCompositionFor(op);
}

void DeviceContext::restoreAfterCopy()
{
    painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (rendering_ == Rendering::Smooth)
        painter().setRenderHint(QPainter::Antialiasing, true);
}

void DeviceContext::setCompositionFor(RasterOp op)
{
    switch (op) {
    case RasterOp::SourceCopy:
        painter().setCompositionMode(QPainter::CompositionMode_Source);
        break;
    case RasterOp::SourceAnd:
        painter().setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case RasterOp::SourcePaint:
        painter().setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    }
}

void DeviceContext::bitBlt(int x, int y, int w, int h, const QImage& source, int sx, int sy, RasterOp op)
{
    if (w <= 0 || h <= 0)
        return;
    if (copyPixelsItself(x, y, w, h, source, sx, sy, op))
        return;
    if (figures_)
        return copyAsPicture(QRect(x, y, w, h), source, QRect(sx, sy, w, h), op);
    setRasterOp(op);
    painter().drawImage(QPoint(x, y), source, QRect(sx, sy, w, h));
    restoreAfterCopy();
    touched(x, y, x + w - 1, y + h - 1);
}

// Opaque 32-bit pixels at their own size: the raster operations are plain word operations
// on rows, which is what the painter would do, without its per-call cost (a trail's
// hundreds of markers are small copies). The source rectangle is clipped to the source
// and the destination moves with it, then both are clipped to the target.
bool DeviceContext::copyPixelsItself(int x, int y, int w, int h, const QImage& source, int sx, int sy, RasterOp op)
{
    if (!plainPixels() || source.format() != QImage::Format_RGB32 || source.devicePixelRatio() != 1.0)
        return false;
    std::int64_t left = x;
    std::int64_t top = y;
    std::int64_t fromX = sx;
    std::int64_t fromY = sy;
    std::int64_t right = left + w;
    std::int64_t bottom = top + h;
    const auto cut = [](std::int64_t& low, std::int64_t& from, std::int64_t limitLow) {
        if (from < limitLow) {
            low += limitLow - from;
            from = limitLow;
        }
    };
    cut(left, fromX, 0);
    cut(top, fromY, 0);
    right = std::min(right, left + (source.width() - fromX));
    bottom = std::min(bottom, top + (source.height() - fromY));
    cut(fromX, left, 0);
    cut(fromY, top, 0);
    right = std::min<std::int64_t>(right, target_.width());
    bottom = std::min<std::int64_t>(bottom, target_.height());
    if (left >= right || top >= bottom)
        return true;
    for (std::int64_t row = 0; row < bottom - top; ++row)
        combineRow(reinterpret_cast<QRgb*>(target_.scanLine(static_cast<int>(top + row))) + left,
            reinterpret_cast<const QRgb*>(source.constScanLine(static_cast<int>(fromY + row))) + fromX,
            static_cast<std::size_t>(right - left), op);
    touched(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - 1), static_cast<int>(bottom - 1));
    return true;
}

void DeviceContext::combineRow(QRgb* to, const QRgb* from, std::size_t count, RasterOp op)
{
    switch (op) {
    case RasterOp::SourceCopy:
        std::memcpy(to, from, count * sizeof(QRgb));
        break;
    case RasterOp::SourceAnd:
        for (std::size_t k = 0; k < count; ++k)
            to[k] &= from[k];
        break;
    case RasterOp::SourcePaint:
        for (std::size_t k = 0; k < count; ++k)
            to[k] |= from[k];
        break;
    }
}

void DeviceContext::stretchBlt(
    int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw, int sh, RasterOp op)
{
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return;
    if (w == sw && h == sh) {
        bitBlt(x, y, w, h, source, sx, sy, op);
        return;
    }
    if (figures_)
        return copyAsPicture(QRect(x, y, w, h), source, QRect(sx, sy, sw, sh), op);
    setRasterOp(op);
    painter().drawImage(QRect(x, y, w, h), source, QRect(sx, sy, sw, sh));
    restoreAfterCopy();
    touched(x, y, x + w - 1, y + h - 1);
}

} // namespace raster
