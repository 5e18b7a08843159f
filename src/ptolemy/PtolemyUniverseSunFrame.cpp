// The Sun-centred view of a universe's plane (draw arguments "frame=sun" and "sun=NAME"):
// every system seen from the planet of the universe's Sun system, the Earth going round it,
// with the lines of sight from the Earth to each planet.
#include "drawing/ScreenMapping.h"
#include "drawing/SharedSprites.h"
#include "platform/HashCombine.h"
#include "ptolemy/LabelPlacement.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseLocks.h"

#include <QCoreApplication>

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

// The Earth's name and the text without a Sun are written this many pixels from what they name.
constexpr int kTextOffset = 6;
constexpr ColourRef kEarthTextColour = makeColour(30, 80, 150);
constexpr ColourRef kMessageColour = makeColour(0, 0, 0);

QPoint pixelOf(QPoint centre, ModelPoint place, double scale)
{
    return { screen_mapping::screenX(centre.x(), place.x, scale), screen_mapping::screenY(centre.y(), place.y, scale) };
}

// The words of `text` in lines no wider than `width` (a longer word stands alone).
std::vector<std::string> wrappedLines(const raster::DeviceContext& context, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (!lines.empty() && context.textWidth(lines.back() + ' ' + word) <= width)
            lines.back() += ' ' + word;
        else
            lines.push_back(word);
    }
    return lines;
}

// Across the top of the window, in as many lines as it takes.
void drawMissingSun(raster::DeviceContext& context, const std::string& text)
{
    context.setTextColour(kMessageColour);
    context.setTextBackground(false);
    int y = kTextOffset;
    for (const std::string& line : wrappedLines(context, text, context.width() - 2 * kTextOffset)) {
        context.textOut(kTextOffset, y, line);
        y += context.lineHeight();
    }
}

// From the Earth to each planet, in the planet's trace colour.
void drawLinesOfSight(raster::DeviceContext& context, const SunCentredPlaces& places, QPoint centre, double scale)
{
    const QPoint earth = pixelOf(centre, places.earth, scale);
    for (const SunCentredPlaces::Planet& planet : places.planets) {
        const QPoint seen = pixelOf(centre, planet.place, scale);
        context.selectPen(raster::Pen { planet.colour });
        context.moveTo(earth.x(), earth.y());
        context.lineTo(seen.x(), seen.y());
    }
}

// The Earth's sprite with draw_earth, its name with labels where `names` finds room.
void drawEarth(raster::DeviceContext& context, std::int32_t drawRequest, QPoint earth, const LabelPlacement& names)
{
    const Sprite& sprite = sharedSprites().earth;
    if ((drawRequest & ptolemy_flags::kEarth) && SUCCEEDED(sprite.isValid()))
        sprite.drawCentred(context, earth.x(), earth.y(), PtolemyUniverse::kEarthSize, PtolemyUniverse::kEarthSize);
    if (!(drawRequest & ptolemy_flags::kLabels))
        return;
    const std::string name = QCoreApplication::translate("PtolemyUniverse", "Earth").toStdString();
    context.setTextColour(kEarthTextColour);
    context.setTextBackground(false);
    const QPoint corner = names.place(earth, { context.textWidth(name), context.lineHeight() }, kTextOffset);
    context.textOut(corner.x(), corner.y(), name);
}

} // namespace

HRESULT PtolemyUniverse::SetFrame(const std::string& value, std::int32_t& drawRequest)
{
    if (value == "sun")
        drawRequest |= ptolemy_flags::kSunFrame;
    else if (value == "earth")
        drawRequest &= ~ptolemy_flags::kSunFrame;
    else
        return E_FAIL;
    return S_OK;
}

// Each name is kept once; a request holds its number in the bits of kSunNameMask.
HRESULT PtolemyUniverse::SetSunName(const std::string& name, std::int32_t& drawRequest)
{
    if (name.empty())
        return E_FAIL;
    const auto found = std::find(sunNames_.begin(), sunNames_.end(), name);
    const auto number = static_cast<std::int32_t>(found - sunNames_.begin());
    if ((number << ptolemy_flags::kSunNameShift) & ~ptolemy_flags::kSunNameMask)
        return E_FAIL;
    if (found == sunNames_.end())
        sunNames_.push_back(name);
    drawRequest = (drawRequest & ~ptolemy_flags::kSunNameMask) | (number << ptolemy_flags::kSunNameShift);
    return S_OK;
}

std::string PtolemyUniverse::SunNameOf(std::int32_t drawRequest)
{
    const auto number
        = static_cast<std::size_t>((drawRequest & ptolemy_flags::kSunNameMask) >> ptolemy_flags::kSunNameShift);
    return number < sunNames_.size() ? sunNames_[number] : std::string(kSunName);
}

std::optional<SunFrame> PtolemyUniverse::SunFrameOf(std::int32_t drawRequest)
{
    const std::string name = SunNameOf(drawRequest);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        const PtolemyBody& body = *bodies_.Get(i);
        if (body.GetName() == name && body.Chain())
            return SunFrame(body, *body.Chain());
    }
    return std::nullopt;
}

SunCentredPlaces PtolemyUniverse::PlacesIn(const SunFrame& frame, double t)
{
    SunCentredPlaces places;
    places.earth = frame.earthAt(t);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        const PtolemyBody& body = *bodies_.Get(i);
        if (body.IsVisible() && body.Chain())
            places.planets.push_back(
                { body.GetName(), frame.fromSun(body.Chain()->Position(t), t), body.GetTraceColour() });
    }
    return places;
}

std::optional<SunCentredPlaces> PtolemyUniverse::SunCentredPlacesAt(double t, std::int32_t drawRequest)
{
    UniverseLock guard(this);
    const std::optional<SunFrame> frame = SunFrameOf(drawRequest);
    if (!frame)
        return std::nullopt;
    return PlacesIn(*frame, t);
}

std::string PtolemyUniverse::MissingSunText(std::int32_t drawRequest)
{
    UniverseLock guard(this);
    if (SunFrameOf(drawRequest))
        return {};
    return QCoreApplication::translate("PtolemyUniverse", "Sun-centred view: no system named \"%1\" with cycles")
        .arg(QString::fromStdString(SunNameOf(drawRequest)))
        .toStdString();
}

double PtolemyUniverse::SunFittingScale(
    std::int32_t drawRequest, const SunFrame& frame, std::int32_t halfWidth, std::int32_t halfHeight)
{
    double extent = 1.0;
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        extent = std::max(extent, bodies_.Get(i)->SunFrameExtent(drawRequest, frame));
    return ScaleToFit(extent, halfWidth, halfHeight);
}

// The text without a Sun stays; with one, the scale, the Sun's motion and each system's trace.
std::uint64_t PtolemyUniverse::SunCentredStillKey(
    std::uint64_t sizeAndRequest, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    const std::optional<SunFrame> frame = SunFrameOf(drawRequest);
    if (!frame)
        return sizeAndRequest | 1u;
    std::uint64_t key = platform::hashCombine(
        platform::hashCombine(sizeAndRequest, SunFittingScale(drawRequest, *frame, width / 2, height / 2)),
        frame->key());
    const double t = Time();
    bool anyStays = false;
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        const std::uint64_t part = bodies_.Get(i)->StillLayerKey(drawRequest, t, &*frame);
        anyStays = anyStays || part != 0;
        key = platform::hashCombine(key, part);
    }
    return anyStays ? (key | 1u) : kNoStillLayer;
}

HRESULT PtolemyUniverse::DrawSunCentred(
    raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height, TraceLayer layer)
{
    if (layer == TraceLayer::Both) {
        const HRESULT still = DrawSunCentred(context, drawRequest, width, height, TraceLayer::StillOnly);
        const HRESULT moving = DrawSunCentred(context, drawRequest, width, height, TraceLayer::MovingOnly);
        return FAILED(still) ? still : moving;
    }
    // The universe lock keeps the chains still; the clock's lock is taken only to read the time.
    UniverseLock guard(this);
    const std::optional<SunFrame> frame = SunFrameOf(drawRequest);
    if (!frame) {
        if (layer == TraceLayer::StillOnly)
            drawMissingSun(context, MissingSunText(drawRequest));
        return S_OK;
    }
    const QPoint centre(width / 2, height / 2);
    const double scale = SunFittingScale(drawRequest, *frame, centre.x(), centre.y());
    const double t = clock().time();
    const bool moving = layer == TraceLayer::MovingOnly;
    const SunCentredPlaces places = moving ? PlacesIn(*frame, t) : SunCentredPlaces {};
    // The lines of sight lie under the planets, the Earth over everything.
    if (moving)
        drawLinesOfSight(context, places, centre, scale);
    // The names keep off one another and off the Earth.
    const QPoint earth = pixelOf(centre, places.earth, scale);
    LabelPlacement names(QRect(0, 0, width, height),
        (drawRequest & ptolemy_flags::kEarth) ? std::vector<QRect> { EarthBox(earth) } : std::vector<QRect> {});
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        bodies_.Get(i)->DrawSystem(context, drawRequest, centre.x(), centre.y(), t, scale, layer, &*frame, &names);
    if (moving)
        drawEarth(context, drawRequest, earth, names);
    return S_OK;
}
