#pragma once
// The image source of layout type "PtolemyUniverse": a list of systems of cycles
// turning on a model clock, drawn into every observer window that shows it, with
// six buttons (Restart, Pause/Resume, Load, Save, Random, Edit) for control windows.
//
// Threading: the window thread draws, handles buttons and parses arguments under
// the universe lock (the ImageSource lock); the clock thread calls OnTick with the
// clock lock held and walks the body list under that lock alone. Whoever takes
// both takes the universe lock first; every change of the body list or of a chain
// holds both. GetGeneration reads the clock's atomic tick count without a lock.
//
// Its clock is a PtolemyUniverseClock, whose ticks walk the body list: the destructor
// stops the clock before the bodies go.
// See docs/threads.md.
#include "imagesource/ClockDrivenSource.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/TraceLayer.h"
#include "ptolemy/UniverseFileDialog.h"
#include "raster/DeviceContext.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class XmlDocument;
struct UniverseFileReport;

// What running the systems dialog gave: its result (below 1 is a failure) and, on
// failure, the platform's text for the error.
struct SystemsDialogOutcome {
    std::int32_t result = -1;
    std::string errorText;
};

class PtolemyUniverse : public ClockDrivenSource {
public:
    // Runs the systems dialog modally over `parent` (the control window, also its
    // initialisation value). The editing dialogs install theirs; until then the
    // default answers that the dialog's template cannot be found. Called with no lock
    // held: the dialogs take the universe's locks for each change they make.
    using SystemsDialogRunner = std::function<SystemsDialogOutcome(QWidget* parent)>;

    static constexpr std::int32_t kButtonCount = 6;
    static constexpr std::int32_t kNumberOfPens = 5;

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
    std::uint64_t StillLayerKey(std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    HRESULT DrawStillLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    HRESULT DrawMovingLayer(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    // The start year of the first system's matched trail: its time t is years after it.
    std::optional<std::int32_t> calendarStartYear() override;

    // The operations shared with the other clock-driven sources.
    virtual HRESULT DrawStatistics(
        raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height);
    virtual HRESULT DrawModel(
        raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height);
    // The sky seen from the centre (draw argument "sky"): see SkyStrip.
    // `layer`: the grid stays, the systems move.
    HRESULT DrawSky(raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height,
        TraceLayer layer = TraceLayer::Both);
    // Time and tick count back to 0, every running trail cleared; the pause stays.
    virtual HRESULT Reset();

    // Called by the clock thread with the clock lock held, after time advanced.
    void OnTick(double t);

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
    BodyList& Bodies() { return bodies_; }
    UniverseFileDialog& FileDialog() { return fileDialog_; }
    SimulationClock& Clock();
    void LockClock();
    void UnlockClock();
    // The model time (under the clock lock).
    double Time();

    // True once the universe has drawn; new bodies then attach at once.
    bool DeviceReady() const { return deviceReady_; }
    const raster::Pen& AnimationPen(std::int32_t index) const;

    static void setSystemsDialogRunner(SystemsDialogRunner runner);

private:
    HRESULT SetTrailLengthOfAll(std::int32_t length);
    // The span of model time the sky strip shows. (universe and clock locked)
    // True when the matched trails set it (it then stays as time runs).
    bool SkyTimeSpan(double t, double& first, double& last);
    void CreateAnimationPens();
    void AttachDevice(raster::DeviceContext& context);
    // Attaches the device on the first draw and makes a due automatic change.
    void PrepareToDraw(raster::DeviceContext& context);
    void ChangeAutomaticallyWhenDue();
    // The systems in the plane, with their traces in the layer asked for. (takes the locks)
    HRESULT DrawSystems(raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width,
        std::int32_t height, TraceLayer layer);
    // What the sky strip's still layer shows at model time t. (universe locked)
    std::uint64_t SkyStillKey(std::int32_t drawRequest, double t);
    // Pixels per unit that fit every system's extent into a view of these half-sizes. (universe locked)
    double FittingScale(std::int32_t drawRequest, std::int32_t halfWidth, std::int32_t halfHeight);
    void TogglePause(QWidget* window);
    HRESULT LoadCommand(QWidget* window);
    HRESULT SaveCommand(QWidget* window);
    HRESULT EditCommand(QWidget* window);
    HRESULT ChooseLayoutCommand();
    static void ShowUnrecognizedArgument(const std::string& name, const std::string& value);
    HRESULT LoadSourceArgument(const std::string& path, std::int32_t reportErrors);
    static bool DrawFlagOf(const std::string& name, std::int32_t& flag);

    UniverseFileDialog fileDialog_;
    BodyList bodies_;
    std::string shownFile_;
    bool autoChange_ = false;
    std::int32_t changeCycle_ = 1000;
    std::int64_t lastChange_ = 0;
    bool deviceReady_ = false;
    std::array<raster::Pen, kNumberOfPens> animationPens_;
    std::array<raster::Brush, kNumberOfPens> animationBrushes_;
};
