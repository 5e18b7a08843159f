#pragma once
// Turns layout files into live windows inside one host window.
//
// The layout being loaded is kept in the loaded collections, apart from the layout on
// screen (the committed collections); a successful parse swaps them in one step, the
// commit, which destroys every old window and image source before creating any new
// window. A layout that fails to load leaves the one on screen untouched.
//
// The display manager is also an image source (its statistics view) and its own
// source's owner. Threading: used on the thread that owns the host window. Every
// operation holds the display manager's re-entrant lock (the ImageSource lock) for its
// whole run, except while a file dialog is open. Lock order: display manager,
// collection, window registry (docs/threads.md).
//
// Re-entry: a load, reload or layout choice asked for while a command handler or a
// dialog is on the window thread's stack (platform::HandlerScope) would destroy
// windows and sources that the handler may still use. Such a request is kept (the
// latest wins) and carried out from the event loop once the handler has returned.
#include "display/HostArea.h"
#include "display/ImageSourceCollection.h"
#include "documents/FileDialogHelper.h"
#include "drawing/FractionalRect.h"
#include "imagesource/ClockDrivenSource.h"
#include "imagesource/ImageSource.h"
#include "imagesource/SourceOwner.h"
#include "imagesource/WindowSpec.h"
#include "platform/Colour.h"
#include "platform/Result.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ImageSourceBuilder;
class QObject;
class QWidget;
class XmlDocument;
class XmlNode;

class DisplayManager : public HostArea, public FileDialogHelper, public ImageSource, public SourceOwner {
public:
    // The colour of a layout without a BackgroundColor element: red, green and blue 128.
    static constexpr ColourRef kDefaultLayoutColour = makeColour(128, 128, 128);
    // A layout shows at most this many image sources (each animated one runs a clock
    // thread); the rest are left out, with a message when errors are reported.
    static constexpr std::int32_t kMaxImageSources = 128;

    // Reads the root directory from the registry; relative paths of layouts and data
    // files resolve against it (the working directory is never changed).
    DisplayManager();
    // As above; `sourceBuilder` (the engine's own when null) makes the image sources of
    // every layout loaded: a checker of layouts, such as the layout fuzzer, gives one
    // whose sources start no clock.
    explicit DisplayManager(std::unique_ptr<ImageSourceBuilder> sourceBuilder);
    // Destroys the loaded collections, then the committed ones, then every window that
    // shows the statistics of this display manager.
    ~DisplayManager() override;

    // Runs loadWithDialog.
    HRESULT chooseAndLoad() override;
    // Runs loadWithDialog from the event loop once no handler or dialog is on the stack.
    HRESULT requestLayoutChoice() override;
    // True while a layout change waits for the handler on the stack to return.
    bool hasPendingChange() const { return static_cast<bool>(pendingChange_); }

    // Keeps `window` (not owned) as the host and paints its background in the applied colour.
    HRESULT attachWindow(QWidget* window, std::int32_t reportErrors);
    // The part of the host's client area the layout fills, as fractions. E_INVALIDARG for an
    // invalid fractional rectangle (checked first), E_FAIL when no window is attached.
    HRESULT setScreenRect(double left, double top, double right, double bottom);

    // Loads, parses and commits the layout file at `path`, which becomes the current path
    // (also when the load fails, so that reload tries it again). Counted as a load.
    // Inside a handler or dialog the load waits until it has returned: S_FALSE.
    HRESULT load(const char* path, std::int32_t reportErrors);
    // Asks for a layout file and loads it with messages on; a cancelled dialog or a failed
    // load puts the previous current path back. Counted as a load.
    HRESULT loadWithDialog();
    // Loads the current path again.
    HRESULT reload(std::int32_t reportErrors);
    // The current path when the layout on screen was committed (empty before the first):
    // the current path names the last layout asked for, also one that failed to load.
    const std::string& pathOnScreen() const { return pathOnScreen_; }
    // Parses the document's Layout element into the loaded collections and commits them.
    // A failure empties the loaded collections and leaves the layout on screen.
    HRESULT apply(XmlDocument* document, std::int32_t reportErrors);
    // Replaces the layout on screen by the loaded collections and creates their windows.
    HRESULT commit();
    // Lays out again every window of this display manager after the host changed size.
    HRESULT onSize();

    // Paints the host's background in the applied colour (nothing when not attached).
    HRESULT applyBackgroundColour(std::int32_t reportErrors);
    HRESULT setAppliedColour(ColourRef colour, std::int32_t reportErrors);
    HRESULT setLayoutColour(ColourRef colour);

    // Collection access for the layout loader. Each checks 0 <= index < loadedCount()
    // (E_INVALIDARG) and forwards to the loaded collection.
    HRESULT allocateCollections(std::int32_t count);
    HRESULT setWindowCount(std::int32_t index, std::int32_t count);
    HRESULT setSource(std::int32_t index, std::unique_ptr<ImageSource> source);
    // The collection's source (owned by the collection), or null.
    HRESULT getSource(std::int32_t index, ImageSource** source);
    HRESULT setWindow(std::int32_t index, std::int32_t windowIndex, const WindowSpec& spec);
    HRESULT clearLoaded();
    // Adds one load, and one failed load when `result` is a failure.
    void countLoad(HRESULT result);

    // The statistics view: white, and with bit 0 of the draw request three lines of counters.
    HRESULT Draw(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;

    // The pixels of `rect` inside `client`, each edge truncated toward zero.
    static PixelRect fractionToPixels(const FractionalRect& rect, const PixelRect& client);

    std::int32_t totalCommits();
    std::int32_t totalLoads();
    std::int32_t totalFailedLoads();
    std::int32_t totalControlWindows();
    std::int32_t totalObserverWindows();
    std::int32_t totalImageSources();
    std::string rootDir();
    ColourRef appliedColour();
    ColourRef layoutColour();
    // The text of the last layout error message.
    std::string message();
    std::int32_t loadedCount();
    std::int32_t committedCount();
    // The committed (on screen) collection at `index`, or null; for tests and the shell.
    const ImageSourceCollection* committedCollection(std::int32_t index);
    QWidget* hostWindow();
    FractionalRect screenRect();
    bool isAttached();
    bool isScreenRectSet();

    // How fast the clocks of the layout on screen run (1: as their sources set them); kept
    // for every layout loaded later (DisplayManagerTime.cpp).
    void setTimeRate(double rate);
    double timeRate() const { return timeRate_; }
    // The model time of the first animated source on screen, with the calendar year of
    // its time 0 when the source's time is dated; nothing without an animated source.
    struct ModelTime {
        double time = 0;
        std::optional<std::int32_t> startYear;
        // The span of the observations that source is matched against, when it is.
        std::optional<ClockDrivenSource::TimeSpan> observed;
        bool paused = false;
    };
    std::optional<ModelTime> modelTime();

    // The time controls of the whole screen (DisplayManagerTime.cpp), on every animated
    // source on screen. A new layout starts unheld, with the stop below applied.
    // Holding pauses every running source; releasing resumes those that holding paused.
    void holdAll(bool hold);
    bool isHeld() const { return held_; }
    // Holds the screen, then moves every source that can seek `frames` frames on (back
    // when negative), not below time 0.
    void stepAll(std::int32_t frames);
    // Moves every source whose time is dated to the model time `timeOf` gives for the
    // calendar year of its time 0; the number of sources moved.
    std::int32_t seekDated(const std::function<double(std::int32_t startYear)>& timeOf);
    // Sources matched against observations stop by themselves at the last one (on by default).
    void setStopAtEndOfObservations(bool stop);
    bool stopsAtEndOfObservations() const { return stopAtEnd_; }
    // Gives every source its stop time again (its observations may have changed since).
    void refreshStopTimes();
    // The animated sources on screen, in layout order.
    std::vector<ClockDrivenSource*> animatedSources();
    // Every animated source's readout lines, in layout order.
    std::vector<std::string> readoutLines();

private:
    using CollectionList = std::vector<std::unique_ptr<ImageSourceCollection>>;

    void readRootDirectory();
    // True (and `change` kept for later) when a handler or dialog is on the stack.
    bool deferWhileBusy(std::function<void()> change);
    void runPendingChange();
    void setMessage(const std::string& text);
    // Writes `text` into the message buffer and shows it with `caption` when reportErrors is 1.
    void reportLayoutError(const std::string& text, const char* caption, std::int32_t reportErrors);
    ImageSourceCollection* loadedAt(std::int32_t index);
    // Gives the time rate and the stop time to every animated source on screen.
    void applyTimeSettings();

    // The layout loader (DisplayManagerLayout.cpp). Each takes the lock for its whole run.
    HRESULT parseLayout(XmlNode& cursor, std::int32_t reportErrors);
    HRESULT parseBackgroundColor(XmlNode& cursor, std::int32_t reportErrors);
    HRESULT parseCollection(XmlNode& cursor, std::int32_t index, std::int32_t reportErrors);
    HRESULT buildSource(XmlNode& cursor, std::int32_t index, std::int32_t reportErrors);
    HRESULT parseWindows(XmlNode& cursor, std::int32_t index, std::int32_t reportErrors);
    HRESULT parseWindow(XmlNode& cursor, std::int32_t index, WindowSpec& spec, std::int32_t reportErrors);
    HRESULT parseScreenRect(XmlNode& cursor, WindowSpec& spec, std::int32_t reportErrors);
    HRESULT parseControlWindow(XmlNode& cursor, WindowSpec& spec, std::int32_t reportErrors);
    HRESULT parseObserverWindow(XmlNode& cursor, WindowSpec& spec, std::int32_t reportErrors);

    // Posted work dies with this object: a change still waiting when the display
    // manager goes is dropped.
    std::unique_ptr<QObject> deferralContext_;
    std::unique_ptr<ImageSourceBuilder> sourceBuilder_; // its lock is taken inside the display manager's
    std::function<void()> pendingChange_; // the layout change waiting for the stack to unwind
    CollectionList loaded_; // the layout being loaded
    CollectionList committed_; // the layout on screen
    std::string message_; // at most 511 characters
    std::string pathOnScreen_;
    std::int32_t totalCommits_ = 0;
    std::int32_t totalLoads_ = 0;
    std::int32_t totalFailedLoads_ = 0;
    std::int32_t totalControlWindows_ = 0;
    std::int32_t totalObserverWindows_ = 0;
    std::int32_t totalImageSources_ = 0;
    std::string rootDir_; // empty when the registry gave none
    ColourRef appliedColour_ = 0; // last colour given to the host's background
    ColourRef layoutColour_ = 0; // the loaded layout's colour, applied at commit
    double timeRate_ = 1.0;
    bool held_ = false;
    bool stopAtEnd_ = true;
};
