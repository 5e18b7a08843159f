#include "observatory/Observatory.h"

#include <QCoreApplication>

#include "documents/FileTypes.h"
#include "documents/SharedTrail.h"
#include "drawing/ScreenMapping.h"
#include "drawing/SharedSprites.h"
#include "observatory/ObservationDate.h"
#include "platform/HashCombine.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::int32_t kPeriodMilliseconds = 15;
constexpr double kStartingIncrement = 0.001; // years per tick until a kind is chosen
constexpr double kKindIncrement = 0.003; // years per tick once a kind is chosen
constexpr std::int32_t kReadingCapacity = 10;

// 2 pi as the observatory writes it, and the reciprocals it uses.
constexpr double kTwoPi = 6.2831854;
constexpr double kOneOverTwoPi = 0.15915494074072684;
constexpr double kTwoOverTwoPi = 0.31830988148145367;
// The elevation of a sun-like object, in radians, at azimuth pi/2.
constexpr double kSunElevation = 0.3837777777777778;

// Views keep this many pixels of the area clear of the object's track.
constexpr std::int32_t kViewMargin = 10;
// Half the size of the circle drawn when the kind's sprite is not available.
constexpr std::int32_t kFallbackRadius = 3;

constexpr ColourRef kWhite = makeColour(255, 255, 255);
constexpr ColourRef kBlack = makeColour(0, 0, 0);

enum Button : std::uint32_t { kStarLike = 0, kSunLike, kPlanetLike, kCometLike, kTakeReading, kPublish };

const std::array<ButtonSpec, 6> kButtons { ButtonSpec { 0, "Star Like" }, ButtonSpec { 0, "Sun Like" },
    ButtonSpec { 0, "Planet Like" }, ButtonSpec { 0, "Comet Like" }, ButtonSpec { 0, "Take Reading" },
    ButtonSpec { 0, "Publish" } };

struct KindPeriod {
    std::int32_t startYear;
    std::int32_t endYear;
};

KindPeriod periodOf(ObservatoryKind kind)
{
    switch (kind) {
    case ObservatoryKind::StarLike:
        return { 100, 300 };
    case ObservatoryKind::SunLike:
        return { 400, 402 };
    case ObservatoryKind::PlanetLike:
        return { 1200, 1205 };
    case ObservatoryKind::CometLike:
        return { 1500, 1515 };
    }
    return { 100, 300 };
}

struct DrawWord {
    const char* word;
    std::int32_t bit;
};

const std::array<DrawWord, 4> kDrawWords { DrawWord { "projection", kDrawProjection },
    DrawWord { "overhead", kDrawOverhead }, DrawWord { "observations", kDrawObservations },
    DrawWord { "published", kDrawPublished } };

// An angle in whole degrees, truncated toward zero; a value that is not a finite number reads 0.
std::int32_t wholeDegrees(double radians)
{
    const double degrees = radians * 180 * kTwoOverTwoPi;
    return std::isfinite(degrees) ? static_cast<std::int32_t>(degrees) : 0;
}

// Selects the Observatory's pen and brush for a scope and puts the previous ones back after it.
class PenAndBrushScope {
public:
    PenAndBrushScope(raster::DeviceContext& context, const raster::Pen& pen, const raster::Brush& brush)
        : context_(context)
        , previousPen_(context.selectPen(pen))
        , previousBrush_(context.selectBrush(brush))
    {
    }
    ~PenAndBrushScope()
    {
        context_.selectBrush(previousBrush_);
        context_.selectPen(previousPen_);
    }
    PenAndBrushScope(const PenAndBrushScope&) = delete;
    PenAndBrushScope& operator=(const PenAndBrushScope&) = delete;

private:
    raster::DeviceContext& context_;
    raster::Pen previousPen_;
    raster::Brush previousBrush_;
};

} // namespace

Observatory::Observatory()
    : trail_(1)
    , brush_ { kWhite, false }
    , pen_ { kBlack, 1, raster::Pen::Style::Solid }
    , saveDialog_(trail_)
{
    trail_.Resize(kReadingCapacity);
    // Nothing else sets the period before the first kind button; the dates and the
    // end-of-period clamp read it, so the trail starts with the StarLike period.
    const KindPeriod period = periodOf(ObservatoryKind::StarLike);
    trail_.setYears(period.startYear, period.endYear);
    clock().setPeriod(kPeriodMilliseconds);
    clock().setIncrement(kStartingIncrement);
    clock().start();
}

HRESULT Observatory::Draw(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    return drawOnWhite(context, width, height, [&] {
        ClampToPeriod();
        DrawChosenView(context, width, height, drawRequest, ViewPart::Whole);
    });
}

std::uint64_t Observatory::StillLayerKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    platform::CriticalSectionGuard guard(lock_);
    std::uint64_t key = platform::hashCombine(ImageSource::StillLayerKey(width, height, drawRequest),
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(drawRequest)));
    if (drawRequest & kDrawProjection)
        return key;
    key = platform::hashCombine(key, static_cast<std::uint64_t>(kind_));
    if (drawRequest & kDrawOverhead)
        return platform::hashCombine(platform::hashCombine(key, orbitWidth_), orbitHeight_);
    const ObservationTrail* const shown = (drawRequest & kDrawObservations) ? &trail_ : publishedTrail_.get();
    if (shown) {
        key = platform::hashCombine(key, shown->revision());
        key = platform::hashCombine(key, static_cast<std::uint64_t>(shown->startYear()));
    }
    return key == kNoStillLayer ? kNoStillLayer + 1 : key;
}

HRESULT Observatory::DrawStillLayer(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    ImageSource::DrawStillLayer(context, width, height, drawRequest);
    if (width <= 0 || height <= 0)
        return S_OK;
    platform::CriticalSectionGuard guard(lock_);
    DrawChosenView(context, width, height, drawRequest, ViewPart::Frame);
    return S_OK;
}

HRESULT Observatory::DrawMovingLayer(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    if (width <= 0 || height <= 0)
        return S_OK;
    platform::CriticalSectionGuard guard(lock_);
    ClampToPeriod();
    DrawChosenView(context, width, height, drawRequest, ViewPart::Object);
    return S_OK;
}

void Observatory::DrawChosenView(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest, ViewPart part)
{
    const bool frame = part != ViewPart::Object;
    const bool object = part != ViewPart::Frame;
    if (drawRequest & kDrawProjection) {
        if (frame)
            DrawProjectionFrame(context, width, height);
        if (object)
            DrawProjectionObject(context, width, height);
    } else if (drawRequest & kDrawOverhead) {
        if (frame)
            DrawOverheadFrame(context, width, height);
        if (object)
            DrawOverheadObject(context, width, height);
    } else if (frame && (drawRequest & kDrawObservations)) {
        DrawObservations(context, width, height, drawRequest);
    } else if (frame && (drawRequest & kDrawPublished)) {
        DrawPublished(context, width, height, drawRequest);
    }
}

std::int32_t Observatory::GetButtonCount() { return static_cast<std::int32_t>(kButtons.size()); }

const ButtonSpec* Observatory::GetButtons() { return kButtons.data(); }

HRESULT Observatory::OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t)
{
    // Publishing asks for a file name: no lock is held while its dialog runs.
    if (static_cast<std::uint32_t>(wparam & 0xffff) == kPublish) {
        Publish(window);
        return S_OK;
    }
    bool redraw = false;
    {
        platform::CriticalSectionGuard guard(lock_);
        const auto button = static_cast<std::uint32_t>(wparam & 0xffff);
        switch (button) {
        case kStarLike:
        case kSunLike:
        case kPlanetLike:
        case kCometLike:
            SelectKind(static_cast<ObservatoryKind>(button));
            break;
        case kTakeReading:
            TakeReadingLocked();
            redraw = true;
            break;
        default:
            break;
        }
    }
    if (redraw)
        RequestRedraw();
    return S_OK;
}

HRESULT Observatory::ParseDrawArgument(const std::string& text, std::int32_t& drawRequest, std::int32_t reportErrors)
{
    for (const DrawWord& word : kDrawWords) {
        if (text == word.word) {
            drawRequest |= word.bit;
            return S_OK;
        }
    }
    return ImageSource::ParseDrawArgument(text, drawRequest, reportErrors);
}

HRESULT Observatory::GetDefaultDrawRequest(std::int32_t* drawRequest)
{
    if (drawRequest == nullptr)
        return E_INVALIDARG;
    *drawRequest = 0;
    return S_OK;
}

void Observatory::SelectKind(ObservatoryKind kind)
{
    platform::CriticalSectionGuard guard(lock_);
    ResetClock();
    trail_.Clear();
    kind_ = kind;
    const KindPeriod period = periodOf(kind);
    trail_.setYears(period.startYear, period.endYear);
    clock().Lock();
    clock().setPaused(false);
    clock().Unlock();
}

SkyPosition Observatory::ComputePosition()
{
    platform::CriticalSectionGuard guard(lock_);
    clock().Lock();
    const double t = clock().time();
    clock().Unlock();
    const double theta = t * frequency_ * kTwoPi + phase_;
    switch (kind_) {
    case ObservatoryKind::StarLike:
        return { std::cos(theta), std::sin(theta), t };
    case ObservatoryKind::SunLike:
        return { std::cos(theta) * orbitWidth_ * 0.5, std::sin(theta) * orbitHeight_ * 0.5, t };
    case ObservatoryKind::PlanetLike:
    case ObservatoryKind::CometLike:
        break;
    }
    return { 0.0, 0.0, t };
}

HorizonAngles Observatory::ToHorizon(double x, double y)
{
    platform::CriticalSectionGuard guard(lock_);
    switch (kind_) {
    case ObservatoryKind::StarLike:
        return { std::atan2(y, x), 0.0 };
    case ObservatoryKind::SunLike: {
        const double az = std::atan2(y, x);
        return { az, std::sin(az) * kSunElevation };
    }
    case ObservatoryKind::PlanetLike:
    case ObservatoryKind::CometLike:
        break;
    }
    return { 0.0, 0.0 };
}

void Observatory::TakeReading()
{
    {
        platform::CriticalSectionGuard guard(lock_);
        TakeReadingLocked();
    }
    RequestRedraw();
}

HRESULT Observatory::Publish(QWidget* owner)
{
    // The Save As dialog saves the readings (under the trail's own lock) before it returns.
    const HRESULT result = saveDialog_.saveAs(owner, file_types::kTrail);
    if (SUCCEEDED(result)) {
        platform::CriticalSectionGuard guard(lock_);
        publishedTrail_ = std::make_unique<ObservationTrail>(trail_);
        setSharedTrail(publishedTrail_.get());
    }
    RequestRedraw();
    return result;
}

void Observatory::ResetClock()
{
    clock().Lock();
    clock().setTime(0.0);
    clock().setTickCount(0);
    clock().setIncrement(kKindIncrement);
    clock().setPaused(true);
    clock().Unlock();
}

ObservatoryKind Observatory::kind()
{
    platform::CriticalSectionGuard guard(lock_);
    return kind_;
}

std::unique_ptr<ObservationTrail> Observatory::publishedTrailCopy()
{
    platform::CriticalSectionGuard guard(lock_);
    return publishedTrail_ ? std::make_unique<ObservationTrail>(*publishedTrail_) : nullptr;
}

void Observatory::DrawProjectionFrame(raster::DeviceContext& context, std::int32_t width, std::int32_t height)
{
    const PenAndBrushScope tools(context, pen_, brush_);
    context.rectangle(0, 0, width, height);
    context.moveTo(0, height / 2);
    context.lineTo(width, height / 2);
}

void Observatory::DrawProjectionObject(raster::DeviceContext& context, std::int32_t width, std::int32_t height)
{
    const PenAndBrushScope tools(context, pen_, brush_);
    const SkyPosition position = ComputePosition();
    const HorizonAngles angles = ToHorizon(position.x, position.y);
    // Azimuth runs to the right and elevation up, a full turn spanning the area less its margin.
    const int px = screen_mapping::screenX(width / 2, angles.az, (width - kViewMargin) * kOneOverTwoPi);
    const int py = screen_mapping::screenY(height / 2, angles.el, (height - kViewMargin) * kOneOverTwoPi);
    DrawObject(context, px, py);
}

void Observatory::DrawOverheadFrame(raster::DeviceContext& context, std::int32_t width, std::int32_t height)
{
    const PenAndBrushScope tools(context, pen_, brush_);
    const OverheadGeometry view = overheadGeometry(width, height);
    if (kind_ == ObservatoryKind::StarLike) {
        const auto r = static_cast<std::int32_t>(view.scale);
        context.ellipse(view.cx - r, view.cy - r, view.cx + r, view.cy + r);
    } else if (kind_ == ObservatoryKind::SunLike) {
        const auto ry = static_cast<std::int32_t>(orbitHeight_ * 0.5 * view.scale);
        const auto rx = static_cast<std::int32_t>(view.scale * orbitWidth_ * 0.5);
        context.ellipse(view.cx - rx, view.cy - ry, view.cx + rx, view.cy + ry);
    }
}

// The kinds without an orbit stay at the centre: their position is the origin.
void Observatory::DrawOverheadObject(raster::DeviceContext& context, std::int32_t width, std::int32_t height)
{
    const SkyPosition position = ComputePosition();
    const PenAndBrushScope tools(context, pen_, brush_);
    const OverheadGeometry view = overheadGeometry(width, height);
    DrawObject(context, screen_mapping::screenX(view.cx, position.x, view.scale),
        screen_mapping::screenY(view.cy, position.y, view.scale));
}

Observatory::OverheadGeometry Observatory::overheadGeometry(std::int32_t width, std::int32_t height) const
{
    OverheadGeometry view { width / 2, height / 2, 0.0 };
    if (kind_ == ObservatoryKind::StarLike) {
        view.scale = std::max(0, std::min(view.cx, view.cy) - kViewMargin);
    } else if (kind_ == ObservatoryKind::SunLike) {
        // An area narrower or lower than the margin shows the orbit as a point, not turned inside out.
        view.scale
            = std::max(0.0, std::min((width - kViewMargin) / orbitWidth_, (height - kViewMargin) / orbitHeight_));
    }
    return view;
}

void Observatory::DrawObservations(raster::DeviceContext& context, std::int32_t, std::int32_t, std::int32_t)
{
    platform::CriticalSectionGuard guard(lock_);
    DrawReadingList(context, "Observations:", "_____________", &trail_, true);
}

void Observatory::DrawPublished(raster::DeviceContext& context, std::int32_t, std::int32_t, std::int32_t)
{
    platform::CriticalSectionGuard guard(lock_);
    // The published readings keep the angles and the start year they were taken with, also
    // after another kind has been chosen.
    DrawReadingList(context, "Published Observations:", "_______________________", publishedTrail_.get(), false);
}

const Sprite& Observatory::CurrentSprite()
{
    platform::CriticalSectionGuard guard(lock_);
    SharedSprites& sprites = sharedSprites();
    switch (kind_) {
    case ObservatoryKind::StarLike:
        return sprites.star;
    case ObservatoryKind::SunLike:
        return sprites.sun;
    case ObservatoryKind::PlanetLike:
        return sprites.planet;
    case ObservatoryKind::CometLike:
        return sprites.comet;
    }
    return sprites.star;
}

void Observatory::ClampToPeriod()
{
    const double length = static_cast<double>(trail_.endYear()) - trail_.startYear();
    clock().Lock();
    if (!clock().paused() && clock().time() > length) {
        clock().setPaused(true);
        clock().setTime(length);
    }
    clock().Unlock();
}

void Observatory::TakeReadingLocked()
{
    // A reading between the end of the period and the next repaint would carry a date past
    // the period: the clamp is applied here too, not only when a window draws.
    ClampToPeriod();
    const SkyPosition position = ComputePosition();
    const HorizonAngles angles = ToHorizon(position.x, position.y);
    trail_.Append(position.x, position.y, angles.az, angles.el, position.t);
}

void Observatory::DrawObject(raster::DeviceContext& context, std::int32_t x, std::int32_t y)
{
    const Sprite& sprite = CurrentSprite();
    if (SUCCEEDED(sprite.isValid()))
        sprite.drawAt(context, x, y);
    else
        context.ellipse(x - kFallbackRadius, y - kFallbackRadius, x + kFallbackRadius, y + kFallbackRadius);
}

void Observatory::DrawReadingList(raster::DeviceContext& context, const char* heading, const char* underline,
    const ObservationTrail* trail, bool recomputeAngles)
{
    const std::int32_t h = context.lineHeight();
    context.textOut(0, 0, heading);
    context.textOut(0, h, underline);
    if (trail == nullptr)
        return;
    const std::int32_t count = trail->count();
    for (std::int32_t i = 0; i < count; ++i) {
        const Observation reading = trail->logical(i);
        HorizonAngles angles { reading.az, reading.el };
        if (recomputeAngles)
            angles = ToHorizon(reading.x, reading.y);
        std::int32_t az = wholeDegrees(angles.az);
        if (az < 0)
            az += 360;
        const std::string date = formatObservationDate(reading.t, trail->startYear());
        context.textOut(0, (i + 2) * h,
            platform::formatText(
                "%d:   az = %ddeg  el = %ddeg  date = %s", i, az, wholeDegrees(angles.el), date.c_str()));
    }
}

std::string Observatory::AccessibleName(std::int32_t drawRequest)
{
    const char* view = "Observatory";
    if (drawRequest & kDrawOverhead)
        view = QT_TRANSLATE_NOOP("Observatory", "Observatory, overhead view");
    else if (drawRequest & kDrawProjection)
        view = QT_TRANSLATE_NOOP("Observatory", "Observatory, the sky projected");
    else if (drawRequest & (kDrawObservations | kDrawPublished))
        view = QT_TRANSLATE_NOOP("Observatory", "Observatory, list of observations");
    return QCoreApplication::translate("Observatory", view).toStdString();
}
