// A drawing context that hands its figures to a painter of Qt's SVG generator, which cannot
// clip: what stays a figure, what is cut at the area's edge, and the pictures that a
// masked sprite's two raster operations become.
#include "raster/DeviceContext.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

using raster::Brush;
using raster::DeviceContext;
using raster::Pen;
using raster::RasterOp;

namespace {

constexpr int kSide = 100;
constexpr ColourRef kRed = makeColour(255, 0, 0);
constexpr ColourRef kBlack = makeColour(0, 0, 0);

struct Element {
    QString name;
    QXmlStreamAttributes attributes;
};

// A drawing of kSide x kSide whose figures `draw` makes through a context on its painter,
// with the painter moved by `offset` (a window's place in a drawing of the whole layout).
template <typename Draw> QByteArray drawing(Draw draw, const QPoint& offset = {})
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(kSide + offset.x(), kSide + offset.y()));
    generator.setViewBox(QRect(0, 0, kSide + offset.x(), kSide + offset.y()));
    QPainter painter(&generator);
    painter.translate(offset);
    {
        DeviceContext context(painter, kSide, kSide);
        draw(context);
    }
    painter.end();
    return bytes;
}

// The figures of a drawing (the elements inside its groups), in order.
std::vector<Element> figuresOf(const QByteArray& svg)
{
    std::vector<Element> figures;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        static const QStringList kFrame = { "svg", "title", "desc", "defs", "g" };
        if (!kFrame.contains(reader.name().toString()))
            figures.push_back({ reader.name().toString(), reader.attributes() });
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return figures;
}

std::vector<QString> namesOf(const std::vector<Element>& figures)
{
    std::vector<QString> names;
    for (const Element& figure : figures)
        names.push_back(figure.name);
    return names;
}

// The points of a polyline ("1,2 3,4 ").
std::vector<QPointF> pointsOf(const Element& polyline)
{
    std::vector<QPointF> points;
    for (const QString& pair : polyline.attributes.value("points").toString().split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(',');
        points.emplace_back(xy[0].toDouble(), xy[1].toDouble());
    }
    return points;
}

QImage rendered(const QByteArray& svg, const QColor& ground)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(ground);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

TEST(FiguresContext, FiguresInsideStayFiguresAndOnesAcrossTheEdgeAreCutAtIt)
{
    const QByteArray svg = drawing([](DeviceContext& context) {
        context.selectPen(Pen { kRed, 1 });
        context.moveTo(10, 10);
        context.lineTo(50, 50); // inside
        context.lineTo(250, 50); // across the right edge
        context.moveTo(150, 150);
        context.lineTo(300, 300); // outside
        context.selectBrush(Brush { kBlack, false });
        context.ellipse(20, 20, 40, 40); // inside
        context.ellipse(80, 80, 140, 140); // across the corner
        context.ellipse(200, 0, 220, 20); // outside
        context.setTextBackground(false);
        context.textOut(5, 60, "Mars");
    });

    const std::vector<Element> figures = figuresOf(svg);
    EXPECT_EQ(namesOf(figures), (std::vector<QString> { "polyline", "polyline", "circle", "path", "path", "text" }))
        << svg.toStdString();
    ASSERT_EQ(figures.size(), 6u);
    const std::vector<QPointF> cut = pointsOf(figures[1]);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0], QPointF(50, 50));
    EXPECT_EQ(cut[1], QPointF(kSide - 0.5, 50)) << "cut at the edge, half a pixel in for lines through pixel centres";
    EXPECT_EQ(figures[5].attributes.value("x").toString(), "5");

    const std::vector<Element> moved = figuresOf(drawing(
        [](DeviceContext& context) {
            context.fillRect(90, 90, 200, 200, kRed);
            context.fillRect(0, 0, 5, 5, kRed);
        },
        QPoint(30, 0)));
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0].attributes.value("width").toString(), "10") << "cut to the area, which moved with the painter";
}

TEST(FiguresContext, AMaskedSpriteLeavesItsOpaquePixelsOverWhatLiesBelow)
{
    // A 4 x 4 sprite: opaque and red in its left half, transparent in its right half.
    QImage image(4, 4, QImage::Format_RGB32);
    QImage mask(4, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    mask.fill(Qt::white);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x) {
            image.setPixel(x, y, qRgb(255, 0, 0));
            mask.setPixel(x, y, qRgb(0, 0, 0));
        }
    const auto sprite = [&](DeviceContext& context) {
        context.stretchBlt(10, 10, 40, 40, mask, 0, 0, 4, 4, RasterOp::SourceAnd);
        context.stretchBlt(10, 10, 40, 40, image, 0, 0, 4, 4, RasterOp::SourcePaint);
    };

    const QImage shown = rendered(drawing(sprite), Qt::gray);

    EXPECT_EQ(shown.pixel(20, 30), qRgb(255, 0, 0)) << "the opaque half";
    EXPECT_EQ(shown.pixel(40, 30), QColor(Qt::gray).rgb()) << "the transparent half shows the ground";
    EXPECT_EQ(namesOf(figuresOf(drawing(sprite))), (std::vector<QString> { "image", "image" }));
}
