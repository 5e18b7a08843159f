#pragma once
// Colours as 32-bit values: red in bits 0-7, green in 8-15, blue in 16-23.
#include <cstdint>

using ColourRef = std::uint32_t;

constexpr ColourRef makeColour(int red, int green, int blue)
{
    return static_cast<ColourRef>(red & 0xff) | (static_cast<ColourRef>(green & 0xff) << 8)
        | (static_cast<ColourRef>(blue & 0xff) << 16);
}
constexpr int redOf(ColourRef colour) { return static_cast<int>(colour & 0xff); }
constexpr int greenOf(ColourRef colour) { return static_cast<int>((colour >> 8) & 0xff); }
constexpr int blueOf(ColourRef colour) { return static_cast<int>((colour >> 16) & 0xff); }
