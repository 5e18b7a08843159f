// What a screen reader says of a universe's windows: which systems they show, where each
// planet stands in the sky seen from the Earth and which way it moves, and how far the matched
// systems lie from their observations.
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/SkyStrip.h"
#include "ptolemy/UniverseLocks.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

// The step back in model time (years) that tells which way a planet moves.
constexpr double kMotionStep = 0.002;

// The change of longitude from `before` to `after`, in degrees from -180 to 180.
double longitudeChange(double before, double after) { return std::fmod(after - before + 540.0, 360.0) - 180.0; }

QString spokenPlace(PtolemyBody& body, double t)
{
    const ModelPoint now = body.PlanetPosition(t);
    const ModelPoint before = body.PlanetPosition(t - kMotionStep);
    const double longitude = SkyStrip::longitudeDegrees(now.x, now.y);
    const double change = longitudeChange(SkyStrip::longitudeDegrees(before.x, before.y), longitude);
    const QString motion = change < 0 ? QCoreApplication::translate("PtolemyUniverse", "moving backwards (retrograde)")
                                      : QCoreApplication::translate("PtolemyUniverse", "moving forwards");
    return QCoreApplication::translate("PtolemyUniverse", "%1 at longitude %2°, %3")
        .arg(QString::fromStdString(body.GetName()))
        .arg(static_cast<int>(std::lround(longitude)) % 360)
        .arg(motion);
}

} // namespace

std::string PtolemyUniverse::AccessibleName(std::int32_t drawRequest)
{
    if (drawRequest & ptolemy_flags::kResiduals)
        return QCoreApplication::translate("PtolemyUniverse", "Plot of model minus observed longitude against time")
            .toStdString();
    if (drawRequest & ptolemy_flags::kSky)
        return QCoreApplication::translate("PtolemyUniverse", "Sky strip of ecliptic longitude").toStdString();
    UniverseLock guard(this);
    QStringList names;
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        if (bodies_.Get(i)->IsVisible())
            names << QString::fromStdString(bodies_.Get(i)->GetName());
    const QString view = (drawRequest & ptolemy_flags::kSunFrame)
        ? QCoreApplication::translate("PtolemyUniverse", "Ptolemaic universe seen from the Sun: %1")
        : QCoreApplication::translate("PtolemyUniverse", "Ptolemaic universe: %1");
    return view.arg(names.join(QStringLiteral(", "))).toStdString();
}

// Where each planet stands, then the error readout of the systems whose match the window shows.
std::string PtolemyUniverse::AccessibleDescription(std::int32_t drawRequest)
{
    UniverseLock guard(this);
    const double t = Time();
    QStringList places;
    // A Sun-centred plane without a Sun says so first.
    const bool plane = !(drawRequest & (ptolemy_flags::kSky | ptolemy_flags::kResiduals));
    if (plane && (drawRequest & ptolemy_flags::kSunFrame) && !MissingSunText(drawRequest).empty())
        places << QString::fromStdString(MissingSunText(drawRequest));
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        if (bodies_.Get(i)->IsVisible())
            places << spokenPlace(*bodies_.Get(i), t);
    for (const MatchError& error : MatchErrors(t, drawRequest))
        places << QString::fromStdString(error.text());
    return places.join(QStringLiteral("; ")).toStdString();
}
