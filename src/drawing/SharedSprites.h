#pragma once
// The sprites and bitmaps loaded once at start-up from the resource library and
// drawn by the Ptolemaic, observatory and trail drawing. A picture that failed to
// load is simply not valid; its users draw their plain fallback instead.
// Loaded on the window thread before any window exists; read-only afterwards.
// See docs/threads.md.
#include "drawing/Sprite.h"

struct SharedSprites {
    Sprite eq, ecc, obs, earth; // Ptolemy sprites
    Sprite star, sun, planet, comet; // sky sprites
    Bitmap matchBefore; // future observations
    Sprite matchNow; // the current observation
    Bitmap matchAfter; // past observations
};

SharedSprites& sharedSprites();
// Loads every shared picture silently, in start-up order; a missing one does not stop the others.
void loadSharedSprites(const platform::ResourceLibrary* module);
