#pragma once
// Rectangles given as fractions of an area (0 is the left or top edge, 1 the
// right or bottom edge), and their placement in pixels.
#include <cstdint>

struct FractionalRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    // 0 <= left <= right <= 1 and 0 <= top <= bottom <= 1.
    bool isValid() const;
};

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// `rect` (fractions of `area`) as fractions of the whole: area and rect must both be valid.
FractionalRect placeInside(const FractionalRect& area, const FractionalRect& rect);

// The pixels of `rect` inside `client`, each edge truncated toward zero.
PixelRect fractionToPixels(const FractionalRect& rect, const PixelRect& client);
