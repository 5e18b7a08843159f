// The screen's time controls on a Ptolemy universe: the span of its observations, a
// seek to another moment, and its Pause buttons kept true when the screen holds it.
#include "imagesource/SourceViews.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseLocks.h"

#include <cmath>

std::optional<ClockDrivenSource::TimeSpan> PtolemyUniverse::observedTimeSpan()
{
    UniverseLock guard(this);
    TimeSpan span;
    if (!SkyTimeSpan(0, span.first, span.last))
        return std::nullopt;
    return span;
}

bool PtolemyUniverse::seekTo(double time)
{
    if (!std::isfinite(time) || time < 0)
        return false;
    UniverseAndClockLock guard(this);
    const double step = frameStep();
    clock().setTime(time);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        bodies_.Get(i)->RefillRunningTrail(time, step);
    // A new generation: every window draws the new moment, paused or not.
    clock().setTickCount(clock().tickCount() + 1);
    return true;
}

void PtolemyUniverse::pauseChangedByScreen(bool paused)
{
    if (SourceViews* const views = SourceViews::installed())
        views->setButtonTextOfSource(this, kPauseButton, paused ? "Resume" : "Pause");
}
