#include "sources/BitmapDisplayWindow.h"

#include <QCoreApplication>

#include "documents/FileTypes.h"
#include "imagesource/SourceViews.h"
#include "imagesource/WindowDrawSettings.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "raster/DeviceContext.h"

#include <array>

using namespace bitmap_display;

namespace {

constexpr std::int32_t kAlignmentCodes = 4;

const std::array<ButtonSpec, 4> kButtons { ButtonSpec { 0, "Load" }, ButtonSpec { 0, "Sync" },
    ButtonSpec { 0, "xAlign" }, ButtonSpec { 0, "yAlign" } };

// Indexed by alignment code.
constexpr std::array<std::int32_t, 4> kXAlignBitOfCode { kXAlignLeftBit, kXAlignStretchBit, kXAlignTileBit,
    kXAlignRightBit };
constexpr std::array<std::int32_t, 4> kYAlignBitOfCode { kYAlignBottomBit, kYAlignStretchBit, kYAlignTileBit,
    kYAlignTopBit };

bool isAlignmentCode(std::int32_t code) { return code >= 0 && code < kAlignmentCodes; }

// The code of an xAlign word ("left", "stretch", "tile", "right"), or -1.
std::int32_t xAlignCodeOf(const std::string& word)
{
    if (word == "stretch")
        return XAlignStretch;
    if (word == "tile")
        return XAlignTile;
    if (word == "left")
        return XAlignLeft;
    if (word == "right")
        return XAlignRight;
    return -1;
}

// The code of a yAlign word ("bottom", "stretch", "tile", "top"), or -1.
std::int32_t yAlignCodeOf(const std::string& word)
{
    if (word == "stretch")
        return YAlignStretch;
    if (word == "tile")
        return YAlignTile;
    if (word == "top")
        return YAlignTop;
    if (word == "bottom")
        return YAlignBottom;
    return -1;
}

std::int32_t withXAlign(std::int32_t drawRequest, std::int32_t code)
{
    return (drawRequest & ~kXAlignBits) | BitmapDisplayWindow::xAlignBit(code);
}

std::int32_t withYAlign(std::int32_t drawRequest, std::int32_t code)
{
    return (drawRequest & ~kYAlignBits) | BitmapDisplayWindow::yAlignBit(code);
}

} // namespace

BitmapDisplayWindow::~BitmapDisplayWindow() { bitmap_.unload(); }

std::int32_t BitmapDisplayWindow::xAlignBit(std::int32_t code)
{
    return isAlignmentCode(code) ? kXAlignBitOfCode[static_cast<std::size_t>(code)] : 0;
}

std::int32_t BitmapDisplayWindow::yAlignBit(std::int32_t code)
{
    return isAlignmentCode(code) ? kYAlignBitOfCode[static_cast<std::size_t>(code)] : 0;
}

std::int32_t BitmapDisplayWindow::xAlignOf(std::int32_t drawRequest)
{
    if (drawRequest & kXAlignStretchBit)
        return XAlignStretch;
    if (drawRequest & kXAlignTileBit)
        return XAlignTile;
    if (drawRequest & kXAlignRightBit)
        return XAlignRight;
    return XAlignLeft;
}

std::int32_t BitmapDisplayWindow::yAlignOf(std::int32_t drawRequest)
{
    if (drawRequest & kYAlignBottomBit)
        return YAlignBottom;
    if (drawRequest & kYAlignStretchBit)
        return YAlignStretch;
    if (drawRequest & kYAlignTileBit)
        return YAlignTile;
    return YAlignTop;
}

HRESULT BitmapDisplayWindow::Draw(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    return drawOnWhite(context, width, height, [&] {
        if (drawRequest & kDrawStatistics) {
            drawStatistics(context);
            return;
        }
        // Nothing loaded draws nothing: the window stays white.
        bitmap_.drawAligned(context, width, height, 0, 0, xAlignOf(drawRequest), yAlignOf(drawRequest));
    });
}

void BitmapDisplayWindow::drawStatistics(raster::DeviceContext& context)
{
    const int lineHeight = context.lineHeight();
    const std::string& path = chooser_.getPath();
    context.textOut(0, 0, path.empty() ? std::string("nothing loaded") : path);
    context.textOut(0, lineHeight,
        platform::formatText("Default xAlign= %s        Default yAlign= %s", xAlignName(defaultXAlign_).c_str(),
            yAlignName(defaultYAlign_).c_str()));
    if (bitmap_.width() != 0 && bitmap_.height() != 0) {
        context.textOut(
            0, 2 * lineHeight, platform::formatText("Bitmap Dimensions: %d by %d", bitmap_.width(), bitmap_.height()));
    }
}

std::int32_t BitmapDisplayWindow::GetButtonCount() { return static_cast<std::int32_t>(kButtons.size()); }

const ButtonSpec* BitmapDisplayWindow::GetButtons() { return kButtons.data(); }

HRESULT BitmapDisplayWindow::OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t)
{
    switch (static_cast<std::uint32_t>(wparam & 0xffff)) {
    case kLoadButton:
        return chooseAndLoad(window);
    case kSyncButton:
        return synchronise();
    case kXAlignButton: {
        const HRESULT result = cycleXAlign();
        return FAILED(result) ? result : synchronise();
    }
    case kYAlignButton: {
        const HRESULT result = cycleYAlign();
        return FAILED(result) ? result : synchronise();
    }
    default:
        platform::showMessage("Got a message I wasn't ready for.", "Astreon Error", platform::MessageIcon::Error);
        return S_OK;
    }
}

HRESULT BitmapDisplayWindow::chooseAndLoad(QWidget* owner)
{
    // The dialog empties its path before asking; a cancelled choice keeps naming the
    // bitmap still on show instead of claiming that nothing is loaded.
    const std::string previousPath = path();
    const HRESULT chosen = chooser_.open(owner, file_types::kBitmap);
    if (FAILED(chosen)) {
        platform::CriticalSectionGuard guard(lock_);
        chooser_.setPath(previousPath.c_str());
        return chosen;
    }
    const std::string chosenPath = chooser_.getPath();
    return LoadBitmap(chosenPath.c_str(), 1);
}

HRESULT BitmapDisplayWindow::LoadBitmap(const char* path, std::int32_t reportErrors)
{
    if (path == nullptr)
        return E_INVALIDARG;
    const HRESULT result = loadBitmapFile(path, reportErrors);
    // A failed load has dropped the previous bitmap too: the windows must not keep showing it.
    RequestRedraw();
    return result;
}

HRESULT BitmapDisplayWindow::loadBitmapFile(const char* path, std::int32_t reportErrors)
{
    if (path == nullptr)
        return E_INVALIDARG;
    // Read (and any error shown) before the lock is taken: a message box runs a nested loop.
    Bitmap loaded;
    const HRESULT result = loaded.loadFromFile(path, reportErrors);
    platform::CriticalSectionGuard guard(lock_);
    bitmap_ = loaded;
    if (SUCCEEDED(result))
        chooser_.setPath(path);
    return result;
}

HRESULT BitmapDisplayWindow::cycleXAlign()
{
    platform::CriticalSectionGuard guard(lock_);
    if (!isAlignmentCode(defaultXAlign_))
        return E_FAIL;
    // left -> stretch -> tile -> right -> left
    defaultXAlign_ = (defaultXAlign_ + 1) % kAlignmentCodes;
    return S_OK;
}

HRESULT BitmapDisplayWindow::cycleYAlign()
{
    platform::CriticalSectionGuard guard(lock_);
    switch (defaultYAlign_) {
    case YAlignTop:
        defaultYAlign_ = YAlignStretch;
        return S_OK;
    case YAlignStretch:
        defaultYAlign_ = YAlignTile;
        return S_OK;
    case YAlignTile:
        defaultYAlign_ = YAlignBottom;
        return S_OK;
    case YAlignBottom:
        defaultYAlign_ = YAlignTop;
        return S_OK;
    default:
        return E_FAIL;
    }
}

HRESULT BitmapDisplayWindow::synchronise()
{
    SourceViews* const views = SourceViews::installed();
    if (!views)
        return S_OK;
    const HRESULT result = views->applyDefaults(this);
    if (SUCCEEDED(result))
        views->redraw(this);
    return result;
}

HRESULT BitmapDisplayWindow::SetDrawArgument(
    const std::string& name, const std::string& value, std::int32_t& drawRequest, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = S_OK;
    if (name == "xAlign") {
        const std::int32_t code = xAlignCodeOf(value);
        if (code < 0)
            result = E_INVALIDARG;
        else
            drawRequest = withXAlign(drawRequest, code);
    } else if (name == "yAlign") {
        const std::int32_t code = yAlignCodeOf(value);
        if (code < 0)
            result = E_INVALIDARG;
        else
            drawRequest = withYAlign(drawRequest, code);
    } else {
        result = ImageSource::SetDrawArgument(name, value, drawRequest, reportErrors);
    }
    if (FAILED(result) && reportErrors == 1) {
        platform::showMessage(
            platform::formatText("BitmapDisplayWindow: unrecognized argument: %s = %s", name.c_str(), value.c_str()),
            "Astreon Error", platform::MessageIcon::Error);
    }
    return result;
}

HRESULT BitmapDisplayWindow::SetArgument(const std::string& name, const std::string& value, std::int32_t reportErrors)
{
    if (name != "src")
        return S_OK;
    // A missing bitmap never stops the layout from loading. No window shows the source
    // while its layout is being read, so there is nothing to redraw.
    return SUCCEEDED(loadBitmapFile(value.c_str(), reportErrors)) ? S_OK : S_FALSE;
}

HRESULT BitmapDisplayWindow::GetDefaultDrawRequest(std::int32_t* drawRequest)
{
    if (drawRequest == nullptr)
        return E_INVALIDARG;
    *drawRequest = kDefaultDrawRequest;
    return S_OK;
}

HRESULT BitmapDisplayWindow::ApplyDefaults(WindowDrawSettings* record)
{
    if (record == nullptr)
        return E_INVALIDARG;
    platform::CriticalSectionGuard recordGuard(record->recordLock());
    platform::CriticalSectionGuard guard(lock_);
    if (!isAlignmentCode(defaultXAlign_) || !isAlignmentCode(defaultYAlign_))
        return E_INVALIDARG;
    record->drawFlags = withYAlign(withXAlign(record->drawFlags, defaultXAlign_), defaultYAlign_);
    return S_OK;
}

std::int32_t BitmapDisplayWindow::defaultXAlign()
{
    platform::CriticalSectionGuard guard(lock_);
    return defaultXAlign_;
}

std::int32_t BitmapDisplayWindow::defaultYAlign()
{
    platform::CriticalSectionGuard guard(lock_);
    return defaultYAlign_;
}

std::string BitmapDisplayWindow::path()
{
    platform::CriticalSectionGuard guard(lock_);
    return chooser_.getPath();
}

bool BitmapDisplayWindow::hasBitmap()
{
    platform::CriticalSectionGuard guard(lock_);
    return SUCCEEDED(bitmap_.isValid());
}

void BitmapDisplayWindow::setDefaultAlignments(std::int32_t xAlign, std::int32_t yAlign)
{
    platform::CriticalSectionGuard guard(lock_);
    defaultXAlign_ = xAlign;
    defaultYAlign_ = yAlign;
}

std::string BitmapDisplayWindow::AccessibleName(std::int32_t)
{
    const std::string shown = path();
    return (shown.empty()
            ? QCoreApplication::translate("BitmapDisplayWindow", "Picture: none loaded")
            : QCoreApplication::translate("BitmapDisplayWindow", "Picture: %1").arg(QString::fromStdString(shown)))
        .toStdString();
}
