#pragma once
// Test support: the colour of a pixel and how many pixels of a picture have a colour.
#include "platform/Colour.h"
#include "raster/DeviceContext.h"

#include <QImage>
#include <QRect>

namespace testing_support {

inline ColourRef colourAt(const QImage& image, int x, int y) { return raster::fromQColor(QColor(image.pixel(x, y))); }

// The pixels of `colour` within `area`.
inline int countColour(const QImage& image, ColourRef colour, const QRect& area)
{
    const QRect counted = area.intersected(image.rect());
    int count = 0;
    for (int y = counted.top(); y <= counted.bottom(); ++y)
        for (int x = counted.left(); x <= counted.right(); ++x)
            count += colourAt(image, x, y) == colour ? 1 : 0;
    return count;
}

inline int countColour(const QImage& image, ColourRef colour) { return countColour(image, colour, image.rect()); }

// The pixels within `area` that are not white.
inline int countNotWhite(const QImage& image, const QRect& area)
{
    const QRect counted = area.intersected(image.rect());
    return counted.width() * counted.height() - countColour(image, makeColour(255, 255, 255), counted);
}

inline int countNotWhite(const QImage& image) { return countNotWhite(image, image.rect()); }

} // namespace testing_support
