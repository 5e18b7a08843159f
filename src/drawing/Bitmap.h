#pragma once
// A loaded picture with its size, drawn placed, stretched, tiled or centred.
// Valid when it holds an image with non-zero width and height.
#include "drawing/PictureReader.h"
#include "platform/Result.h"
#include "raster/DeviceContext.h"

#include <QImage>

#include <cstdint>

namespace platform {
class ResourceLibrary;
}

class Bitmap {
public:
    Bitmap() = default;
    virtual ~Bitmap() = default;

    HRESULT unload();
    // From the resource library by name (looked up in capitals). Each picture is decoded once
    // per process and its pixels shared by every bitmap loaded from it. Messages only when
    // reportErrors is 1.
    HRESULT loadFromResource(const platform::ResourceLibrary* module, const char* name, std::int32_t reportErrors);
    // From a .bmp (or any image Qt reads) file, refused past the picture reader's limits:
    // kMaxPictureSide a side and `maxPixels` in all (see PictureReader.h; the program keeps
    // the default).
    HRESULT loadFromFile(
        const char* path, std::int32_t reportErrors, std::int64_t maxPixels = drawing::kMaxPicturePixels);
    // From a picture already in memory (converted to Format_RGB32). A null image unloads
    // and gives E_INVALIDARG.
    HRESULT loadFromImage(const QImage& image);
    HRESULT getSize(std::int32_t* width, std::int32_t* height) const;
    // S_OK when valid, else E_FAIL.
    HRESULT isValid() const;

    virtual HRESULT blitPart(raster::DeviceContext& context, std::int32_t x, std::int32_t y, std::int32_t w,
        std::int32_t h, std::int32_t sourceX, std::int32_t sourceY, raster::RasterOp op) const;
    // Places the bitmap in the area (areaX, areaY, areaWidth, areaHeight) by the XAlign / YAlign codes.
    virtual HRESULT drawAligned(raster::DeviceContext& context, std::int32_t areaWidth, std::int32_t areaHeight,
        std::int32_t areaX, std::int32_t areaY, std::int32_t xAlign, std::int32_t yAlign) const;
    // The whole bitmap centred on (x, y).
    virtual HRESULT drawAt(raster::DeviceContext& context, std::int32_t x, std::int32_t y) const;
    // The top-left part of at most maxWidth x maxHeight centred on (x, y).
    virtual HRESULT drawCentred(raster::DeviceContext& context, std::int32_t x, std::int32_t y, std::int32_t maxWidth,
        std::int32_t maxHeight) const;

    const QImage& image() const { return image_; }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }

private:
    QImage image_; // Format_RGB32
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
