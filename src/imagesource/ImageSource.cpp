#include "imagesource/ImageSource.h"

#include "documents/ArgumentText.h"
#include "imagesource/SourceViews.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "raster/DeviceContext.h"

#include <cstdlib>
#include <ctime>

namespace {

constexpr ColourRef kWhite = makeColour(255, 255, 255);
// The random ellipse of the test pattern is at least this many pixels wide and high.
constexpr std::int32_t kMinimumEllipseSize = 5;

// Three successive random numbers give blue, green and red, in that order.
ColourRef randomColour()
{
    const int blue = std::rand() % 256;
    const int green = std::rand() % 256;
    const int red = std::rand() % 256;
    return makeColour(red, green, blue);
}

// An ellipse of random colour, place and size (at least 5 x 5 pixels). An area of 5 pixels
// or less in either direction has no room for one and gets nothing, so no random number is
// taken modulo zero or a negative value.
void drawRandomEllipse(raster::DeviceContext& context, std::int32_t width, std::int32_t height)
{
    if (width <= kMinimumEllipseSize || height <= kMinimumEllipseSize)
        return;
    const raster::Brush previous = context.selectBrush(raster::Brush { randomColour(), false });
    const int left = std::rand() % (width - kMinimumEllipseSize);
    const int right = left + kMinimumEllipseSize + std::rand() % (width - left - kMinimumEllipseSize);
    const int top = std::rand() % (height - kMinimumEllipseSize);
    const int bottom = top + kMinimumEllipseSize + std::rand() % (height - top - kMinimumEllipseSize);
    context.ellipse(left, top, right, bottom);
    context.selectBrush(previous);
}

// A filled rectangle of random colour, place and size (possibly empty). Needs a positive area.
void drawRandomRectangle(raster::DeviceContext& context, std::int32_t width, std::int32_t height)
{
    const ColourRef colour = randomColour();
    const int top = std::rand() % height;
    const int bottom = top + std::rand() % (height - top);
    const int left = std::rand() % width;
    const int right = left + std::rand() % (width - left);
    context.fillRect(left, top, right, bottom, colour);
}

// Request 0: a random ellipse; 1: a random rectangle; any other: the request and the time.
void drawTestPattern(raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    if (drawRequest == 0) {
        drawRandomEllipse(context, width, height);
    } else if (drawRequest == 1) {
        drawRandomRectangle(context, width, height);
    } else {
        const auto now = static_cast<int>(std::time(nullptr));
        context.textOut(0, 0, platform::formatText("Was given draw request of %d  time = %d", drawRequest, now));
    }
}

} // namespace

void ImageSource::Lock() { lock_.enter(); }

void ImageSource::Unlock() { lock_.leave(); }

HRESULT ImageSource::Draw(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    // An empty area draws nothing, so the random shapes always have room.
    return drawOnWhite(context, width, height, [&] { drawTestPattern(context, width, height, drawRequest); });
}

void ImageSource::paintWhite(raster::DeviceContext& context, std::int32_t width, std::int32_t height)
{
    context.fillRect(0, 0, width, height, kWhite);
}

bool ImageSource::DrawsOnWhiteGround() const { return false; }

std::string ImageSource::AccessibleName(std::int32_t) { return {}; }

std::string ImageSource::AccessibleDescription(std::int32_t) { return {}; }

std::uint64_t ImageSource::StillLayerKey(std::int32_t, std::int32_t, std::int32_t)
{
    constexpr std::uint64_t kWhiteGround = 0x5768697465ull;
    return DrawsOnWhiteGround() ? kWhiteGround : kNoStillLayer;
}

void ImageSource::StillLayerParts(std::int32_t, std::int32_t, std::int32_t, std::vector<StillPart>& parts)
{
    parts.clear();
}

HRESULT ImageSource::DrawStillRows(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest, int, int)
{
    return DrawStillLayer(context, width, height, drawRequest);
}

HRESULT ImageSource::DrawStillLayer(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t)
{
    if (DrawsOnWhiteGround() && width > 0 && height > 0)
        paintWhite(context, width, height);
    return S_OK;
}

HRESULT ImageSource::DrawMovingLayer(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    whiteGroundKept_ = DrawsOnWhiteGround();
    const HRESULT result = Draw(context, width, height, drawRequest);
    whiteGroundKept_ = false;
    return result;
}

std::int32_t ImageSource::GetGeneration() { return generation_; }

std::int32_t ImageSource::GetButtonCount() { return 0; }

const ButtonSpec* ImageSource::GetButtons() { return nullptr; }

HRESULT ImageSource::OnCommand(QWidget*, std::uintptr_t, std::intptr_t)
{
    // Shown with no lock held: a message box runs a nested event loop.
    platform::showMessage("Got a message I wasn't ready for.", "Error", platform::MessageIcon::Error);
    return S_OK;
}

void ImageSource::OnMouse(QWidget*, std::uint32_t, std::intptr_t, std::uintptr_t, std::int32_t) { }

namespace {

// Splits "name=value"; a text that does not split is reported (when reportErrors is 1) and its code returned.
HRESULT splitReporting(const std::string& text, std::string& name, std::string& value, std::int32_t reportErrors)
{
    const HRESULT result = splitArgument(text, name, value);
    if (FAILED(result) && reportErrors == 1) {
        platform::showMessage(platform::formatText("Unrecognized argument: %s", argumentNamePart(text).c_str()),
            "Parser Error", platform::MessageIcon::Error);
    }
    return result;
}

} // namespace

HRESULT ImageSource::ParseDrawArgument(const std::string& text, std::int32_t& drawRequest, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    std::string name;
    std::string value;
    const HRESULT result = splitReporting(text, name, value, reportErrors);
    if (FAILED(result))
        return result;
    return SetDrawArgument(name, value, drawRequest, reportErrors);
}

HRESULT ImageSource::SetDrawArgument(
    const std::string& name, const std::string& value, std::int32_t& drawRequest, std::int32_t)
{
    if (name != "draw_stat")
        return E_FAIL;
    bool showStatistics = false;
    if (FAILED(parseBoolean(value, showStatistics)))
        return E_FAIL;
    // False clears the whole request, not only the statistics bit.
    drawRequest = showStatistics ? (drawRequest | kDrawStatistics) : 0;
    return S_OK;
}

HRESULT ImageSource::ParseArgument(const std::string& text, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    std::string name;
    std::string value;
    const HRESULT result = splitReporting(text, name, value, reportErrors);
    if (FAILED(result))
        return result;
    return SetArgument(name, value, reportErrors);
}

HRESULT ImageSource::SetArgument(const std::string&, const std::string&, std::int32_t) { return S_OK; }

HRESULT ImageSource::GetDefaultDrawRequest(std::int32_t* drawRequest)
{
    if (drawRequest == nullptr)
        return E_INVALIDARG;
    *drawRequest = kDrawStatistics;
    return S_OK;
}

HRESULT ImageSource::ApplyDefaults(WindowDrawSettings* record) { return record != nullptr ? S_OK : E_INVALIDARG; }

HRESULT ImageSource::RequestRedraw()
{
    if (SourceViews* views = SourceViews::installed())
        views->redraw(this);
    return S_OK;
}

void ImageSource::setOwner(SourceOwner* owner)
{
    platform::CriticalSectionGuard guard(lock_);
    owner_ = owner;
}

HRESULT ImageSource::getOwner(SourceOwner** owner)
{
    if (owner == nullptr)
        return E_INVALIDARG;
    platform::CriticalSectionGuard guard(lock_);
    *owner = owner_;
    return S_OK;
}
