#pragma once
// A transparent picture: an image (black where transparent) and a mask (white
// where transparent, black where opaque), drawn with AND of the mask, then OR of the image.
#include "drawing/Bitmap.h"

class Sprite {
public:
    Sprite() = default;
    virtual ~Sprite() = default;

    HRESULT loadImage(const platform::ResourceLibrary* module, const char* name, std::int32_t reportErrors);
    HRESULT loadMask(const platform::ResourceLibrary* module, const char* name, std::int32_t reportErrors);
    // Both bitmaps valid: S_OK; otherwise the first failure.
    HRESULT isValid() const;

    virtual HRESULT drawMasked(
        raster::DeviceContext& context, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) const;
    virtual HRESULT drawAt(raster::DeviceContext& context, std::int32_t x, std::int32_t y) const;
    virtual HRESULT drawCentred(raster::DeviceContext& context, std::int32_t x, std::int32_t y, std::int32_t maxWidth,
        std::int32_t maxHeight) const;

    const Bitmap& image() const { return image_; }
    const Bitmap& mask() const { return mask_; }

private:
    Bitmap image_;
    Bitmap mask_;
};
