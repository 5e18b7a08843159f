#pragma once
// How far two colours stand apart to the eye: the relative luminance of an sRGB colour and
// the contrast ratio of two, as the accessibility guidelines measure them (1 for the same
// colour, 21 for black on white; text and marks want at least 3).
#include "platform/Colour.h"

namespace platform {

// 0 for black, 1 for white.
double relativeLuminance(ColourRef colour);

// (lighter + 0.05) / (darker + 0.05), whatever the order of the two.
double contrastRatio(ColourRef one, ColourRef other);

} // namespace platform
