#include "platform/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

    // A component of 0 to 255 as linear light.
    double linear(int component)
    {
        const double value = component / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    }

} // namespace

double relativeLuminance(ColourRef colour)
{
    return 0.2126 * linear(redOf(colour)) + 0.7152 * linear(greenOf(colour)) + 0.0722 * linear(blueOf(colour));
}

double contrastRatio(ColourRef one, ColourRef other)
{
    const double first = relativeLuminance(one);
    const double second = relativeLuminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace platform
