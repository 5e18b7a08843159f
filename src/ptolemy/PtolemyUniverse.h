#pragma once
// The image source of layout type "PtolemyUniverse": a list of systems of cycles
// turning on a model clock, drawn into every observer window that shows it, with
// six buttons (Restart, Pause/Resume, Load, Save, Random, Edit) for control windows.
//
// Threading: the window thread draws, handles buttons and parses arguments under
// the universe lock (the ImageSource lock, UniverseMutex()); the clock thread calls
// OnTick with the clock lock (Clock()) held and walks the body list under that lock
// alone. Whoever takes both takes the universe lock first; every change of the body
// list or of a chain holds both. GetGeneration reads the clock's atomic tick count
// without a lock. The universe lock guards the members below (GUARDED_BY); functions
// marked "(caller holds the universe lock)" require it (REQUIRES), and the button
// commands, which open dialogs and message boxes, exclude it (EXCLUDES).
//
// Its clock is a PtolemyUniverseClock, whose ticks walk the body list: the destructor
// stops the clock before the bodies go.
// See docs/threads.md.
#include "imagesource/ClockDrivenSource.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/MatchError.h"
#include "ptolemy/ResidualPlot.h"
#include "ptolemy/SunCentredPlaces.h"
#include "ptolemy/SunFrame.h"
#include "ptolemy/TraceLayer.h"
#include "ptolemy/UniverseFileDialog.h"
#include "raster/DeviceContext.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class XmlDocument;
struct UniverseFileReport;

// What running the systems dialog gave: its result (below 1 is a failure) and, on
// failure, the platform's text for the error.
struct SystemsDialogOutcome {
    std::int32_t result = -1;
    std::string errorText;
};

class PtolemyUniverse final : public ClockDrivenSource {
public:
    // Runs the systems dialog modally over `parent` (the control window, also its
    // initialisation value). The editing dialogs install theirs; until then the
    // default answers that the dialog's template cannot be found. Called with no lock
    // held: the dialogs take the universe's locks for each change they make.
    using SystemsDialogRunner = std::function<SystemsDialogOutcome(QWidget* parent)>;

    static constexpr std::int32_t kButtonCount = 6;
    static constexpr std::int32_t kNumberOfPens = 5;
    // The Earth is drawn centred on its place, cut to at most this many pixels square.
    static constexpr int kEarthSize = 15;
    // What the Earth's picture covers when it is drawn at `earth`.
    static QRect EarthBox(QPoint earth);
    // The name a Sun-centred view looks for when no "sun" draw argument names another.
    static constexpr const char* kSunName = "Sun";
    // Index of the Pause/Resume button in the control window.
    static constexpr int kPauseButton = 1;

    PtolemyUniverse();
    ~PtolemyUniverse() override;

    // Draws straight onto the area (no white ground, whatever its size): the statistics
    // view or the model view.
    HRESULT Draw(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    std::int32_t GetButtonCount() override;
    const ButtonSpec* GetButtons() override;
    HRESULT OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t lparam) override;
    void OnMouse(QWidget* window, std::uint32_t message, std::intptr_t lparam, std::uintptr_t wparam,
        std::int32_t drawRequest) override;
    HRESULT SetDrawArgument(const std::string& name, const std::string& value, std::int32_t& drawRequest,
        std::int32_t reportErrors) override;
    HRESULT SetArgument(const std::string& name, const std::string& value, std::int32_t reportErrors) override;
    HRESULT GetDefaultDrawRequest(std::int32_t* drawRequest) override;
    std::string AccessibleName(std::int32_t drawRequest) override;
    std::string AccessibleDescription(std::int32_t drawRequest) override;
    // The still layer: in the plane, the one-period traces (lines and dots) of the systems
    // that show them unanimated, which change only when a chain, a colour, the view or the
    // request does, and the observations of the matched trails but the current one; on the
    // sky strip, its grid and the observations. Everything else moves. Observations change
    // colour as time passes them, so their layer is drawn again then.
    // On a matched sky strip the observations are the still layer's parts instead, so that
    // a window draws again only the rows of those that time passed; the key fixes the
    // moment the still layer then shows.
    std::uint64_t StillLayerKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    void StillLayerParts(
        std::int32_t width, std::int32_t height, std::int32_t drawRequest, std::vector<StillPart>& parts) override;
    HRESULT DrawStillLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    HRESULT DrawStillRows(raster::DeviceContext& context, std::int32_t width, std::int32_t height,
        std::int32_t drawRequest, int top, int bottom) override;
    HRESULT DrawMovingLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    // The start year of the first system's matched trail: its time t is years after it.
    std::optional<std::int32_t> calendarStartYear() override;

    // The screen's time controls (PtolemyUniverseTime.cpp): the span of the visible
    // systems' matched observations; a seek sets the time and refills every running trail
    // as if the model had run there with today's step.
    std::optional<TimeSpan> observedTimeSpan() override;
    bool seekTo(double time) override;

    // The operations shared with the other clock-driven sources.
    HRESULT DrawStatistics(
        raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height);
    HRESULT DrawModel(
        raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height);
    // The sky seen from the centre (draw argument "sky"): see SkyStrip.
    // `layer`: the grid stays, the systems move.
    // `rows`: only what reaches pixel rows [first, second) of the still layer.
    HRESULT DrawSky(raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height,
        TraceLayer layer = TraceLayer::Both, std::optional<std::pair<int, int>> rows = std::nullopt);
    // The residual plot (draw argument "residuals"): each matched system's model minus
    // observed longitude against time (see ResidualPlot). `layer`: the plot stays, the
    // marker of the time shown moves.
    HRESULT DrawResiduals(raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width,
        std::int32_t height, TraceLayer layer = TraceLayer::Both);
    // The Sun-centred view (draw argument "frame=sun", see SunFrame) at model time t for a
    // window's draw request: the Earth and each visible system's planet relative to the
    // planet of the Sun system, the first system with cycles named as the request's "sun"
    // argument says ("Sun" without one); nothing when the universe has no such system.
    // (takes the universe lock)
    std::optional<SunCentredPlaces> SunCentredPlacesAt(double t, std::int32_t drawRequest);
    // What a Sun-centred window says when the universe has no Sun system for its request.
    // (takes the universe lock)
    std::string MissingSunText(std::int32_t drawRequest);
    // The error readout at model time t: one MatchError for each visible system with a chain
    // matched to a trail, in list order; with a window's draw request, only those whose match
    // that window shows (a residual plot shows all). (takes the universe lock)
    std::vector<MatchError> MatchErrors(double t, std::optional<std::int32_t> drawRequest = std::nullopt);
    // The readout's lines (MatchError::text) at the model time now, for a time bar to show:
    // cheap enough to ask a few times a second. (takes the universe lock)
    std::vector<std::string> MatchErrorTexts();
    std::vector<std::string> readoutLines() override { return MatchErrorTexts(); }
    // Time and tick count back to 0, every running trail cleared; the pause stays.
    HRESULT Reset();
    // A new generation: every window draws the systems as they are now, paused or not.
    void ShowChange();

    // Called by the clock thread with the clock lock held, after time advanced.
    void OnTick(double t) REQUIRES(Clock());

    // Every body draws a new random chain; the shown file is cleared.
    void RandomizeAll();
    // Null empties it.
    void SetShownFile(const char* path);
    std::string ShownFile();
    void SetAutoChange(bool on);
    bool AutoChange();
    // E_INVALIDARG for milliseconds <= 0.
    HRESULT SetChangeCycle(std::int32_t milliseconds);
    std::int32_t ChangeCycle();

    // Replaces the systems by those of the universe file at `path` (the "src"
    // argument); the systems on show stay when the file does not read as a universe.
    HRESULT LoadFromPath(const std::string& path, UniverseFileReport* report = nullptr);
    // Replaces the systems by those of a loaded universe document; on failure the
    // systems on show stay.
    HRESULT ReplaceFromDocument(XmlDocument& document, UniverseFileReport* report = nullptr);
    // After a Load of a document: why it was refused (not a universe file, or the number that
    // refused it), or the systems it held beyond the most a universe takes, as a message.
    static void ShowLoadReport(const std::string& path, const UniverseFileReport& report, bool loaded);
    static std::string LoadFailureText(const std::string& path, const UniverseFileReport& report);

    // The systems. Change the list only with both locks held (LockClock inside Lock).
    // (caller holds the universe lock)
    BodyList& Bodies() REQUIRES(lock_) { return bodies_; }
    UniverseFileDialog& FileDialog() { return fileDialog_; }
    // The universe lock, as lock annotations name it; Lock() and Unlock() take and release it.
    const platform::CriticalSection& UniverseMutex() const RETURN_CAPABILITY(lock_) { return lock_; }
    SimulationClock& Clock() RETURN_CAPABILITY(clock());
    void LockClock() ACQUIRE(Clock());
    void UnlockClock() RELEASE(Clock());
    // The model time (under the clock lock).
    double Time();

    // True once the universe has drawn; new bodies then attach at once.
    // (caller holds the universe lock)
    bool DeviceReady() const REQUIRES(lock_) { return deviceReady_; }
    // (caller holds the universe lock)
    const raster::Pen& AnimationPen(std::int32_t index) const REQUIRES(lock_);

    static void setSystemsDialogRunner(SystemsDialogRunner runner);

protected:
    // Every control window's Pause button tells the new state.
    void pauseChangedByScreen(bool paused) override;

private:
    // (caller holds the universe lock)
    HRESULT SetTrailLengthOfAll(std::int32_t length) REQUIRES(lock_);
    // The body list as OnTick walks it, under the clock lock alone.
    const BodyList& BodiesOnTick() REQUIRES(Clock());
    // The span of model time the sky strip shows at model time t. (caller holds the
    // universe lock) True when the matched trails set it (it then stays as time runs).
    bool SkyTimeSpan(double t, double& first, double& last) REQUIRES(lock_);
    void CreateAnimationPens() REQUIRES(lock_);
    // (caller holds the universe lock)
    void AttachDevice(raster::DeviceContext& context) REQUIRES(lock_);
    // Attaches the device on the first draw and makes a due automatic change.
    void PrepareToDraw(raster::DeviceContext& context);
    // (caller holds the universe lock)
    void ChangeAutomaticallyWhenDue() REQUIRES(lock_);
    // The systems in the plane, with their traces in the layer asked for. (takes the locks)
    HRESULT DrawSystems(raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width,
        std::int32_t height, TraceLayer layer);
    // What the sky strip's still layer shows at its fixed moment (skyStill_) but the
    // observations' colours. (caller holds the universe lock)
    std::uint64_t SkyStillKey(std::int32_t drawRequest) REQUIRES(lock_);
    // What the residual plot shows: changes with each matched system's chain, trail and colour.
    // (caller holds the universe lock)
    std::uint64_t ResidualsKey() REQUIRES(lock_);
    // The residual plot's contents, computed again only when ResidualsKey changed.
    // (caller holds the universe lock)
    const ResidualPlot::Contents& ResidualContents() REQUIRES(lock_);
    // Pixels per unit that fit every system's extent into a view of these half-sizes.
    // (caller holds the universe lock)
    double FittingScale(std::int32_t drawRequest, std::int32_t halfWidth, std::int32_t halfHeight) REQUIRES(lock_);
    // Pixels per unit that fit a radius of `extent` into a view of these half-sizes.
    static double ScaleToFit(double extent, std::int32_t halfWidth, std::int32_t halfHeight);
    // The Sun-centred view (PtolemyUniverseSunFrame.cpp). Each takes or needs the universe lock.
    // The "frame" and "sun" draw arguments.
    static HRESULT SetFrame(const std::string& value, std::int32_t& drawRequest);
    HRESULT SetSunName(const std::string& name, std::int32_t& drawRequest) REQUIRES(lock_);
    std::string SunNameOf(std::int32_t drawRequest) REQUIRES(lock_);
    // The frame of the request's Sun system, or nothing without one.
    std::optional<SunFrame> SunFrameOf(std::int32_t drawRequest) REQUIRES(lock_);
    SunCentredPlaces PlacesIn(const SunFrame& frame, double t) REQUIRES(lock_);
    double SunFittingScale(std::int32_t drawRequest, const SunFrame& frame, std::int32_t halfWidth,
        std::int32_t halfHeight) REQUIRES(lock_);
    // What the still layer of a Sun-centred view shows; `sizeAndRequest` names the view.
    std::uint64_t SunCentredStillKey(std::uint64_t sizeAndRequest, std::int32_t width, std::int32_t height,
        std::int32_t drawRequest) REQUIRES(lock_);
    // The systems seen from the Sun, the lines of sight from the Earth and the Earth, or the
    // text that says there is no Sun. (takes the locks)
    HRESULT DrawSunCentred(raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width,
        std::int32_t height, TraceLayer layer);
    // The commands that ask the windows for something or open a dialog or a message box:
    // called with neither lock held (docs/threads.md, rules 1, 3 and 6).
    void TogglePause(QWidget* window) EXCLUDES(lock_, Clock());
    HRESULT LoadCommand(QWidget* window) EXCLUDES(lock_, Clock());
    HRESULT SaveCommand(QWidget* window) EXCLUDES(lock_, Clock());
    HRESULT EditCommand(QWidget* window) EXCLUDES(lock_, Clock());
    HRESULT ChooseLayoutCommand();
    static void ShowUnrecognizedArgument(const std::string& name, const std::string& value);
    HRESULT LoadSourceArgument(const std::string& path, std::int32_t reportErrors);
    static bool DrawFlagOf(const std::string& name, std::int32_t& flag);

    UniverseFileDialog fileDialog_;
    // Changed with both locks held; read under either (OnTick reads it under the clock's).
    BodyList bodies_ GUARDED_BY(lock_);
    std::string shownFile_ GUARDED_BY(lock_);
    bool autoChange_ GUARDED_BY(lock_) = false;
    std::int32_t changeCycle_ GUARDED_BY(lock_) = 1000;
    std::int64_t lastChange_ GUARDED_BY(lock_) = 0;
    bool deviceReady_ GUARDED_BY(lock_) = false;
    std::uint64_t residualsKey_ GUARDED_BY(lock_) = 0;
    // The moment a sky strip's still layer shows and the strip's span of time then, fixed by
    // StillLayerKey (time NaN: none yet), so that its key, its parts and its picture agree
    // whenever a tick lands between them.
    struct SkyMoment {
        double time = std::numeric_limits<double>::quiet_NaN();
        double first = 0;
        double last = 0;
        bool spanFixed = false; // SkyTimeSpan's answer
    };
    SkyMoment skyStill_ GUARDED_BY(lock_);
    ResidualPlot::Contents residuals_ GUARDED_BY(lock_);
    std::array<raster::Pen, kNumberOfPens> animationPens_ GUARDED_BY(lock_);
    // The names of the "sun" draw arguments given so far; a draw request names one by its
    // number (ptolemy_flags::kSunNameMask), the first being "Sun".
    std::vector<std::string> sunNames_ GUARDED_BY(lock_) { kSunName };
};
