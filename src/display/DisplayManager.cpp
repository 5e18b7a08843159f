#include "display/DisplayManager.h"

#include "documents/FileTypes.h"
#include "platform/DataPath.h"
#include "platform/HandlerScope.h"
#include "platform/Message.h"
#include "platform/Registry.h"
#include "platform/Release.h"
#include "platform/Text.h"
#include "platform/WindowThread.h"
#include "raster/DeviceContext.h"
#include "sources/ImageSourceBuilder.h"
#include "windows/HostWindow.h"
#include "windows/WindowRegistry.h"
#include "xml/XmlDocument.h"

#include <QObject>

#include <cerrno>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kMessageLength = 511; // the message buffer holds 512 bytes
constexpr std::size_t kColourErrorLength = 63; // "Error %d setting background color" buffer of 64 bytes
// The error number shown when the host cannot take a colour because there is no host
// window: the original platform's number for an invalid window handle.
constexpr int kInvalidWindowHandleError = 1400;

constexpr const char* kRegistryAdvice
    = "  Your registry is probably out of date.\r\nDid you run the Astreon installer?\r\n";

// The earlier release told the user when the root directory could not be read.
void showRootDirectoryProblem()
{
    const char* failedCall = platform::registryFilePath().empty() ? "Failed RegOpenKeyEX." : "Failed RegQueryValueEX.";
    platform::showMessage(std::string(failedCall) + kRegistryAdvice + std::strerror(ENOENT), "Astreon");
}

} // namespace

DisplayManager::DisplayManager()
    : DisplayManager(nullptr)
{
}

DisplayManager::DisplayManager(std::unique_ptr<ImageSourceBuilder> sourceBuilder)
    : deferralContext_(std::make_unique<QObject>())
    , sourceBuilder_(sourceBuilder ? std::move(sourceBuilder) : std::make_unique<ImageSourceBuilder>())
{
    setOwner(this);
    readRootDirectory();
}

DisplayManager::~DisplayManager()
{
    platform::CriticalSectionGuard guard(lock_);
    loaded_.clear();
    committed_.clear();
    WindowRegistry::instance().removeWindowsOf(this);
}

void DisplayManager::readRootDirectory()
{
    const std::optional<std::string> root = platform::readRootDir();
    rootDir_ = root.value_or(std::string());
    platform::setRootDirectory(rootDir_);
    if (!root && platform::isEarlierRelease())
        showRootDirectoryProblem();
}

bool DisplayManager::deferWhileBusy(std::function<void()> change)
{
    platform::assertWindowThread();
    if (!platform::HandlerScope::active())
        return false;
    const bool alreadyWaiting = static_cast<bool>(pendingChange_);
    pendingChange_ = std::move(change);
    if (!alreadyWaiting)
        platform::HandlerScope::whenIdle(deferralContext_.get(), [this] { runPendingChange(); });
    return true;
}

void DisplayManager::runPendingChange()
{
    if (!pendingChange_)
        return;
    if (platform::HandlerScope::active()) {
        // Another handler began before this ran: wait for it too.
        platform::HandlerScope::whenIdle(deferralContext_.get(), [this] { runPendingChange(); });
        return;
    }
    const std::function<void()> change = std::move(pendingChange_);
    pendingChange_ = nullptr;
    change();
}

HRESULT DisplayManager::chooseAndLoad() { return loadWithDialog(); }

HRESULT DisplayManager::requestLayoutChoice()
{
    if (!deferWhileBusy([this] { loadWithDialog(); }))
        platform::HandlerScope::whenIdle(deferralContext_.get(), [this] { loadWithDialog(); });
    return S_OK;
}

HRESULT DisplayManager::attachWindow(QWidget* window, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    hostWindow_ = window;
    attached_ = true;
    return applyBackgroundColour(reportErrors);
}

HRESULT DisplayManager::setScreenRect(double left, double top, double right, double bottom)
{
    platform::CriticalSectionGuard guard(lock_);
    const FractionalRect rect { left, top, right, bottom };
    if (!rect.isValid())
        return E_INVALIDARG;
    if (!attached_)
        return E_FAIL;
    screenRect_ = rect;
    screenRectSet_ = true;
    return S_OK;
}

HRESULT DisplayManager::load(const char* path, std::int32_t reportErrors)
{
    const std::string requested = path ? path : "";
    if (deferWhileBusy([this, requested, reportErrors, hasPath = path != nullptr] {
            load(hasPath ? requested.c_str() : nullptr, reportErrors);
        }))
        return S_FALSE;
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = E_INVALIDARG;
    std::unique_ptr<XmlDocument> document;
    if (path && *path) {
        setPath(path);
        result = loadDocument(document, reportErrors);
        if (SUCCEEDED(result))
            result = apply(document.get(), reportErrors);
    }
    countLoad(result);
    return result;
}

HRESULT DisplayManager::loadWithDialog()
{
    if (deferWhileBusy([this] { loadWithDialog(); }))
        return S_FALSE;
    const std::string previousPath = getPath();
    // No lock is held while the dialog runs its own event loop (docs/threads.md).
    HRESULT result = open(hostWindow(), file_types::kLayout);
    platform::CriticalSectionGuard guard(lock_);
    std::unique_ptr<XmlDocument> document;
    if (SUCCEEDED(result))
        result = loadDocument(document, 1);
    if (SUCCEEDED(result))
        result = apply(document.get(), 1);
    if (FAILED(result))
        setPath(previousPath.c_str());
    countLoad(result);
    return result;
}

HRESULT DisplayManager::reload(std::int32_t reportErrors)
{
    if (deferWhileBusy([this, reportErrors] { reload(reportErrors); }))
        return S_FALSE;
    platform::CriticalSectionGuard guard(lock_);
    const std::string path = getPath();
    return load(path.c_str(), reportErrors);
}

HRESULT DisplayManager::apply(XmlDocument* document, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    if (!document) {
        clearLoaded();
        return E_INVALIDARG;
    }
    HRESULT result = document->select("Layout");
    const XmlNodeHandle layout = SUCCEEDED(result) ? document->getSelected() : XmlNodeHandle();
    if (!layout) {
        if (reportErrors == 1)
            platform::showMessage("No layout present", "Error Parsing Layout");
        reportLayoutError("No Layout element found", "Layout Error", reportErrors);
        clearLoaded();
        return FAILED(result) ? result : E_FAIL;
    }
    document->setCurrent(layout);
    result = parseLayout(*document, reportErrors);
    if (FAILED(result)) {
        clearLoaded();
        return result;
    }
    return commit();
}

HRESULT DisplayManager::commit()
{
    platform::assertWindowThread();
    platform::CriticalSectionGuard guard(lock_);
    committed_.clear();
    committed_ = std::move(loaded_);
    loaded_.clear();
    pathOnScreen_ = getPath();
    if (!attached_ || !screenRectSet_)
        return E_FAIL;
    HRESULT result = setAppliedColour(layoutColour_, 0);
    if (FAILED(result))
        return result;
    for (const std::unique_ptr<ImageSourceCollection>& collection : committed_) {
        result = collection->createWindows(hostWindow_, screenRect_);
        if (FAILED(result))
            return result;
    }
    held_ = false;
    applyTimeSettings();
    ++totalCommits_;
    return S_OK;
}

HRESULT DisplayManager::onSize()
{
    platform::CriticalSectionGuard guard(lock_);
    WindowRegistry::instance().resize(this);
    return S_OK;
}

HRESULT DisplayManager::applyBackgroundColour(std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    if (!attached_)
        return S_OK;
    if (setHostBackgroundColour(hostWindow_, appliedColour_))
        return S_OK;
    if (reportErrors == 1)
        platform::showMessage(
            platform::cutText(platform::formatText("Error %d setting background color", kInvalidWindowHandleError),
                kColourErrorLength),
            "Display Error");
    return E_FAIL;
}

HRESULT DisplayManager::setAppliedColour(ColourRef colour, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    appliedColour_ = colour;
    return applyBackgroundColour(reportErrors);
}

HRESULT DisplayManager::setLayoutColour(ColourRef colour)
{
    platform::CriticalSectionGuard guard(lock_);
    layoutColour_ = colour;
    return S_OK;
}

HRESULT DisplayManager::allocateCollections(std::int32_t count)
{
    platform::CriticalSectionGuard guard(lock_);
    clearLoaded();
    if (count < 0)
        return E_INVALIDARG;
    try {
        CollectionList collections;
        collections.reserve(static_cast<std::size_t>(count));
        for (std::int32_t index = 0; index < count; ++index)
            collections.push_back(std::make_unique<ImageSourceCollection>());
        loaded_ = std::move(collections);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

ImageSourceCollection* DisplayManager::loadedAt(std::int32_t index)
{
    if (index < 0 || index >= loadedCount())
        return nullptr;
    return loaded_[static_cast<std::size_t>(index)].get();
}

HRESULT DisplayManager::setWindowCount(std::int32_t index, std::int32_t count)
{
    platform::CriticalSectionGuard guard(lock_);
    ImageSourceCollection* collection = loadedAt(index);
    return collection ? collection->setWindowCount(count) : E_INVALIDARG;
}

HRESULT DisplayManager::setSource(std::int32_t index, std::unique_ptr<ImageSource> source)
{
    platform::CriticalSectionGuard guard(lock_);
    ImageSourceCollection* collection = loadedAt(index);
    return collection ? collection->setSource(std::move(source)) : E_INVALIDARG;
}

HRESULT DisplayManager::getSource(std::int32_t index, ImageSource** source)
{
    platform::CriticalSectionGuard guard(lock_);
    ImageSourceCollection* collection = loadedAt(index);
    return collection ? collection->getSource(source) : E_INVALIDARG;
}

HRESULT DisplayManager::setWindow(std::int32_t index, std::int32_t windowIndex, const WindowSpec& spec)
{
    platform::CriticalSectionGuard guard(lock_);
    ImageSourceCollection* collection = loadedAt(index);
    if (!collection || windowIndex < 0)
        return E_INVALIDARG;
    return collection->setWindow(windowIndex, spec);
}

HRESULT DisplayManager::clearLoaded()
{
    platform::CriticalSectionGuard guard(lock_);
    loaded_.clear();
    return S_OK;
}

void DisplayManager::countLoad(HRESULT result)
{
    platform::CriticalSectionGuard guard(lock_);
    ++totalLoads_;
    if (FAILED(result))
        ++totalFailedLoads_;
}

HRESULT DisplayManager::Draw(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    platform::CriticalSectionGuard guard(lock_);
    context.fillRect(0, 0, width, height, makeColour(255, 255, 255));
    if ((drawRequest & kDrawStatistics) == 0)
        return S_OK;
    const int lineHeight = context.lineHeight();
    context.textOut(0, 0,
        platform::formatText("Total Commits: %8d            Total Loads: %8d            "
                             "Total Failed Loads: %8d",
            totalCommits_, totalLoads_, totalFailedLoads_));
    context.textOut(0, lineHeight,
        platform::formatText("Total control windows: %8d            Total observer windows: %8d"
                             "            Total image sources: %8d",
            totalControlWindows_, totalObserverWindows_, totalImageSources_));
    context.textOut(0, 2 * lineHeight, platform::formatText("Last File: %s", getPath().c_str()));
    return S_OK;
}

PixelRect DisplayManager::fractionToPixels(const FractionalRect& rect, const PixelRect& client)
{
    return ::fractionToPixels(rect, client);
}

void DisplayManager::setMessage(const std::string& text) { message_ = platform::cutText(text, kMessageLength); }

void DisplayManager::reportLayoutError(const std::string& text, const char* caption, std::int32_t reportErrors)
{
    setMessage(text);
    if (reportErrors == 1)
        platform::showMessage(message_, caption);
}

std::int32_t DisplayManager::totalCommits()
{
    platform::CriticalSectionGuard guard(lock_);
    return totalCommits_;
}

std::int32_t DisplayManager::totalLoads()
{
    platform::CriticalSectionGuard guard(lock_);
    return totalLoads_;
}

std::int32_t DisplayManager::totalFailedLoads()
{
    platform::CriticalSectionGuard guard(lock_);
    return totalFailedLoads_;
}

std::int32_t DisplayManager::totalControlWindows()
{
    platform::CriticalSectionGuard guard(lock_);
    return totalControlWindows_;
}

std::int32_t DisplayManager::totalObserverWindows()
{
    platform::CriticalSectionGuard guard(lock_);
    return totalObserverWindows_;
}

std::int32_t DisplayManager::totalImageSources()
{
    platform::CriticalSectionGuard guard(lock_);
    return totalImageSources_;
}

std::string DisplayManager::rootDir()
{
    platform::CriticalSectionGuard guard(lock_);
    return rootDir_;
}

ColourRef DisplayManager::appliedColour()
{
    platform::CriticalSectionGuard guard(lock_);
    return appliedColour_;
}

ColourRef DisplayManager::layoutColour()
{
    platform::CriticalSectionGuard guard(lock_);
    return layoutColour_;
}

std::string DisplayManager::message()
{
    platform::CriticalSectionGuard guard(lock_);
    return message_;
}

std::int32_t DisplayManager::loadedCount()
{
    platform::CriticalSectionGuard guard(lock_);
    return static_cast<std::int32_t>(loaded_.size());
}

std::int32_t DisplayManager::committedCount()
{
    platform::CriticalSectionGuard guard(lock_);
    return static_cast<std::int32_t>(committed_.size());
}

const ImageSourceCollection* DisplayManager::committedCollection(std::int32_t index)
{
    platform::CriticalSectionGuard guard(lock_);
    if (index < 0 || index >= committedCount())
        return nullptr;
    return committed_[static_cast<std::size_t>(index)].get();
}

QWidget* DisplayManager::hostWindow()
{
    platform::CriticalSectionGuard guard(lock_);
    return hostWindow_;
}

FractionalRect DisplayManager::screenRect()
{
    platform::CriticalSectionGuard guard(lock_);
    return screenRect_;
}

bool DisplayManager::isAttached()
{
    platform::CriticalSectionGuard guard(lock_);
    return attached_;
}

bool DisplayManager::isScreenRectSet()
{
    platform::CriticalSectionGuard guard(lock_);
    return screenRectSet_;
}
