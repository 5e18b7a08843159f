#pragma once
// The observatory: one sky object of a chosen kind moves over a span of years; the
// student watches it in a sky projection or an overhead view, takes readings
// (azimuth, elevation, date) and publishes them as a trail file (.obs). Layout type
// "Observatory"; it takes no layout arguments. Each observer window picks one view with
// the DrawRequest words "projection", "overhead", "observations" or "published".
//
// Time is the clock's, in years since the current kind's start year. Until the first kind
// button is pressed the trail carries the StarLike period (100 to 300) and the clock runs
// at 0.001 year per tick; each kind button restarts the period at 0.003 year per tick.
//
// Threading: the clock's worker thread only advances time and the tick count (a plain
// clock, see ClockDrivenSource.h). Every window-thread entry (Draw, OnCommand and the
// model operations below) runs under the source's lock and takes the clock's lock inside
// it; the trail's own lock is taken inside both. Redraw requests are made after the
// source's lock is released, so the window registry's lock is never taken inside it.
// Ownership: the Observatory owns its trail and the published copy; its base owns the clock.
// See docs/threads.md.
#include "documents/ObservationTrail.h"
#include "imagesource/ClockDrivenSource.h"
#include "observatory/TrailSaveDialog.h"
#include "raster/DeviceContext.h"

#include <cstdint>
#include <memory>

class Sprite;

enum class ObservatoryKind : std::int32_t { StarLike = 0, SunLike = 1, PlanetLike = 2, CometLike = 3 };

// The Observatory's draw-request bits, one per view.
constexpr std::int32_t kDrawProjection = 0x10000;
constexpr std::int32_t kDrawOverhead = 0x20000;
constexpr std::int32_t kDrawObservations = 0x40000;
constexpr std::int32_t kDrawPublished = 0x80000;

// Where the object lies in the plane of its orbit (plane units) at time t (years).
struct SkyPosition {
    double x = 0;
    double y = 0;
    double t = 0;
};

// Where the object stands in the sky, in radians; az lies in -pi ... pi.
struct HorizonAngles {
    double az = 0;
    double el = 0;
};

class Observatory final : public ClockDrivenSource {
public:
    // Kind StarLike with its period, an empty trail of capacity 10, no published trail;
    // the clock runs (15 ms period, 0.001 year per tick).
    Observatory();

    // Paints the area white, freezes time at the end of the period when it has run past it
    // and draws the first view whose bit is set: projection, overhead, observations, published.
    HRESULT Draw(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    // For a window that keeps what stays: the view's frame (the projection's border and
    // horizon, the overhead orbit) and the reading lists stay from frame to frame, named
    // by the kind and the readings they show; only the object moves.
    std::uint64_t StillLayerKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    HRESULT DrawStillLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    HRESULT DrawMovingLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    // "Star Like", "Sun Like", "Planet Like", "Comet Like", "Take Reading", "Publish".
    std::int32_t GetButtonCount() override;
    const ButtonSpec* GetButtons() override;
    // Buttons 0-3 select the kind, 4 takes a reading, 5 publishes (Save As owned by `window`);
    // other indices do nothing. Always S_OK.
    HRESULT OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t lparam) override;
    // The exact words "projection", "overhead", "observations", "published" add their view's
    // bit; any other text is a name=value argument of the base.
    HRESULT ParseDrawArgument(const std::string& text, std::int32_t& drawRequest, std::int32_t reportErrors) override;
    // 0: no view.
    HRESULT GetDefaultDrawRequest(std::int32_t* drawRequest) override;
    std::string AccessibleName(std::int32_t drawRequest) override;

    // Restarts the period of `kind`: time 0, tick count 0, empty trail with the kind's years,
    // then the clock runs at 0.003 year per tick.
    void SelectKind(ObservatoryKind kind);
    // The object's position at the clock's time.
    SkyPosition ComputePosition();
    // The sky angles of a plane position for the current kind.
    HorizonAngles ToHorizon(double x, double y);
    // Appends (x, y, az, el, t) at the clock's time (held at the end of the period) to the
    // trail, dropping the oldest of ten, and asks the windows to show it.
    void TakeReading();
    // Save As owned by `owner`; a saved trail becomes the published trail and the process-wide
    // shared trail. The windows repaint either way. The Save As result (E_FAIL when cancelled).
    HRESULT Publish(QWidget* owner);
    // Under the clock's lock: time 0, tick count 0, increment 0.003, paused.
    void ResetClock();

    ObservatoryKind kind();
    // The readings; the caller must not hold on to it past the Observatory's life.
    const ObservationTrail& trail() const { return trail_; }
    // A copy of the published trail, or null when nothing has been published.
    std::unique_ptr<ObservationTrail> publishedTrailCopy();

protected:
    bool DrawsOnWhiteGround() const override { return true; }

private:
    // What of a view to draw: what stays (its frame, the lists), what moves (the object), or both.
    enum class ViewPart : std::uint8_t { Frame = 1, Object = 2, Whole = 3 };
    // The overhead view's centre and the pixels of one plane unit: the circle's radius for a
    // star-like kind, the orbit's scale for a Sun-like one, 0 for the kinds without an orbit.
    struct OverheadGeometry {
        std::int32_t cx = 0;
        std::int32_t cy = 0;
        double scale = 0;
    };

    // The projection's border and horizon; the object where the sky puts it.
    void DrawProjectionFrame(raster::DeviceContext& context, std::int32_t width, std::int32_t height);
    void DrawProjectionObject(raster::DeviceContext& context, std::int32_t width, std::int32_t height);
    // The overhead view's orbit (none for the kinds without one); the object on it.
    void DrawOverheadFrame(raster::DeviceContext& context, std::int32_t width, std::int32_t height);
    void DrawOverheadObject(raster::DeviceContext& context, std::int32_t width, std::int32_t height);
    void DrawObservations(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest);
    void DrawPublished(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest);
    OverheadGeometry overheadGeometry(std::int32_t width, std::int32_t height) const;
    // The shared sprite of the current kind.
    const Sprite& CurrentSprite();
    // `part` of the view of the first bit of the request that names one (none draws nothing);
    // the frame drawn first, then the object, is the whole view.
    void DrawChosenView(raster::DeviceContext& context, std::int32_t width, std::int32_t height,
        std::int32_t drawRequest, ViewPart part);
    // When the clock runs past the period's length, pauses it there (under the clock's lock).
    void ClampToPeriod();
    // Appends one reading; the caller holds the source's lock.
    void TakeReadingLocked();
    // The current sprite at (x, y), or a six-pixel circle in the selected pen and brush.
    void DrawObject(raster::DeviceContext& context, std::int32_t x, std::int32_t y);
    // A heading, its underline and one line per reading of `trail` (none when it is null).
    // recomputeAngles: the angles come from x and y by ToHorizon of the current kind rather
    // than from the stored az and el.
    void DrawReadingList(raster::DeviceContext& context, const char* heading, const char* underline,
        const ObservationTrail* trail, bool recomputeAngles);

    ObservatoryKind kind_ = ObservatoryKind::StarLike;
    ObservationTrail trail_;
    std::unique_ptr<ObservationTrail> publishedTrail_;
    double orbitWidth_ = 100.0;
    double orbitHeight_ = 150.0;
    double frequency_ = 1.0; // revolutions per year
    double phase_ = 0.0; // radians
    raster::Brush brush_;
    raster::Pen pen_;
    TrailSaveDialog saveDialog_;
};
