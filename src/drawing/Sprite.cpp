#include "drawing/Sprite.h"

#include <algorithm>

HRESULT Sprite::loadImage(const platform::ResourceLibrary* module, const char* name, std::int32_t reportErrors)
{
    return image_.loadFromResource(module, name, reportErrors);
}

HRESULT Sprite::loadMask(const platform::ResourceLibrary* module, const char* name, std::int32_t reportErrors)
{
    return mask_.loadFromResource(module, name, reportErrors);
}

HRESULT Sprite::isValid() const
{
    const HRESULT imageValid = image_.isValid();
    if (FAILED(imageValid))
        return imageValid;
    return mask_.isValid();
}

HRESULT Sprite::drawMasked(
    raster::DeviceContext& context, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) const
{
    const HRESULT valid = isValid();
    if (FAILED(valid))
        return valid;
    // The mask clears the opaque pixels to black and keeps the rest; the image, black
    // where transparent, then paints the opaque pixels in.
    const HRESULT masked = mask_.blitPart(context, x, y, w, h, 0, 0, raster::RasterOp::SourceAnd);
    if (FAILED(masked))
        return masked;
    return image_.blitPart(context, x, y, w, h, 0, 0, raster::RasterOp::SourcePaint);
}

HRESULT Sprite::drawAt(raster::DeviceContext& context, std::int32_t x, std::int32_t y) const
{
    const HRESULT valid = isValid();
    if (FAILED(valid))
        return valid;
    return drawCentred(context, x, y, image_.width(), image_.height());
}

HRESULT Sprite::drawCentred(
    raster::DeviceContext& context, std::int32_t x, std::int32_t y, std::int32_t maxWidth, std::int32_t maxHeight) const
{
    const HRESULT valid = isValid();
    if (FAILED(valid))
        return valid;
    if (maxWidth <= 0 || maxHeight <= 0)
        return E_INVALIDARG;
    const std::int32_t w = std::min(maxWidth, image_.width());
    const std::int32_t h = std::min(maxHeight, image_.height());
    return drawMasked(context, x - w / 2, y - h / 2, w, h);
}
