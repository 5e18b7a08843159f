#include "ptolemy/LongitudeResiduals.h"

#include "ptolemy/SkyStrip.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFullCircle = 360.0;
constexpr double kHalfCircle = 180.0;

bool earlier(const LongitudeResiduals::ObservedLongitude& a, const LongitudeResiduals::ObservedLongitude& b)
{
    return a.t < b.t;
}

} // namespace

LongitudeResiduals::LongitudeResiduals(const ObservationTrail& trail)
{
    trail.Lock();
    observations_.reserve(static_cast<std::size_t>(trail.count()));
    for (std::int32_t i = 0; i < trail.count(); ++i) {
        const Observation& record = trail.heldLogical(i);
        if (!std::isnan(record.t))
            observations_.push_back({ record.t, SkyStrip::longitudeDegrees(record.x, record.y) });
    }
    trail.Unlock();
    std::stable_sort(observations_.begin(), observations_.end(), earlier);
}

double LongitudeResiduals::difference(double aDegrees, double bDegrees)
{
    const double reduced = std::fmod(aDegrees - bDegrees, kFullCircle);
    if (reduced > kHalfCircle)
        return reduced - kFullCircle;
    return reduced <= -kHalfCircle ? reduced + kFullCircle : reduced;
}

double LongitudeResiduals::modelLongitude(const PtolemyOrbit& chain, double t)
{
    const ModelPoint planet = chain.Position(t);
    return SkyStrip::longitudeDegrees(planet.x, planet.y);
}

std::vector<double> LongitudeResiduals::residuals(const PtolemyOrbit& chain) const
{
    std::vector<double> differences;
    differences.reserve(observations_.size());
    for (const ObservedLongitude& observed : observations_)
        differences.push_back(difference(modelLongitude(chain, observed.t), observed.degrees));
    return differences;
}

std::optional<double> LongitudeResiduals::errorAt(const PtolemyOrbit& chain, double t) const
{
    if (observations_.empty() || !(t >= observations_.front().t && t <= observations_.back().t))
        return std::nullopt;
    // The first observation after t (the last one when t is the last time).
    const auto after
        = std::upper_bound(observations_.begin(), observations_.end(), ObservedLongitude { t, 0 }, earlier);
    const ObservedLongitude& next = after == observations_.end() ? observations_.back() : *after;
    const ObservedLongitude& previous = after == observations_.end() ? next : *(after - 1);
    const double span = next.t - previous.t;
    const double fraction = span > 0 ? (t - previous.t) / span : 0.0;
    const double observed = previous.degrees + fraction * difference(next.degrees, previous.degrees);
    return difference(modelLongitude(chain, t), observed);
}

LongitudeResiduals::Summary LongitudeResiduals::summaryUntil(const std::vector<double>& residuals, double t) const
{
    Summary summary;
    double sumOfSquares = 0;
    for (std::size_t k = 0; k < observations_.size() && k < residuals.size(); ++k) {
        if (!(observations_[k].t <= t))
            break;
        sumOfSquares += residuals[k] * residuals[k];
        ++summary.count;
    }
    if (summary.count > 0)
        summary.rmsDegrees = std::sqrt(sumOfSquares / summary.count);
    return summary;
}
