#pragma once
// Which release's behaviour the engine follows. The program runs as the current
// release; the embeddable control carries the earlier release's texts and defaults.

namespace platform {

enum class Release { Current, Earlier };

Release release();
void setRelease(Release release);
inline bool isEarlierRelease() { return release() == Release::Earlier; }

} // namespace platform
