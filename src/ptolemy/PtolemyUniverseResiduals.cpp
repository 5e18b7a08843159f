// The error readout and the residual plot: how far each matched system's longitude lies
// from its observations, at the time shown and over the whole span of the observations.
#include "ptolemy/PtolemyUniverse.h"

#include "platform/HashCombine.h"
#include "ptolemy/LongitudeResiduals.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/UniverseLocks.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

bool showsResiduals(std::int32_t drawRequest) { return (drawRequest & ptolemy_flags::kResiduals) != 0; }

// A system takes part when it shows, turns (has a chain) and is matched to a trail. Read
// under the universe lock, which keeps its chain and its trail.
bool takesPart(const PtolemyBody& body) { return body.IsVisible() && body.Chain() && body.matchTrail(); }

bool matchShownIn(const PtolemyBody& body, std::optional<std::int32_t> drawRequest)
{
    return !drawRequest || showsResiduals(*drawRequest)
        || (body.EffectiveFlags(*drawRequest) & ptolemy_flags::kMatch) != 0;
}

// From the kept observations and residuals of the system (see ResidualContents).
MatchError matchErrorOf(
    const PtolemyBody& body, const LongitudeResiduals& longitudes, const std::vector<double>& residuals, double t)
{
    const LongitudeResiduals::Summary summary = longitudes.summaryUntil(residuals, t);
    return MatchError { body.GetName(), longitudes.errorAt(*body.Chain(), t), summary.rmsDegrees, summary.count };
}

ResidualPlot::Series seriesOf(const PtolemyBody& body, const LongitudeResiduals& longitudes)
{
    ResidualPlot::Series series;
    for (const LongitudeResiduals::ObservedLongitude& observed : longitudes.observations())
        series.t.push_back(observed.t);
    series.degrees = longitudes.residuals(*body.Chain());
    series.colour = body.GetTraceColour();
    return series;
}

// The span of time of all the series' observations, and their largest error.
void includeSpansAndErrors(ResidualPlot::Contents& contents)
{
    bool any = false;
    for (const ResidualPlot::Series& series : contents.series) {
        if (series.t.empty())
            continue;
        contents.firstTime = any ? std::min(contents.firstTime, series.t.front()) : series.t.front();
        contents.lastTime = any ? std::max(contents.lastTime, series.t.back()) : series.t.back();
        any = true;
        for (const double error : series.degrees)
            contents.largestDegrees = std::max(contents.largestDegrees, std::fabs(error));
    }
}

} // namespace

std::vector<MatchError> PtolemyUniverse::MatchErrors(double t, std::optional<std::int32_t> drawRequest)
{
    UniverseLock guard(this);
    // The kept residuals: a readout four times a second works out only the model at t.
    const ResidualPlot::Contents& contents = ResidualContents();
    std::vector<MatchError> errors;
    std::size_t series = 0; // the contents hold the systems that take part, in order
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        const PtolemyBody& body = *bodies_.Get(i);
        if (!takesPart(body))
            continue;
        const std::size_t k = series++;
        if (matchShownIn(body, drawRequest) && k < contents.longitudes.size())
            errors.push_back(matchErrorOf(body, contents.longitudes[k], contents.series[k].degrees, t));
    }
    return errors;
}

std::vector<std::string> PtolemyUniverse::MatchErrorTexts()
{
    std::vector<std::string> texts;
    for (const MatchError& error : MatchErrors(Time()))
        texts.push_back(error.text());
    return texts;
}

std::uint64_t PtolemyUniverse::ResidualsKey()
{
    std::uint64_t key = 0;
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        const PtolemyBody& body = *bodies_.Get(i);
        if (!takesPart(body))
            continue;
        key = platform::hashCombine(key, static_cast<std::uint64_t>(i));
        key = platform::hashCombine(key, body.Chain()->ChainKey());
        key = platform::hashCombine(key, body.matchTrail()->revision());
        key = platform::hashCombine(key, std::uint64_t { body.GetTraceColour() });
    }
    return key | 1u;
}

const ResidualPlot::Contents& PtolemyUniverse::ResidualContents()
{
    const std::uint64_t key = ResidualsKey();
    if (key == residualsKey_)
        return residuals_;
    residuals_ = ResidualPlot::Contents {};
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        const PtolemyBody& body = *bodies_.Get(i);
        if (takesPart(body)) {
            residuals_.longitudes.emplace_back(*body.matchTrail());
            residuals_.series.push_back(seriesOf(body, residuals_.longitudes.back()));
            if (residuals_.startYear == 0)
                residuals_.startYear = body.matchTrail()->startYear();
        }
    }
    includeSpansAndErrors(residuals_);
    residualsKey_ = key;
    return residuals_;
}

HRESULT PtolemyUniverse::DrawResiduals(
    raster::DeviceContext& context, std::int32_t, std::int32_t width, std::int32_t height, TraceLayer layer)
{
    UniverseLock guard(this);
    const double t = clock().time();
    const ResidualPlot::Contents& contents = ResidualContents();
    const ResidualPlot plot(context, width, height, contents.firstTime, contents.lastTime, contents.largestDegrees);
    if (layer != TraceLayer::MovingOnly) {
        plot.drawFrame(context,
            QCoreApplication::translate("PtolemyUniverse", "model − observed longitude").toStdString(),
            contents.startYear);
        for (const ResidualPlot::Series& series : contents.series)
            plot.drawSeries(context, series);
    }
    if (layer == TraceLayer::StillOnly)
        return S_OK;
    std::vector<double> errorsNow;
    std::size_t k = 0;
    for (std::int32_t i = 0; i < bodies_.Count() && k < contents.longitudes.size(); ++i)
        if (takesPart(*bodies_.Get(i)))
            if (const std::optional<double> error = contents.longitudes[k++].errorAt(*bodies_.Get(i)->Chain(), t))
                errorsNow.push_back(*error);
    plot.drawMarker(context, t, errorsNow);
    return S_OK;
}
