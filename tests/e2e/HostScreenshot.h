#pragma once
// A screenshot of the main window, read back from its PNG file, with the host area (the
// part below the menu bar that the layout fills) found from the outside: the host's
// background colour must reach the left edge at the bottom of the window.
#include <QColor>
#include <QImage>
#include <QRect>

#include <optional>
#include <string>

class HostScreenshot {
public:
    // Loads the PNG at `path` and finds the host as the run of rows, ending at the bottom,
    // whose first pixel has the colour `hostColour`. isValid() is false when either fails.
    HostScreenshot(const std::string& path, QColor hostColour);

    bool isValid() const { return !image_.isNull() && hostTop_ >= 0; }
    int hostWidth() const { return image_.width(); }
    int hostHeight() const { return image_.height() - hostTop_; }

    // The pixel rectangle of a window whose layout rectangle is the given fractions: placed
    // in the display manager's area, the whole host (0, 0, 1, 1), then mapped to pixels by
    // truncation toward zero. The placement computes right and bottom as 1 - (1 - fraction),
    // which can fall one bit short of the fraction and so one pixel short.
    QRect hostPixels(double left, double top, double right, double bottom) const;
    // Whether every pixel of `rect` (host coordinates) has `colour`.
    bool isFilledWith(const QRect& rect, QColor colour) const { return !firstPixelOtherThan(rect, colour); }
    // The first pixel of `rect` (host coordinates, row by row) whose colour is not `colour`.
    std::optional<QPoint> firstPixelOtherThan(const QRect& rect, QColor colour) const;
    // "x,y #rrggbb" of a host pixel, for failure messages.
    std::string describe(const std::optional<QPoint>& pixel) const;
    // Whether any pixel of `rect` (host coordinates) differs from `colour`.
    bool containsOtherThan(const QRect& rect, QColor colour) const { return !isFilledWith(rect, colour); }
    QColor hostPixel(int x, int y) const { return image_.pixelColor(x, hostTop_ + y); }

private:
    QImage image_;
    int hostTop_ = -1;
};
