#pragma once
// One system of cycles with everything needed to show it: its chain of orbs, its
// running trail and one-period trace, colours, display settings, planet sprites and
// the observation trail it is matched against (the MatchTrailHolder base).
//
// Threading: the owner (PtolemyUniverse) supplies two locks. Operations marked
// "(takes the universe lock)" take it for their whole run, re-entrantly (the universe
// calls them with it held); SetChain, SetTrailLength and ClearRunningTrail then also take
// the clock lock (always universe first, clock second). The clock thread calls AppendPosition with
// only the clock lock held, so the chain and the running trail change only under both
// locks. The unmarked setters take no lock: they are called on the window thread by
// code that holds the universe lock. The chain, the running trail, its kept pieces and the
// full trace are guarded by the universe lock (GUARDED_BY), which the analysis checks on
// the window thread; it cannot follow AppendPosition's reads under the clock lock alone.
// It cannot match a lock held through the universe with the one named through a body's
// owner either, so the public operations carry no REQUIRES; the private helpers that run
// under the lock do.
// A body without an owner takes no locks (tests and the file reader before merging).
// See docs/threads.md.
#include "documents/FileDialogHelper.h"
#include "documents/ObservationTrail.h"
#include "drawing/Sprite.h"
#include "imagesource/StillPart.h"
#include "platform/Result.h"
#include "ptolemy/MatchTrailHolder.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/RecordPlacement.h"
#include "ptolemy/SunFrame.h"
#include "ptolemy/TraceLayer.h"
#include "ptolemy/TrailLongitudes.h"
#include "ptolemy/TrailPieces.h"
#include "raster/DeviceContext.h"

#include <QPoint>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class PtolemyUniverse;
class SkyStrip;
class QWidget;

// One entry of a settings list offered by the display dialog: its label and value.
struct BodySettingEntry {
    const char* label;
    std::int32_t value;
};

class PtolemyBody : public MatchTrailHolder {
public:
    // The lists of values the display dialog offers for each setting.
    static const BodySettingEntry kTrailLengths[7];
    static const BodySettingEntry kBandWidths[7];
    static const BodySettingEntry kDotIntervals[7];
    static const BodySettingEntry kAnimationSpeeds[5];
    static const char* const kBitmapNames[11];

    static constexpr std::int32_t kRunningTrailCapacity = 200;
    // The longest running trail a layout may ask for (the display dialog offers up to 2000).
    static constexpr std::int32_t kLongestTrail = 4000;
    static constexpr std::int32_t kFullTraceCapacity = 4000;

    // `owner` may be null; with an owner the body takes its default display flags and
    // attaches to the owner's drawing device when the owner has drawn already.
    explicit PtolemyBody(PtolemyUniverse* owner);
    ~PtolemyBody() override;
    PtolemyBody(const PtolemyBody&) = delete;
    PtolemyBody& operator=(const PtolemyBody&) = delete;

    PtolemyUniverse* Owner() const { return owner_; }

    // A deep copy of the chain (the caller owns it), or null. (takes the universe lock)
    std::unique_ptr<PtolemyOrbit> CopyChain();
    // Keeps a deep copy of `chain` (null removes the chain) and clears the running trail;
    // the full trace follows the new chain (see FullTrace). (takes the universe lock, then the clock lock)
    void SetChain(const PtolemyOrbit* chain);
    // (takes the universe lock)
    int OrbCount();
    // A new chain of 4 to 7 random orbs. (takes the universe lock)
    void Randomize();
    // One period of the motion into the full trace, now. (takes the universe lock)
    void RecomputeFullTrace();
    // Called on the clock thread with the clock lock held; takes no lock of its own.
    void AppendPosition(double t);
    // The radius that must fit into the view for these draw flags. (takes the universe lock)
    double ViewExtent(std::int32_t flags);

    // The planet's model position at t (the origin without a chain). (takes the universe lock)
    ModelPoint PlanetPosition(double t);

    // The planet sprite's name; an empty name is first replaced by "planet".
    std::string BitmapName();
    // Loads the planet sprites `name` (null: "planet") from the resource library;
    // E_FAIL without changing anything when the library is not loaded.
    HRESULT SetBitmap(const char* name);

    // Draws the match trail, the trail, the circles and the planet. cx, cy: the view's
    // half-width and half-height in pixels; scale: pixels per unit. (takes the universe lock)
    // `layer` picks the traces drawn (see TraceLayer). With a `sunFrame` (see SunFrame), the
    // system as seen from the Sun at the view's centre: each trail record less the Sun at its
    // time (the Sun system's own trail becomes the Earth's path), the circles turning about
    // the Earth where it is now, the planet less the Sun; not the observations of a matched
    // trail, which were seen from the Earth, nor the cycles' names without their circles.
    // `names`: where the names go, shared by the systems of one drawing so that none covers
    // another's or the Earth; null: no names.
    HRESULT DrawSystem(raster::DeviceContext& device, std::int32_t flags, std::int32_t cx, std::int32_t cy, double t,
        double scale, TraceLayer layer = TraceLayer::Both, const SunFrame* sunFrame = nullptr,
        LabelPlacement* names = nullptr);
    // What this system's part of a still layer (see TraceLayer) looks like under these flags
    // at model time t: 0 when it has none, else a value that changes when its picture may.
    // It also fixes which pieces of the running trail the next still and moving layers
    // split between them (see TrailPieces). `sunFrame` as for DrawSystem. (takes the universe lock)
    std::uint64_t StillLayerKey(std::int32_t flags, double t, const SunFrame* sunFrame = nullptr);
    // The radius that must fit into a Sun-centred view for these draw flags: the farthest
    // point of the full trace from the Sun (for the Sun system, the Earth's path) with the room
    // a chain's extent leaves, and with circles the chain's extent carried with the Earth.
    // Measured again only when the trace or the Sun changed. (takes the universe lock)
    double SunFrameExtent(std::int32_t flags, const SunFrame& frame);
    // Draws the system on the sky strip: its matched trail's points, its running trail and
    // its planet as seen from the centre, and with kLabels in `flags` its name. (takes the universe lock)
    // `layer`: the matched trail's points stay (their colours change only as time passes
    // an observation), and, with `trailPiecesStay` (a strip whose span of time is fixed),
    // the whole pieces of the running trail; the rest of the trail and the planet move.
    // `names` as for DrawSystem, on the strip (SkyStrip::namePlacement).
    HRESULT DrawOnSky(raster::DeviceContext& device, const SkyStrip& strip, std::int32_t flags, double t,
        TraceLayer layer = TraceLayer::Both, bool trailPiecesStay = false, LabelPlacement* names = nullptr);
    // Which points this system shows on the sky strip: 0 without any, else a value that
    // changes when they do. How time colours each is told by AddSkyObservationParts.
    // (takes the universe lock)
    std::uint64_t SkyObservationsKey(std::int32_t flags);
    // The points on the strip as parts of the still layer, a part for each run of points
    // consecutive in time: its id `bodyId` plus the run's number, how many of its points lie
    // before t, and the rows from its first point to its last. (takes the universe lock)
    void AddSkyObservationParts(
        const SkyStrip& strip, std::int32_t flags, double t, std::uint64_t bodyId, std::vector<StillPart>& parts);
    // What the whole pieces of the running trail on a strip of fixed span look like: 0 for
    // none; fixes the pieces as StillLayerKey does. (takes the universe lock)
    std::uint64_t SkyTrailPiecesKey();
    // The span of model time of the matched trail; false without one. (takes the universe lock)
    bool MatchedTimeSpan(double& first, double& last);
    // The time of the oldest record of the running trail, or `t` when it is empty. (takes the universe lock)
    double OldestTrailTime(double t);
    // Draws `trail` as lines, animated bands and dots in the selected pen and brush; `part`
    // picks the pieces of unanimated lines, split as in `pieces` (the kept ones get no
    // dots). (takes the universe lock)
    // `placement` puts each record where the frame of the drawing has it.
    void DrawTrace(const ObservationTrail& trail, raster::DeviceContext& device, std::int32_t cx, std::int32_t cy,
        double scale, std::int32_t flags, TrailPart part = TrailPart::All, const KeptTrailPieces& pieces = {},
        const RecordPlacement& placement = {});

    const std::string& GetName() const { return name_; }
    // Null leaves an empty name.
    void SetName(const char* name);
    bool IsVisible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

    ColourRef GetOrbitColour() const { return orbitColour_; }
    void SetOrbitColour(ColourRef colour);
    ColourRef GetTraceColour() const { return traceColour_; }
    void SetTraceColour(ColourRef colour);

    // (takes the universe lock)
    std::int32_t GetTrailLength() const;
    // n >= 0 resizes the running trail; n < 0 is ignored. (takes the universe lock, then the clock lock)
    void SetTrailLength(std::int32_t length);
    std::int32_t GetDotInterval() const { return dotInterval_; }
    void SetDotInterval(std::int32_t interval);
    std::int32_t GetAnimationSpeed() const { return animationSpeed_; }
    void SetAnimationSpeed(std::int32_t speed);
    std::int32_t GetBandWidth() const { return bandWidth_; }
    void SetBandWidth(std::int32_t width);

    // The flags that rule this system in a window of draw request `flags`: the window's when
    // formatted, else its own.
    std::int32_t EffectiveFlags(std::int32_t flags) const;
    std::int32_t GetDisplayFlags() const { return displayFlags_; }
    void SetDisplayFlags(std::int32_t flags) { displayFlags_ = flags; }
    // Sets or clears one flag of the display flags.
    void SetDisplayFlag(std::int32_t flag, bool on);

    // Keeps a copy of the trail to match (null removes it) and remembers its extent,
    // so that the views need not measure it on every paint.
    void SetMatchTrail(const ObservationTrail* trail) override;

    // Creates the match pens and the colour pens and brushes for drawing on `device`.
    void AttachDevice(raster::DeviceContext& device);

    // Records `path` as the match file, then loads it as the observation trail to
    // match (the XML layer's own messages shown when reportXmlErrors is 1); the previous
    // trail stays on failure. (takes the universe lock)
    HRESULT LoadMatchTrail(const std::string& path, std::int32_t reportXmlErrors = 0);
    // Lets the user choose a trail file, then loads it with every message shown;
    // cancelling changes nothing, and a file that does not load keeps the previous trail
    // and match file. (takes the universe lock)
    HRESULT ChooseMatchTrail(QWidget* parent);
    // The path of the trail last loaded successfully (or as set by the editing dialog).
    std::string GetMatchPath() const { return matchPath(); }
    // An empty path also forgets the match file, so that a cleared trail is no longer
    // named by the universe file.
    void SetMatchPath(const std::string& path);
    // The trail file last asked for, written to the universe file.
    const std::string& MatchFile() const { return matchFileDialog_.getPath(); }
    // Names `path` as the trail file to write, without loading it (an undo gives it back).
    void SetMatchFile(const std::string& path) { matchFileDialog_.setPath(path.c_str()); }

    // The chain itself, for the file writer; read it under the universe lock (held through
    // the universe, which the analysis cannot match with the owner's).
    const PtolemyOrbit* Chain() const NO_THREAD_SAFETY_ANALYSIS { return head_.get(); }
    // Empties the running trail; called by the universe's Reset with both locks held.
    // (takes the universe lock, then the clock lock)
    void ClearRunningTrail();
    // The running trail as if the model had run to `t` in steps of `step` from time 0:
    // the positions at t, t - step, ... (not below 0) as far back as it holds. Called by
    // the universe's seek. (takes the universe lock, then the clock lock)
    void RefillRunningTrail(double t, double step);

    // Read it under the universe lock, and walk it under its own (a tick may append).
    const ObservationTrail& RunningTrail() const { return runningTrail_; }
    // One period of the chain's motion, computed when it is first asked for after the chain
    // changed: a system replaced before anything reads its trace (the random system a new
    // universe starts with, when its "src" argument then loads a file) costs none, and only
    // systems drawn with their full trace compute one. Read it on the window thread; the
    // clock thread never does. (takes the universe lock)
    const ObservationTrail& FullTrace() const;
    const Sprite& PlanetSprite() const { return planetSprite_; }
    const Sprite& MatchedSprite() const { return matchedSprite_; }
    std::int32_t AnimationPhase() const { return animationPhase_; }

private:
    // Attaches `device` once; the flags that rule this system (the window's when formatted,
    // else its own), or nothing while it is hidden. (caller holds the universe lock)
    std::optional<std::int32_t> FlagsToDraw(raster::DeviceContext& device, std::int32_t flags)
        REQUIRES(owner_->UniverseMutex());
    // The trace shown under these effective flags stays from frame to frame.
    static bool TraceStays(std::int32_t effectiveFlags);
    // The effective flags in the frame of a drawing: in a Sun-centred one, no matched observations.
    static std::int32_t FlagsInFrame(std::int32_t effectiveFlags, const SunFrame* sunFrame);
    // What the trace's part of a still layer looks like under these effective flags: 0 for
    // none. (caller holds the universe lock)
    std::uint64_t TraceStillKey(std::int32_t effectiveFlags) REQUIRES(owner_->UniverseMutex());
    // The farthest record of the full trace from the origin of `placement`.
    // (caller holds the universe lock)
    double FarthestTraceRecord(const RecordPlacement& placement) REQUIRES(owner_->UniverseMutex());
    // The planet's sprite at `planet` and, with kLabels in the window's `flags`, the system's
    // name by the planet and, with `cycleNames`, the cycles' by their centres (the chain
    // turning about `chainCentre`), each where `names` finds room; none when it is null.
    // (caller holds the universe lock)
    void DrawPlanetAndNames(raster::DeviceContext& device, std::int32_t effectiveFlags, std::int32_t flags, double t,
        QPoint chainCentre, double scale, QPoint planet, const Sprite& sprite, bool cycleNames, LabelPlacement* names)
        REQUIRES(owner_->UniverseMutex());
    // The running trail's whole pieces stay from frame to frame under these effective flags.
    static bool TrailPiecesStay(std::int32_t effectiveFlags);
    // The deferent's circle stays, and is drawn before the moving parts of the trace.
    bool DeferentStays(std::int32_t effectiveFlags) const REQUIRES(owner_->UniverseMutex());
    // The running trail's whole pieces now. (caller holds the universe lock)
    KeptTrailPieces WholeTrailPieces() REQUIRES(owner_->UniverseMutex());
    // The part of the trace that stays (the whole one-period trace, or the running trail's
    // kept pieces) and the part that moves.
    // (caller holds the universe lock, as for the two below)
    void DrawStillTrace(raster::DeviceContext& device, std::int32_t cx, std::int32_t cy, double scale,
        std::int32_t flags, const KeptTrailPieces& pieces, const RecordPlacement& placement = {})
        REQUIRES(owner_->UniverseMutex());
    void DrawMovingTrace(raster::DeviceContext& device, std::int32_t cx, std::int32_t cy, double scale, double t,
        std::int32_t flags, const KeptTrailPieces& pieces, const RecordPlacement& placement = {})
        REQUIRES(owner_->UniverseMutex());
    void DrawChainCircles(raster::DeviceContext& device, double t, std::int32_t cx, std::int32_t cy, double scale,
        ChainCircles which) REQUIRES(owner_->UniverseMutex());
    // Computes the full trace when the chain changed since. (caller holds the universe lock)
    void BringFullTraceUpToDate() const REQUIRES(owner_->UniverseMutex());
    // Text in `colour` without a background, for names drawn over the picture.
    static void UseLabelText(raster::DeviceContext& device, ColourRef colour);
    // The animated bands' phase at model time t: bands move with the model, not with the
    // draws, so a paused universe's bands stand still and its windows show them alike.
    void SetAnimationTime(double t);
    // The running trail or (with kFullTrace) the full trace, in the trace's pen and brush.
    // (caller holds the universe lock)
    void DrawTraceInPen(raster::DeviceContext& device, std::int32_t cx, std::int32_t cy, double scale,
        std::int32_t flags, TrailPart part, const KeptTrailPieces& pieces, const RecordPlacement& placement)
        REQUIRES(owner_->UniverseMutex());
    // Fixes the running trail's pieces for the layers to come; 0 without whole pieces, else
    // a value naming them. (caller holds the universe lock)
    std::uint64_t KeepTrailPieces() REQUIRES(owner_->UniverseMutex());
    // One polyline through the records at logical positions first ... last.
    // The caller holds the trail's lock, as for the two below.
    static void DrawTracePiece(const ObservationTrail& trail, raster::DeviceContext& device, std::int32_t cx,
        std::int32_t cy, double scale, std::int32_t first, std::int32_t last, const RecordPlacement& placement)
        REQUIRES(trail.Mutex());
    // The whole trail in bands of the universe's animation pens. (caller holds the universe lock)
    void DrawBandedTraceLines(const ObservationTrail& trail, raster::DeviceContext& device, std::int32_t cx,
        std::int32_t cy, double scale, const RecordPlacement& placement)
        REQUIRES(trail.Mutex(), owner_->UniverseMutex());
    // The dots of the records at logical positions first ... end - 1.
    void DrawTraceDots(const ObservationTrail& trail, raster::DeviceContext& device, std::int32_t cx, std::int32_t cy,
        double scale, bool drag, std::int32_t first, std::int32_t end, const RecordPlacement& placement)
        REQUIRES(trail.Mutex());
    // True when the planet at `planet` lies within 5 % of the view's half-sizes of
    // the observation `observed`, each axis by itself.
    static bool IsMatched(ModelPoint planet, ModelPoint observed, std::int32_t cx, std::int32_t cy, double scale);

    PtolemyUniverse* owner_;
    std::string name_ = "Orbit System";
    // The chain and the running trail: changed under both locks, read under either (the
    // clock thread reads the chain and appends to the trail under the clock lock alone).
    std::unique_ptr<PtolemyOrbit> head_ GUARDED_BY(owner_->UniverseMutex());
    double extent_ = 0;
    double matchExtent_ = 0; // MatchExtent() of the current match trail
    std::int32_t displayFlags_;
    ColourRef orbitColour_ = makeColour(0, 0, 0);
    ColourRef traceColour_ = makeColour(255, 0, 0);
    raster::Pen orbitPen_;
    raster::Brush orbitBrush_;
    raster::Pen tracePen_;
    raster::Brush traceBrush_;
    bool deviceAttached_ = false;
    ObservationTrail runningTrail_ GUARDED_BY(owner_->UniverseMutex()) { 1 };
    // Written only by BringFullTraceUpToDate, under the universe lock.
    mutable ObservationTrail fullTrace_ GUARDED_BY(owner_->UniverseMutex()) { 1 };
    // The chain changed since the full trace was computed (a new body has computed none).
    mutable bool fullTraceStale_ GUARDED_BY(owner_->UniverseMutex()) = true;
    FileDialogHelper matchFileDialog_;
    std::string bitmapName_ = "planet";
    Sprite planetSprite_;
    Sprite matchedSprite_;
    bool visible_ = true;
    std::int32_t dotInterval_ = 10;
    std::int32_t animationSpeed_ = 100;
    std::int32_t bandWidth_ = 10;
    std::int32_t animationPhase_ = 0;
    std::int32_t currentPen_ = 0;
    // The running trail's pieces in the still layer, as StillLayerKey last fixed them
    // (window thread).
    KeptTrailPieces keptPieces_ GUARDED_BY(owner_->UniverseMutex());
    // The sky strip's longitudes of the running trail's records and of the observations.
    TrailLongitudes runningLongitudes_ GUARDED_BY(owner_->UniverseMutex());
    TrailLongitudes observedLongitudes_ GUARDED_BY(owner_->UniverseMutex());
    // FarthestTraceRecord in the Sun-centred frame last asked for, and what it was measured for.
    double sunFrameFarthest_ GUARDED_BY(owner_->UniverseMutex()) = 0;
    std::uint64_t sunFrameFarthestKey_ GUARDED_BY(owner_->UniverseMutex()) = 0;
};
