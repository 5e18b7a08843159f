#include "windows/HostWindow.h"

#include "raster/DeviceContext.h"

#include <QPalette>
#include <QWidget>

PixelRect hostClientRect(const QWidget* host)
{
    if (!host)
        return PixelRect {};
    return PixelRect { 0, 0, host->width(), host->height() };
}

bool setHostBackgroundColour(QWidget* host, ColourRef colour)
{
    if (!host)
        return false;
    QPalette palette = host->palette();
    palette.setColor(QPalette::Window, raster::toQColor(colour));
    // Child control windows inherit the Window role and fill themselves with it.
    host->setPalette(palette);
    host->setAutoFillBackground(true);
    host->update();
    return true;
}
