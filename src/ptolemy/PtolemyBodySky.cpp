// One system of cycles on the sky strip: what an observer at the centre sees of it.
#include "ptolemy/PtolemyBody.h"

#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/SkyStrip.h"
#include "ptolemy/UniverseLocks.h"

#include <algorithm>

namespace {

constexpr ColourRef kPastObservation = makeColour(0, 0, 0);
constexpr ColourRef kFutureObservation = makeColour(0, 185, 255);
// Names are written this many pixels from the planet.
constexpr int kLabelOffset = 6;

} // namespace

bool PtolemyBody::MatchedTimeSpan(double& first, double& last)
{
    UniverseLock lock(owner_);
    if (!matchTrail_ || matchTrail_->count() == 0)
        return false;
    first = last = matchTrail_->logical(0).t;
    for (std::int32_t i = 1; i < matchTrail_->count(); ++i) {
        const double t = matchTrail_->logical(i).t;
        first = std::min(first, t);
        last = std::max(last, t);
    }
    return true;
}

double PtolemyBody::OldestTrailTime(double t)
{
    UniverseLock lock(owner_);
    return runningTrail_.count() > 0 ? runningTrail_.logical(0).t : t;
}

HRESULT PtolemyBody::DrawOnSky(platform::DeviceContext& device, const SkyStrip& strip, std::int32_t flags, double t)
{
    using namespace ptolemy_flags;
    if (!owner_)
        return E_FAIL;
    UniverseLock lock(owner_);
    const std::optional<std::int32_t> shown = FlagsToDraw(device, flags);
    if (!shown)
        return S_OK;
    const std::int32_t f = *shown;
    if ((f & kMatch) && matchTrail_)
        strip.drawObservations(device, *matchTrail_, t, kPastObservation, kFutureObservation);
    device.selectPen(tracePen_);
    strip.drawTrail(device, runningTrail_);
    if (!head_ || !strip.showsTime(t))
        return S_OK;
    const ModelPoint planet = head_->Position(t);
    const int x = strip.x(SkyStrip::longitudeDegrees(planet.x, planet.y));
    const int y = strip.y(t);
    if ((f & kPlanet) && SUCCEEDED(planetSprite_.isValid()))
        planetSprite_.drawAt(device, x, y);
    if (flags & kLabels) {
        UseLabelText(device, traceColour_);
        device.textOut(x + kLabelOffset, y - device.lineHeight() - kLabelOffset, name_);
    }
    return S_OK;
}
