#include "ptolemy/PtolemyBody.h"

#include "documents/FileTypes.h"
#include "platform/ResourceLibrary.h"
#include "platform/Text.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/RandomNumbers.h"
#include "ptolemy/UniverseLocks.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <cmath>
#include <new>

const BodySettingEntry PtolemyBody::kTrailLengths[7]
    = { { "0", 0 }, { "50", 50 }, { "100", 100 }, { "200", 200 }, { "500", 500 }, { "1000", 1000 }, { "2000", 2000 } };
const BodySettingEntry PtolemyBody::kBandWidths[7]
    = { { "1", 1 }, { "2", 2 }, { "5", 5 }, { "10", 10 }, { "25", 25 }, { "50", 50 }, { "100", 100 } };
const BodySettingEntry PtolemyBody::kDotIntervals[7]
    = { { "1", 1 }, { "2", 2 }, { "5", 5 }, { "10", 10 }, { "25", 25 }, { "50", 50 }, { "100", 100 } };
const BodySettingEntry PtolemyBody::kAnimationSpeeds[5]
    = { { "slowest", 25 }, { "slow", 50 }, { "normal", 100 }, { "fast", 200 }, { "fastest", 499 } };
const char* const PtolemyBody::kBitmapNames[11]
    = { "planet", "mercury", "venus", "sun", "mars", "saturn", "jupiter", "star", "comet", "moon", "earth" };

namespace {

raster::Pen solidPen(ColourRef colour)
{
    raster::Pen pen;
    pen.colour = colour;
    pen.width = 1;
    pen.style = raster::Pen::Style::Solid;
    return pen;
}

raster::Brush solidBrush(ColourRef colour)
{
    raster::Brush brush;
    brush.colour = colour;
    brush.hollow = false;
    return brush;
}

} // namespace

PtolemyBody::PtolemyBody(PtolemyUniverse* owner)
    : owner_(owner)
    , displayFlags_(ptolemy_flags::kDefaultFlags)
{
    if (owner_) {
        std::int32_t defaults = ptolemy_flags::kDefaultFlags;
        if (SUCCEEDED(owner_->GetDefaultDrawRequest(&defaults)))
            displayFlags_ = defaults;
    }
    orbitPen_ = solidPen(orbitColour_);
    orbitBrush_ = solidBrush(orbitColour_);
    tracePen_ = solidPen(traceColour_);
    traceBrush_ = solidBrush(traceColour_);
    runningTrail_.Resize(kRunningTrailCapacity);
    SetBitmap("planet");
}

PtolemyBody::~PtolemyBody() = default;

std::unique_ptr<PtolemyOrbit> PtolemyBody::CopyChain()
{
    UniverseLock lock(owner_);
    if (!head_)
        return nullptr;
    try {
        return head_->Copy();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void PtolemyBody::SetChain(const PtolemyOrbit* chain)
{
    UniverseAndClockLock lock(owner_);
    head_.reset();
    if (chain) {
        try {
            head_ = chain->Copy();
        } catch (const std::bad_alloc&) {
            head_.reset();
        }
    }
    if (head_) {
        extent_ = head_->Extent();
        fullTrace_.setScale(extent_);
    }
    fullTraceStale_ = true;
    runningTrail_.Clear();
}

int PtolemyBody::OrbCount()
{
    UniverseLock lock(owner_);
    return head_ ? head_->ChainLength() : 0;
}

void PtolemyBody::Randomize()
{
    UniverseLock lock(owner_);
    const int count = ptolemy_random::RandomInt(4, 7);
    std::unique_ptr<PtolemyOrbit> chain;
    for (int k = 0; k < count; ++k)
        chain = PtolemyOrbit::RandomOrb(std::move(chain));
    SetChain(chain.get());
}

void PtolemyBody::RecomputeFullTrace()
{
    UniverseLock lock(owner_);
    fullTraceStale_ = true;
    BringFullTraceUpToDate();
}

const ObservationTrail& PtolemyBody::FullTrace() const
{
    UniverseLock lock(owner_);
    BringFullTraceUpToDate();
    return fullTrace_;
}

void PtolemyBody::BringFullTraceUpToDate() const
{
    if (!fullTraceStale_)
        return;
    fullTraceStale_ = false;
    // The trace's records are made when it is first computed: a system never read costs none.
    fullTrace_.Resize(kFullTraceCapacity);
    fullTrace_.Clear();
    if (!head_)
        return;
    constexpr int kAttempts = 12;
    double step = 0.0005;
    for (int attempt = 0; attempt < kAttempts; ++attempt, step *= 2) {
        const std::int32_t samples = fullTrace_.capacity();
        for (std::int32_t i = 0; i < samples; ++i) {
            const double t = i * step;
            const ModelPoint p = head_->Position(t);
            fullTrace_.Append(p.x, p.y, std::atan2(p.y, p.x), 0, t);
        }
        fullTrace_.TrimToPeriod();
        if (fullTrace_.count() > 9)
            return;
        // The next attempt's appends replace the whole buffer: start it empty.
        if (attempt + 1 < kAttempts)
            fullTrace_.Clear();
    }
}

// The chain and the running trail are guarded by the universe lock for the analysis, which
// cannot express "changed under both locks, read under either"; this is where the clock's
// worker reads the chain and appends to the trail under the clock lock alone.
void PtolemyBody::AppendPosition(double t) NO_THREAD_SAFETY_ANALYSIS
{
    if (!head_ || runningTrail_.capacity() <= 0)
        return;
    const ModelPoint p = head_->Position(t);
    runningTrail_.Append(p.x, p.y, std::atan2(p.y, p.x), 0, t);
}

void PtolemyBody::RefillRunningTrail(double t, double step)
{
    UniverseAndClockLock lock(owner_);
    runningTrail_.Clear();
    if (step <= 0)
        return AppendPosition(t);
    // The small allowance keeps a time that is a whole number of steps from losing time 0.
    const double stepsSinceStart = std::floor(t / step + 1e-9);
    const auto count
        = static_cast<std::int32_t>(std::min<double>(runningTrail_.capacity(), std::max(0.0, stepsSinceStart) + 1));
    for (std::int32_t back = count - 1; back >= 0; --back)
        AppendPosition(std::max(0.0, t - back * step));
}

void PtolemyBody::ClearRunningTrail()
{
    UniverseAndClockLock lock(owner_);
    runningTrail_.Clear();
}

double PtolemyBody::ViewExtent(std::int32_t flags)
{
    UniverseLock lock(owner_);
    double result = head_ ? extent_ : 1.0;
    const std::int32_t effective = (flags & ptolemy_flags::kFormatted) ? flags : displayFlags_;
    if ((effective & ptolemy_flags::kMatch) && matchExtent_ > result)
        result = matchExtent_;
    return result;
}

ModelPoint PtolemyBody::PlanetPosition(double t)
{
    UniverseLock lock(owner_);
    return head_ ? head_->Position(t) : ModelPoint {};
}

std::string PtolemyBody::BitmapName()
{
    if (bitmapName_.empty())
        bitmapName_ = "planet";
    return bitmapName_;
}

HRESULT PtolemyBody::SetBitmap(const char* name)
{
    const platform::ResourceLibrary* library = platform::ResourceLibrary::current();
    if (!library)
        return E_FAIL;
    bitmapName_ = name ? name : "planet";
    const std::string mask = bitmapName_ + "_mask";
    const std::string matched = "matched_" + bitmapName_;
    HRESULT result = planetSprite_.loadImage(library, bitmapName_.c_str(), 0);
    if (SUCCEEDED(result))
        result = planetSprite_.loadMask(library, mask.c_str(), 0);
    if (SUCCEEDED(result))
        result = matchedSprite_.loadImage(library, matched.c_str(), 0);
    if (SUCCEEDED(result))
        result = matchedSprite_.loadMask(library, mask.c_str(), 0);
    return result;
}

void PtolemyBody::SetName(const char* name)
{
    name_ = name ? platform::cutText(name, platform::kMaxTextLength) : std::string();
}

void PtolemyBody::SetOrbitColour(ColourRef colour)
{
    orbitColour_ = colour;
    orbitPen_ = solidPen(colour);
    orbitBrush_ = solidBrush(colour);
}

void PtolemyBody::SetTraceColour(ColourRef colour)
{
    traceColour_ = colour;
    tracePen_ = solidPen(colour);
    traceBrush_ = solidBrush(colour);
}

std::int32_t PtolemyBody::GetTrailLength() const
{
    UniverseLock lock(owner_);
    return runningTrail_.capacity();
}

void PtolemyBody::SetTrailLength(std::int32_t length)
{
    if (length < 0)
        return;
    UniverseAndClockLock lock(owner_);
    runningTrail_.Resize(length);
}

void PtolemyBody::SetDotInterval(std::int32_t interval)
{
    if (interval > 0)
        dotInterval_ = interval;
}

void PtolemyBody::SetAnimationSpeed(std::int32_t speed)
{
    if (speed > 0)
        animationSpeed_ = speed;
}

void PtolemyBody::SetBandWidth(std::int32_t width)
{
    if (width > 0)
        bandWidth_ = width;
}

void PtolemyBody::SetDisplayFlag(std::int32_t flag, bool on)
{
    if (on)
        displayFlags_ |= flag;
    else
        displayFlags_ &= ~flag;
}

void PtolemyBody::AttachDevice(raster::DeviceContext& device)
{
    CreateMatchPens(device);
    SetOrbitColour(orbitColour_);
    SetTraceColour(traceColour_);
    deviceAttached_ = true;
}

void PtolemyBody::SetMatchTrail(const ObservationTrail* trail)
{
    UniverseLock lock(owner_);
    MatchTrailHolder::SetMatchTrail(trail);
    matchExtent_ = MatchExtent();
}

void PtolemyBody::SetMatchPath(const std::string& path)
{
    UniverseLock lock(owner_);
    setMatchPath(path);
    if (path.empty())
        matchFileDialog_.setPath(nullptr);
}

HRESULT PtolemyBody::LoadMatchTrail(const std::string& path, std::int32_t reportXmlErrors)
{
    {
        UniverseLock lock(owner_);
        matchFileDialog_.setPath(path.c_str());
    }
    // Read into a trail of its own, any error shown without taking the universe lock (a
    // message box runs a nested event loop); the body changes only once the read succeeded.
    XmlDocument document;
    HRESULT result = document.loadFile(path.c_str(), reportXmlErrors);
    if (FAILED(result))
        return result;
    ObservationTrail trail(1);
    result = trail.Load(document, 1);
    if (SUCCEEDED(result)) {
        UniverseLock lock(owner_);
        SetMatchTrail(&trail);
        setMatchPath(path);
    }
    return result;
}

HRESULT PtolemyBody::ChooseMatchTrail(QWidget* parent)
{
    // No lock while the dialog runs; LoadMatchTrail takes the universe lock.
    FileDialogHelper chooser;
    const HRESULT result = chooser.open(parent, file_types::kTrail);
    if (FAILED(result))
        return result;
    const std::string previousFile = MatchFile();
    const HRESULT loaded = LoadMatchTrail(chooser.getPath(), 1);
    if (FAILED(loaded)) {
        UniverseLock lock(owner_);
        matchFileDialog_.setPath(previousFile.c_str());
    }
    return loaded;
}
