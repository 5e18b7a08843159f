#include "HostScreenshot.h"

#include <QString>

HostScreenshot::HostScreenshot(const std::string& path, QColor hostColour)
    : image_(QString::fromStdString(path))
{
    if (image_.isNull())
        return;
    image_ = image_.convertToFormat(QImage::Format_RGB32);
    int row = image_.height() - 1;
    while (row >= 0 && image_.pixelColor(0, row) == hostColour)
        --row;
    if (row < image_.height() - 1)
        hostTop_ = row + 1;
}

QRect HostScreenshot::hostPixels(double left, double top, double right, double bottom) const
{
    const double areaLeft = 0, areaTop = 0, areaRight = 1, areaBottom = 1;
    left = areaLeft + left * (areaRight - areaLeft);
    top = areaTop + top * (areaBottom - areaTop);
    right = areaRight - (areaRight - areaLeft) * (1 - right);
    bottom = areaBottom - (areaBottom - areaTop) * (1 - bottom);
    const int width = hostWidth();
    const int height = hostHeight();
    const int pixelLeft = static_cast<int>(width * left);
    const int pixelTop = static_cast<int>(height * top);
    const int pixelRight = static_cast<int>(width * right);
    const int pixelBottom = static_cast<int>(height * bottom);
    return QRect(QPoint(pixelLeft, pixelTop), QPoint(pixelRight - 1, pixelBottom - 1));
}

std::optional<QPoint> HostScreenshot::firstPixelOtherThan(const QRect& rect, QColor colour) const
{
    const QRgb wanted = colour.rgb();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image_.pixel(x, hostTop_ + y) != wanted)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

std::string HostScreenshot::describe(const std::optional<QPoint>& pixel) const
{
    if (!pixel)
        return "none";
    return std::to_string(pixel->x()) + "," + std::to_string(pixel->y()) + " "
        + hostPixel(pixel->x(), pixel->y()).name().toStdString();
}
