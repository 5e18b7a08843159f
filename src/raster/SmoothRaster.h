#pragma once
// One-pixel antialiased lines and ellipse outlines (see OutlineStamp) drawn straight into a 32-bit image,
// in one solid colour blended over what is there.
//
// Coordinates name pixel centres: (x, y) is the middle of pixel (x, y), so a line
// between whole points runs through pixel centres and a horizontal or vertical one
// covers one row or column fully. Each column (or row, for steep lines) of a line
// shares the colour between the two pixels nearest the line, by distance. Everything
// is clipped to the image first, so that far-off coordinates cost nothing.
//
// This is what windows draw their thin lines with: far cheaper per segment than a
// general path stroker, which is what long trails and many circles need.
#include "raster/DirtyTiles.h"

#include <QImage>

namespace raster {

class OutlineStamp;

class SmoothRaster {
public:
    // `image` must be Format_RGB32 or Format_ARGB32(_Premultiplied) and stay alive;
    // `tiles`, when given, gets every pixel drawn marked.
    SmoothRaster(QImage& image, QRgb colour, DirtyTiles* tiles);

    void line(double x0, double y0, double x1, double y1);
    // An outline with the corner of its box at pixel (left, top).
    void stamp(const OutlineStamp& outline, int left, int top);

private:
    // Shares pixel column x between the rows around y; `checked`: pixels may lie outside.
    template <bool checked> void plotAcrossRows(int x, double y);
    // Shares pixel row y between the columns around x.
    template <bool checked> void plotAcrossColumns(double x, int y);
    template <bool checked> void blend(int x, int y, unsigned alpha);
    void stampInside(const OutlineStamp& outline, int left, int top);
    bool clip(double& x0, double& y0, double& x1, double& y1) const;
    template <bool checked> void shallowLine(double x0, double y0, double x1, double y1);
    template <bool checked> void steepLine(double x0, double y0, double x1, double y1);
    // Marks the tiles of a clipped line's box, one pixel around.
    void markLine(double x0, double y0, double x1, double y1);

    uchar* bits_;
    qsizetype bytesPerLine_;
    int width_;
    int height_;
    QRgb colour_;
    DirtyTiles* tiles_;
};

} // namespace raster
