#include "ptolemy/PtolemyUniverse.h"

#include "documents/ArgumentText.h"
#include "documents/FileTypes.h"
#include "drawing/SharedSprites.h"
#include "imagesource/SourceViews.h"
#include "platform/DataPath.h"
#include "platform/Message.h"
#include "platform/ProcessClock.h"
#include "platform/RawFile.h"
#include "platform/Release.h"
#include "platform/ResourceLibrary.h"
#include "platform/Text.h"
#include "ptolemy/LabelPlacement.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverseClock.h"
#include "ptolemy/SkyStrip.h"
#include "ptolemy/UniverseFile.h"
#include "ptolemy/UniverseLocks.h"
#include "ptolemy/UserChanges.h"
#include "xml/NumberText.h"
#include "xml/XmlDocument.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

namespace {

const ButtonSpec kButtons[PtolemyUniverse::kButtonCount]
    = { { 0, "Restart" }, { 0, "Pause" }, { 0, "Load" }, { 0, "Save" }, { 0, "Random" }, { 0, "Edit" } };
// The earlier release called the first button "Init".
const ButtonSpec kEarlierButtons[PtolemyUniverse::kButtonCount]
    = { { 0, "Init" }, { 0, "Pause" }, { 0, "Load" }, { 0, "Save" }, { 0, "Random" }, { 0, "Edit" } };

enum Command { kRestart = 0, kPause = 1, kLoad = 2, kSave = 3, kRandom = 4, kEdit = 5, kChooseLayout = 6 };

// The view keeps this many pixels free around the largest system.
constexpr int kViewMargin = 3;

// The platform's texts for a dialog template that the resource library does not
// hold, and for a template whose dialog procedure this build does not have.
constexpr const char* kMissingTemplateText = "The specified resource name cannot be found in the image file.";
constexpr const char* kMissingProcedureText = "The specified procedure could not be found.";
constexpr const char* kSystemsDialogName = "PTSYSTEMSDIALOG";

// The five animation colours, in pen order; the yellow and the cyan are darkened to stand
// 3:1 from the white ground.
const ColourRef kAnimationColours[PtolemyUniverse::kNumberOfPens] = { makeColour(150, 130, 0), makeColour(0, 0, 0),
    makeColour(0, 140, 140), makeColour(37, 150, 230), makeColour(255, 0, 0) };

struct DrawFlagName {
    const char* name;
    std::int32_t flag;
};

const DrawFlagName kDrawFlagNames[] = {
    { "draw_lines", ptolemy_flags::kLines },
    { "draw_circles", ptolemy_flags::kCircles },
    { "draw_formatted", ptolemy_flags::kFormatted },
    { "draw_earth", ptolemy_flags::kEarth },
    { "draw_planet", ptolemy_flags::kPlanet },
    { "draw_dots", ptolemy_flags::kDots },
    { "draw_match", ptolemy_flags::kMatch },
    { "draw_animated", ptolemy_flags::kAnimated },
    { "draw_drag", ptolemy_flags::kDrag },
    { "draw_full_trace", ptolemy_flags::kFullTrace },
    { "sky", ptolemy_flags::kSky },
    { "labels", ptolemy_flags::kLabels },
    { "residuals", ptolemy_flags::kResiduals },
};

// Used until the editing dialogs install their runner: the dialog cannot be created.
SystemsDialogOutcome runMissingSystemsDialog(QWidget*)
{
    const platform::ResourceLibrary* library = platform::ResourceLibrary::current();
    if (!library || library->data(kSystemsDialogName).isEmpty())
        return SystemsDialogOutcome { -1, kMissingTemplateText };
    return SystemsDialogOutcome { -1, kMissingProcedureText };
}

std::mutex runnerMutex;
PtolemyUniverse::SystemsDialogRunner& systemsDialogRunner()
{
    static PtolemyUniverse::SystemsDialogRunner runner = runMissingSystemsDialog;
    return runner;
}

} // namespace

PtolemyUniverse::PtolemyUniverse()
    : ClockDrivenSource(std::make_unique<PtolemyUniverseClock>(*this))
    , fileDialog_(*this)
    , bodies_(this)
{
    lastChange_ = platform::clockMilliseconds();
    CreateAnimationPens();
    {
        UniverseAndClockLock guard(this);
        bodies_.Insert(0, nullptr);
        RandomizeAll();
    }
    clock().start();
}

PtolemyUniverse::~PtolemyUniverse()
{
    // No tick may run into a universe being torn down.
    stopClock();
    UniverseAndClockLock guard(this);
    bodies_.RemoveAll();
}

SimulationClock& PtolemyUniverse::Clock() { return clock(); }

void PtolemyUniverse::LockClock() { clock().Lock(); }

void PtolemyUniverse::UnlockClock() { clock().Unlock(); }

double PtolemyUniverse::Time()
{
    clock().Lock();
    const double time = clock().time();
    clock().Unlock();
    return time;
}

const raster::Pen& PtolemyUniverse::AnimationPen(std::int32_t index) const
{
    const auto slot = static_cast<std::size_t>(std::clamp<std::int32_t>(index, 0, kNumberOfPens - 1));
    return animationPens_[slot];
}

void PtolemyUniverse::CreateAnimationPens()
{
    for (std::size_t k = 0; k < animationPens_.size(); ++k)
        animationPens_[k] = raster::Pen { kAnimationColours[k], 1, raster::Pen::Style::Solid };
}

void PtolemyUniverse::AttachDevice(raster::DeviceContext& context)
{
    CreateAnimationPens();
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        bodies_.Get(i)->AttachDevice(context);
    deviceReady_ = true;
}

void PtolemyUniverse::PrepareToDraw(raster::DeviceContext& context)
{
    UniverseLock guard(this);
    if (!deviceReady_)
        AttachDevice(context);
    ChangeAutomaticallyWhenDue();
}

HRESULT PtolemyUniverse::Draw(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    PrepareToDraw(context);
    if (drawRequest & kDrawStatistics)
        return DrawStatistics(context, drawRequest, width, height);
    return DrawModel(context, drawRequest, width, height);
}

void PtolemyUniverse::ChangeAutomaticallyWhenDue()
{
    if (!autoChange_)
        return;
    const std::int64_t now = platform::clockMilliseconds();
    if (now - lastChange_ > changeCycle_) {
        RandomizeAll();
        lastChange_ = platform::clockMilliseconds();
    }
}

// What stays of every system first, then what moves: the two layers a window keeps and
// draws each frame, with the running trails' pieces fixed as a frame fixes them, so that a
// whole drawing and a window's frame agree pixel for pixel (one system's moving parts
// never cover another's still ones in one and not the other).
HRESULT PtolemyUniverse::DrawModel(
    raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height)
{
    UniverseLock guard(this);
    static_cast<void>(PtolemyUniverse::StillLayerKey(width, height, drawRequest));
    const HRESULT still = DrawStillLayer(context, width, height, drawRequest);
    const HRESULT moving = DrawMovingLayer(context, width, height, drawRequest);
    return FAILED(still) ? still : moving;
}

HRESULT PtolemyUniverse::DrawSystems(
    raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height, TraceLayer layer)
{
    if (drawRequest & ptolemy_flags::kSunFrame)
        return DrawSunCentred(context, drawRequest, width, height, layer);
    // The universe lock keeps the chains still; the clock's lock is taken only to read the time.
    UniverseLock guard(this);
    const std::int32_t halfWidth = width / 2;
    const std::int32_t halfHeight = height / 2;
    const double scale = FittingScale(drawRequest, halfWidth, halfHeight);
    const double t = clock().time();
    const Sprite& earth = sharedSprites().earth;
    const bool drawEarth = (drawRequest & ptolemy_flags::kEarth) && SUCCEEDED(earth.isValid());
    // The systems' names keep off one another and off the Earth's place.
    LabelPlacement names(QRect(0, 0, width, height),
        (drawRequest & ptolemy_flags::kEarth) ? std::vector<QRect> { EarthBox(QPoint(halfWidth, halfHeight)) }
                                              : std::vector<QRect> {});
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        bodies_.Get(i)->DrawSystem(context, drawRequest, halfWidth, halfHeight, t, scale, layer, nullptr, &names);
        if (drawEarth && layer != TraceLayer::StillOnly)
            earth.drawCentred(context, halfWidth, halfHeight, kEarthSize, kEarthSize);
    }
    return S_OK;
}

QRect PtolemyUniverse::EarthBox(QPoint earth)
{
    return QRect(earth.x() - kEarthSize / 2, earth.y() - kEarthSize / 2, kEarthSize, kEarthSize);
}

double PtolemyUniverse::FittingScale(std::int32_t drawRequest, std::int32_t halfWidth, std::int32_t halfHeight)
{
    double extent = 1.0;
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        extent = std::max(extent, bodies_.Get(i)->ViewExtent(drawRequest));
    return ScaleToFit(extent, halfWidth, halfHeight);
}

double PtolemyUniverse::ScaleToFit(double extent, std::int32_t halfWidth, std::int32_t halfHeight)
{
    // An unbounded system (numbers too large to add up) shrinks to the centre.
    return std::isfinite(extent) ? (std::min(halfWidth, halfHeight) - kViewMargin) / extent : 0.0;
}

HRESULT PtolemyUniverse::DrawSky(raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width,
    std::int32_t height, TraceLayer layer, std::optional<std::pair<int, int>> rows)
{
    // The universe lock keeps the chains still; the clock's lock is taken only to read the
    // time. The still layer shows the moment its key fixed.
    UniverseLock guard(this);
    SkyMoment moment = skyStill_;
    if (layer != TraceLayer::StillOnly || std::isnan(moment.time)) {
        moment.time = clock().time();
        moment.spanFixed = SkyTimeSpan(moment.time, moment.first, moment.last);
    }
    const double t = moment.time;
    // Over a fixed span the trails' whole pieces stay where they are drawn.
    const bool spanFixed = moment.spanFixed;
    SkyStrip strip(width, height, moment.first, moment.last);
    if (rows)
        strip.limitToRows(rows->first, rows->second);
    // The grid depends on the size alone: it stays.
    if (layer != TraceLayer::MovingOnly)
        strip.drawGrid(context);
    // The systems' names keep off one another.
    LabelPlacement names = SkyStrip::namePlacement(context);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        bodies_.Get(i)->DrawOnSky(context, strip, drawRequest, t, layer, spanFixed, &names);
    return S_OK;
}

// The matched trails' span of time when a system has one (the model's planet then runs
// down beside the observations), else the running trails' span up to now.
bool PtolemyUniverse::SkyTimeSpan(double t, double& first, double& last)
{
    bool matched = false;
    first = t;
    last = t;
    for (std::int32_t i = 0; i < bodies_.Count(); ++i) {
        double bodyFirst = 0;
        double bodyLast = 0;
        if (bodies_.Get(i)->IsVisible() && bodies_.Get(i)->MatchedTimeSpan(bodyFirst, bodyLast)) {
            first = matched ? std::min(first, bodyFirst) : bodyFirst;
            last = matched ? std::max(last, bodyLast) : bodyLast;
            matched = true;
        }
    }
    if (matched)
        return true;
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        first = std::min(first, bodies_.Get(i)->OldestTrailTime(t));
    return false;
}

HRESULT PtolemyUniverse::DrawStatistics(raster::DeviceContext& context, std::int32_t, std::int32_t, std::int32_t)
{
    const std::string shown = ShownFile();
    context.textOut(0, 0, "Unnamed model");
    if (!shown.empty())
        context.textOut(0, context.lineHeight(), shown);
    return S_OK;
}

std::int32_t PtolemyUniverse::GetButtonCount() { return kButtonCount; }

const ButtonSpec* PtolemyUniverse::GetButtons() { return platform::isEarlierRelease() ? kEarlierButtons : kButtons; }

void PtolemyUniverse::OnTick(double t)
{
    if (clock().paused())
        return;
    const BodyList& bodies = BodiesOnTick();
    for (std::int32_t i = 0; i < bodies.Count(); ++i)
        bodies.Get(i)->AppendPosition(t);
}

// The list is guarded by the universe lock for the analysis, which cannot express "changed
// under both locks, read under either"; this is where the clock's worker reads it under
// the clock lock alone.
const BodyList& PtolemyUniverse::BodiesOnTick() NO_THREAD_SAFETY_ANALYSIS { return bodies_; }

HRESULT PtolemyUniverse::Reset()
{
    UniverseAndClockLock guard(this);
    clock().setTime(0);
    clock().setTickCount(0);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        bodies_.Get(i)->ClearRunningTrail();
    return S_OK;
}

void PtolemyUniverse::ShowChange()
{
    clock().Lock();
    clock().setTickCount(clock().tickCount() + 1);
    clock().Unlock();
}

void PtolemyUniverse::RandomizeAll()
{
    UniverseAndClockLock guard(this);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        bodies_.Get(i)->Randomize();
    shownFile_.clear();
}

void PtolemyUniverse::SetShownFile(const char* path)
{
    UniverseLock guard(this);
    shownFile_ = path ? platform::cutText(path, platform::kMaxPathLength) : std::string();
}

std::string PtolemyUniverse::ShownFile()
{
    UniverseLock guard(this);
    return shownFile_;
}

void PtolemyUniverse::SetAutoChange(bool on)
{
    UniverseLock guard(this);
    autoChange_ = on;
}

bool PtolemyUniverse::AutoChange()
{
    UniverseLock guard(this);
    return autoChange_;
}

HRESULT PtolemyUniverse::SetChangeCycle(std::int32_t milliseconds)
{
    if (milliseconds <= 0)
        return E_INVALIDARG;
    UniverseLock guard(this);
    changeCycle_ = milliseconds;
    return S_OK;
}

std::int32_t PtolemyUniverse::ChangeCycle()
{
    UniverseLock guard(this);
    return changeCycle_;
}

HRESULT PtolemyUniverse::ReplaceFromDocument(XmlDocument& document, UniverseFileReport* report)
{
    UniverseLock guard(this);
    BodyList read(this);
    const HRESULT result = ReadUniverseBodies(*this, document, read, report);
    if (FAILED(result))
        return result;
    LockClock();
    bodies_.RemoveAll();
    bodies_.MergeFrom(read);
    UnlockClock();
    return result;
}

HRESULT PtolemyUniverse::LoadFromPath(const std::string& path, UniverseFileReport* report)
{
    UniverseLock guard(this);
    XmlDocument document;
    HRESULT result = document.loadFile(path.c_str(), 0);
    if (FAILED(result) && report) {
        const std::string kind = platform::nonRegularFileKind(platform::resolveDataPath(path));
        report->problem = kind.empty() ? document.loadFailureText() : kind;
    }
    if (SUCCEEDED(result))
        result = ReplaceFromDocument(document, report);
    if (SUCCEEDED(result)) {
        SetShownFile(path.c_str());
        Reset();
    }
    return result;
}

HRESULT PtolemyUniverse::OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t)
{
    // Each command takes the universe lock where it changes the systems; none holds it
    // across a dialog or a message box, nor while asking the windows for something.
    switch (static_cast<int>(wparam & 0xffff)) {
    case kRestart:
        return Reset();
    case kPause:
        TogglePause(window);
        return S_OK;
    case kLoad:
        return LoadCommand(window);
    case kSave:
        return SaveCommand(window);
    case kRandom:
        UserChanges::record(
            *this, QCoreApplication::translate("PtolemyUniverse", "Random").toStdString(), [this] { RandomizeAll(); });
        return S_OK;
    case kEdit:
        return EditCommand(window);
    case kChooseLayout:
        return ChooseLayoutCommand();
    default:
        platform::showMessage("Got a message I wasn't ready for.", "Error");
        return S_OK;
    }
}

void PtolemyUniverse::TogglePause(QWidget* window)
{
    bool paused = false;
    {
        UniverseAndClockLock guard(this);
        clock().TogglePause();
        paused = clock().paused();
    }
    SourceViews* const views = SourceViews::installed();
    if (window && views)
        views->setButtonText(window, kPauseButton, paused ? "Resume" : "Pause");
}

HRESULT PtolemyUniverse::LoadCommand(QWidget* window)
{
    std::unique_ptr<XmlDocument> document;
    HRESULT result = fileDialog_.openDocument(document, window, file_types::kUniverse);
    // A file that did not open as XML was reported by the XML layer already.
    const bool opened = SUCCEEDED(result) && document;
    UniverseFileReport report;
    UserChanges::record(*this, QCoreApplication::translate("PtolemyUniverse", "Load").toStdString(), [&] {
        UniverseLock guard(this);
        if (SUCCEEDED(result) && document)
            result = ReplaceFromDocument(*document, &report);
        if (SUCCEEDED(result)) {
            SetShownFile(fileDialog_.getPath().c_str());
            Reset();
        }
    });
    // Shown with no lock held: a message box runs its own event loop.
    if (opened)
        ShowLoadReport(fileDialog_.getPath(), report, SUCCEEDED(result));
    return result;
}

std::string PtolemyUniverse::LoadFailureText(const std::string& path, const UniverseFileReport& report)
{
    const QString why = report.problem.empty()
        ? QCoreApplication::translate("PtolemyUniverse", "it is not a universe file (systems of cycles, .ptu)")
        : QString::fromStdString(report.problem);
    return QCoreApplication::translate("PtolemyUniverse", "Couldn't load %1: %2")
        .arg(QString::fromStdString(path), why)
        .toStdString();
}

// A document that does not read as a universe says why (a refused number names itself);
// systems past the most a universe holds are not lost without a word.
void PtolemyUniverse::ShowLoadReport(const std::string& path, const UniverseFileReport& report, bool loaded)
{
    if (!loaded) {
        platform::showMessage(LoadFailureText(path, report), "Astreon Error");
        return;
    }
    const QString shownPath = QString::fromStdString(path);
    QStringList warnings;
    if (report.systems > BodyList::kMaxBodies)
        warnings << QCoreApplication::translate(
            "PtolemyUniverse", "%1 holds %2 systems; a universe holds %3: the first %3 were loaded.")
                        .arg(shownPath, QString::number(report.systems), QString::number(BodyList::kMaxBodies));
    if (report.unmatched.size() == 1)
        warnings << QCoreApplication::translate(
            "PtolemyUniverse", "The observation trail of \"%1\" could not be read; the system is not matched.")
                        .arg(QString::fromStdString(report.unmatched.front()));
    else if (report.unmatched.size() > 1)
        warnings << QCoreApplication::translate("PtolemyUniverse",
            "The observation trails of %1 systems could not be read (the first of \"%2\"); they are not matched.")
                        .arg(
                            QString::number(report.unmatched.size()), QString::fromStdString(report.unmatched.front()));
    if (!warnings.isEmpty())
        platform::showMessage(warnings.join('\n').toStdString(), "Astreon Error", platform::MessageIcon::Warning);
}

HRESULT PtolemyUniverse::SaveCommand(QWidget* window)
{
    // The writer takes the universe lock itself once a file has been chosen.
    return fileDialog_.saveAs(window, file_types::kUniverse);
}

HRESULT PtolemyUniverse::EditCommand(QWidget* window)
{
    bool savedAutoChange = false;
    {
        UniverseLock guard(this);
        savedAutoChange = autoChange_;
        autoChange_ = false;
    }
    // The dialogs run with no lock held; they take the universe's locks for each change.
    HRESULT result = S_OK;
    if (!platform::ResourceLibrary::current()) {
        platform::showMessage(
            "PtolemyUniverse has no dialog resource instance.\nOperation unavailable", "Astreon Error");
        result = E_FAIL;
    } else {
        SystemsDialogRunner runner;
        {
            std::lock_guard<std::mutex> lock(runnerMutex);
            runner = systemsDialogRunner();
        }
        const SystemsDialogOutcome outcome = runner ? runner(window) : runMissingSystemsDialog(window);
        if (outcome.result < 1) {
            platform::showMessage(outcome.errorText, "Error");
            result = E_FAIL;
        }
    }
    UniverseLock guard(this);
    autoChange_ = savedAutoChange;
    return result;
}

HRESULT PtolemyUniverse::ChooseLayoutCommand()
{
    // The owner carries the choice out after this command has returned: loading a layout
    // destroys this universe, which must not happen inside its own command.
    if (!owner_ || FAILED(owner_->requestLayoutChoice())) {
        platform::showMessage("Couldn't send message.", "Error");
        return E_FAIL;
    }
    return S_OK;
}

void PtolemyUniverse::OnMouse(QWidget*, std::uint32_t, std::intptr_t, std::uintptr_t, std::int32_t) { }

bool PtolemyUniverse::DrawFlagOf(const std::string& name, std::int32_t& flag)
{
    for (const DrawFlagName& entry : kDrawFlagNames) {
        if (name == entry.name) {
            flag = entry.flag;
            return true;
        }
    }
    return false;
}

void PtolemyUniverse::ShowUnrecognizedArgument(const std::string& name, const std::string& value)
{
    platform::showMessage(
        platform::formatText("PtolemyUniverse: unrecognized argument: %s = %s", name.c_str(), value.c_str()),
        "Astreon Error");
}

HRESULT PtolemyUniverse::SetDrawArgument(
    const std::string& name, const std::string& value, std::int32_t& drawRequest, std::int32_t reportErrors)
{
    UniverseLock guard(this);
    HRESULT result = E_FAIL;
    std::int32_t flag = 0;
    if (name == "frame") {
        result = SetFrame(value, drawRequest);
    } else if (name == "sun") {
        result = SetSunName(value, drawRequest);
    } else if (DrawFlagOf(name, flag)) {
        bool on = false;
        result = parseBoolean(value, on);
        if (SUCCEEDED(result))
            drawRequest = on ? (drawRequest | flag) : (drawRequest & ~flag);
    } else {
        result = ImageSource::SetDrawArgument(name, value, drawRequest, 0);
    }
    if (FAILED(result) && reportErrors == 1)
        ShowUnrecognizedArgument(name, value);
    return result;
}

HRESULT PtolemyUniverse::SetArgument(const std::string& name, const std::string& value, std::int32_t reportErrors)
{
    if (name == "src")
        return LoadSourceArgument(value, reportErrors);
    HRESULT result = S_OK;
    {
        UniverseLock guard(this);
        if (name == "changeCycle") {
            const std::int32_t cycle = xmltext::toLong(value);
            if (cycle > 0) {
                autoChange_ = true;
                changeCycle_ = cycle;
            }
        } else if (name == "num_steps") {
            result = S_OK;
        } else if (name == "trail_length") {
            result = SetTrailLengthOfAll(xmltext::toLong(value));
        } else {
            result = E_FAIL;
        }
    }
    // Shown with no lock held: a message box runs its own event loop.
    if (FAILED(result) && reportErrors == 1)
        ShowUnrecognizedArgument(name, value);
    return result;
}

// A failing "src" says why beneath the argument's own message; a file of more systems than
// a universe holds says which were loaded.
HRESULT PtolemyUniverse::LoadSourceArgument(const std::string& path, std::int32_t reportErrors)
{
    fileDialog_.setPath(path.c_str());
    UniverseFileReport report;
    const HRESULT result = LoadFromPath(path, &report);
    if (reportErrors != 1)
        return result;
    if (FAILED(result))
        platform::showMessage(
            platform::formatText("PtolemyUniverse: unrecognized argument: %s = %s", "src", path.c_str()) + "\n"
                + LoadFailureText(path, report),
            "Astreon Error");
    else
        ShowLoadReport(path, report, true);
    return result;
}

// The systems loaded so far (an argument after "src") keep this many running trail
// records; a new or random system starts with the usual length.
HRESULT PtolemyUniverse::SetTrailLengthOfAll(std::int32_t length)
{
    if (length < 0 || length > PtolemyBody::kLongestTrail)
        return E_INVALIDARG;
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        bodies_.Get(i)->SetTrailLength(length);
    return S_OK;
}

std::optional<std::int32_t> PtolemyUniverse::calendarStartYear()
{
    UniverseLock guard(this);
    for (std::int32_t i = 0; i < bodies_.Count(); ++i)
        if (const ObservationTrail* const trail = bodies_.Get(i)->matchTrail())
            return trail->startYear();
    return std::nullopt;
}

HRESULT PtolemyUniverse::GetDefaultDrawRequest(std::int32_t* drawRequest)
{
    if (!drawRequest)
        return E_INVALIDARG;
    *drawRequest = ptolemy_flags::kDefaultFlags;
    return S_OK;
}

void PtolemyUniverse::setSystemsDialogRunner(SystemsDialogRunner runner)
{
    std::lock_guard<std::mutex> lock(runnerMutex);
    systemsDialogRunner() = runner ? std::move(runner) : SystemsDialogRunner(runMissingSystemsDialog);
}
