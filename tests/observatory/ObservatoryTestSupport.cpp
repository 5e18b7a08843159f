#include "ObservatoryTestSupport.h"

#include "raster/DeviceContext.h"
#include "support/PixelCounts.h"

#include <gtest/gtest.h>

namespace {

constexpr ColourRef kWhite = makeColour(255, 255, 255);
constexpr ColourRef kBlack = makeColour(0, 0, 0);
constexpr ColourRef kGrey = makeColour(90, 90, 90);

ColourRef colourAt(const QImage& image, int x, int y) { return raster::fromQColor(QColor(image.pixel(x, y))); }

} // namespace

void selectAndHold(Observatory& observatory, ObservatoryKind kind, double t)
{
    observatory.SelectKind(kind);
    HeldClock(observatory).holdAt(t);
}

QImage drawnImage(Observatory& observatory, int width, int height, std::int32_t drawRequest)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(raster::toQColor(kGrey));
    raster::DeviceContext context(image);
    EXPECT_EQ(observatory.Draw(context, width, height, drawRequest), S_OK);
    return image;
}

QImage listImage(const std::vector<std::string>& lines, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(raster::toQColor(kWhite));
    raster::DeviceContext context(image);
    const int lineHeight = context.lineHeight();
    for (std::size_t i = 0; i < lines.size(); ++i)
        context.textOut(0, static_cast<int>(i) * lineHeight, lines[i]);
    return image;
}

int countNotWhite(const QImage& image) { return testing_support::countNotWhite(image); }

bool blackNear(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(x + dx, y + dy) && colourAt(image, x + dx, y + dy) == kBlack)
                return true;
    return false;
}
