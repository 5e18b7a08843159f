#pragma once
// The colours of observations wherever a system is matched against them: in the plane when
// the shared pictures are not loaded, and on the sky strip. Each stands at least 3:1 from the
// white ground they are drawn on: the past black, the future a deep sky blue (the light cyan
// it darkens stood 2.2:1), the current observation a dark orange. On the sky strip past
// observations are rings, so that a model's trail running through them stays visible without
// telling red from green.
#include "platform/Colour.h"

namespace observation_colours {

constexpr ColourRef kPast = makeColour(0, 0, 0);
constexpr ColourRef kFuture = makeColour(0, 120, 180);
constexpr ColourRef kCurrent = makeColour(215, 100, 0);

} // namespace observation_colours
