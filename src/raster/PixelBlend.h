#pragma once
// One opaque colour laid over an opaque 32-bit pixel with a weight from 0 (the pixel
// stays) to 256 (the colour replaces it).
#include <QRgb>

namespace raster {

inline QRgb blendOver(QRgb under, QRgb colour, unsigned weight)
{
    const unsigned keep = 256 - weight;
    const unsigned redBlue = (((colour & 0xff00ffu) * weight + (under & 0xff00ffu) * keep) >> 8) & 0xff00ffu;
    const unsigned green = (((colour & 0x00ff00u) * weight + (under & 0x00ff00u) * keep) >> 8) & 0x00ff00u;
    return 0xff000000u | redBlue | green;
}

} // namespace raster
