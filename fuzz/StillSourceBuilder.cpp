#include "StillSourceBuilder.h"

namespace fuzz {

std::unique_ptr<ImageSource> StillSourceBuilder::makeSource(const std::string& typeName)
{
    if (typeName == "BitmapDisplayWindow")
        return ImageSourceBuilder::makeSource(typeName);
    return std::make_unique<ImageSource>();
}

} // namespace fuzz
