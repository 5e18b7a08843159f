#pragma once
// The Qt application the drawing fuzzers need (fonts, image plugins), on the offscreen
// platform so that no display is needed.

namespace fuzz {

// Makes the application once for the rest of the process; later calls do nothing.
void startOffscreenApplication();

} // namespace fuzz
