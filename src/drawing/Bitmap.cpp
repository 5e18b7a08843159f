#include "drawing/Bitmap.h"

#include "drawing/PictureReader.h"
#include "platform/DataPath.h"
#include "platform/Message.h"
#include "platform/ResourceLibrary.h"
#include "platform/Text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Error numbers shown in the load messages, in the platform's numbering.
constexpr int kResourceNameNotFound = 1814; // no bitmap of that name in the resource library
constexpr int kFileNotFound = 2; // no such file
constexpr int kAccessDenied = 5; // the file exists but cannot be read, or is a folder or a device
constexpr int kNotEnoughMemory = 8; // the picture claims more pixels than are read
constexpr int kInvalidData = 13; // the file is not a picture

// Messages are formatted into a buffer of 256 characters including its terminator.
constexpr std::size_t kMessageLength = 255;

constexpr std::int32_t kAlignLeftOrBottom = 0;
constexpr std::int32_t kAlignStretch = 1;
constexpr std::int32_t kAlignTile = 2;
constexpr std::int32_t kAlignRightOrTop = 3;

void reportLoadError(const std::string& text)
{
    platform::showMessage(platform::cutText(text, kMessageLength), "ObserverWindow Error");
}

int fileErrorNumber(const std::string& path, std::int64_t maxPixels)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0)
        return kFileNotFound;
    if (!S_ISREG(status.st_mode) || ::access(path.c_str(), R_OK) != 0)
        return kAccessDenied;
    if (drawing::pictureIsTooLarge(path, maxPixels))
        return kNotEnoughMemory;
    return kInvalidData;
}

// The message of a bitmap file that did not load; a file refused for what it is (a folder,
// a device, a picture past the limits) says so on a line of its own.
void reportFileLoadError(const char* path, const std::string& filePath, std::int64_t maxPixels)
{
    std::string text = platform::cutText(
        platform::formatText("Couldn't open bitmap file %s.  Error was %d", path, fileErrorNumber(filePath, maxPixels)),
        kMessageLength);
    const std::string refusal = drawing::pictureRefusal(filePath, maxPixels);
    if (!refusal.empty())
        text += "\n"
            + QCoreApplication::translate("Bitmap", "The file was refused: %1.")
                  .arg(QString::fromStdString(refusal))
                  .toStdString();
    platform::showMessage(text, "ObserverWindow Error");
}

// One axis of a placement: where the copy goes and which part of the bitmap it takes.
struct Span {
    std::int64_t dest = 0;
    std::int64_t destLength = 0;
    std::int64_t source = 0;
    std::int64_t sourceLength = 0;
};

// The placement of one axis. `nearAlign` keeps the start of the bitmap (left, top),
// `farAlign` its end (right, bottom). False for an unknown alignment value.
bool placeAxis(std::int32_t align, std::int32_t nearAlign, std::int32_t farAlign, std::int64_t areaStart,
    std::int64_t areaLength, std::int64_t bitmapLength, Span& span)
{
    const std::int64_t kept = std::min(bitmapLength, areaLength);
    if (align == nearAlign) {
        span = { areaStart, kept, 0, kept };
    } else if (align == farAlign) {
        span = { areaStart + areaLength - kept, kept, bitmapLength - kept, kept };
    } else if (align == kAlignStretch) {
        span = { areaStart, areaLength, 0, bitmapLength };
    } else if (align == kAlignTile) {
        span = { areaStart, bitmapLength, 0, bitmapLength };
    } else {
        return false;
    }
    return true;
}

// The tile origins start, start + step, ... below end. Tiles wholly outside the
// device context (0 to limit) would be clipped away entirely, so they are skipped:
// the pixels drawn are the same and a huge area cannot stall the window thread.
std::int64_t firstVisibleTile(std::int64_t start, std::int64_t step)
{
    if (start + step > 0)
        return start;
    return start + ((-start) / step) * step;
}

// The pictures of the resource library, each decoded once per process: a layout load makes
// the planet sprites of every system anew, and the bitmaps loaded from one name share its
// pixels (a QImage shares them until it is changed, and a Bitmap never changes its own).
// Names are looked up in capitals, so "mars" and "MARS" are one picture; a name that finds
// no picture is not kept. The cache thus holds at most one entry per picture of the library,
// however many layouts are loaded.
// Threading: any thread; the mutex is a leaf (decoding takes no other lock).
QImage resourcePicture(const platform::ResourceLibrary& module, const std::string& name)
{
    static std::mutex mutex;
    static std::map<std::pair<std::uintptr_t, std::string>, QImage> pictures;
    std::string key = name;
    for (char& character : key)
        character = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    const std::lock_guard<std::mutex> lock(mutex);
    const auto entry = std::make_pair(module.handle(), std::move(key));
    const auto found = pictures.find(entry);
    if (found != pictures.end())
        return found->second;
    QImage picture = module.bitmap(name);
    if (!picture.isNull())
        pictures.emplace(entry, picture);
    return picture;
}

} // namespace

HRESULT Bitmap::unload()
{
    image_ = QImage();
    width_ = 0;
    height_ = 0;
    return S_OK;
}

HRESULT Bitmap::loadFromResource(const platform::ResourceLibrary* module, const char* name, std::int32_t reportErrors)
{
    if (module == nullptr || name == nullptr)
        return E_INVALIDARG;
    unload();
    if (name[0] == '\0')
        return S_OK;
    if (loadFromImage(resourcePicture(*module, name)) != S_OK) {
        if (reportErrors == 1)
            reportLoadError(platform::formatText("Couldn't load bitmap %s from process 0x08%jx.  Error was %d", name,
                static_cast<std::uintmax_t>(module->handle()), kResourceNameNotFound));
        return E_FAIL;
    }
    return S_OK;
}

HRESULT Bitmap::loadFromFile(const char* path, std::int32_t reportErrors, std::int64_t maxPixels)
{
    if (path == nullptr)
        return E_INVALIDARG;
    unload();
    if (path[0] == '\0')
        return S_OK;
    // The path's bytes go to the file system as they are (see PictureReader.h).
    const std::string filePath = platform::resolveDataPath(path);
    if (loadFromImage(drawing::readPicture(filePath, maxPixels)) != S_OK) {
        if (reportErrors == 1)
            reportFileLoadError(path, filePath, maxPixels);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT Bitmap::loadFromImage(const QImage& image)
{
    unload();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return E_INVALIDARG;
    image_ = image.convertToFormat(QImage::Format_RGB32);
    width_ = image_.width();
    height_ = image_.height();
    return S_OK;
}

HRESULT Bitmap::getSize(std::int32_t* width, std::int32_t* height) const
{
    if (width != nullptr)
        *width = width_;
    if (height != nullptr)
        *height = height_;
    return S_OK;
}

HRESULT Bitmap::isValid() const { return (!image_.isNull() && width_ != 0 && height_ != 0) ? S_OK : E_FAIL; }

HRESULT Bitmap::blitPart(raster::DeviceContext& context, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
    std::int32_t sourceX, std::int32_t sourceY, raster::RasterOp op) const
{
    if (isValid() != S_OK)
        return E_FAIL;
    context.bitBlt(x, y, w, h, image_, sourceX, sourceY, op);
    return S_OK;
}

HRESULT Bitmap::drawAligned(raster::DeviceContext& context, std::int32_t areaWidth, std::int32_t areaHeight,
    std::int32_t areaX, std::int32_t areaY, std::int32_t xAlign, std::int32_t yAlign) const
{
    if (areaWidth == 0 || areaHeight == 0)
        return E_INVALIDARG;
    if (isValid() != S_OK)
        return S_OK;
    Span across;
    Span down;
    if (!placeAxis(xAlign, kAlignLeftOrBottom, kAlignRightOrTop, areaX, areaWidth, width_, across)
        || !placeAxis(yAlign, kAlignRightOrTop, kAlignLeftOrBottom, areaY, areaHeight, height_, down))
        return E_FAIL;

    const bool tileAcross = xAlign == kAlignTile;
    const bool tileDown = yAlign == kAlignTile;
    const std::int64_t areaRight = std::min<std::int64_t>(std::int64_t { areaX } + areaWidth, context.width());
    const std::int64_t areaBottom = std::min<std::int64_t>(std::int64_t { areaY } + areaHeight, context.height());
    const auto copy = [&](std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
        context.stretchBlt(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h), image_,
            static_cast<int>(across.source), static_cast<int>(down.source), static_cast<int>(across.sourceLength),
            static_cast<int>(down.sourceLength), raster::RasterOp::SourceCopy);
    };

    if (!tileAcross && !tileDown) {
        copy(across.dest, down.dest, across.destLength, down.destLength);
    } else if (tileAcross && tileDown) {
        for (auto x = firstVisibleTile(areaX, width_); x < areaRight; x += width_)
            for (auto y = firstVisibleTile(areaY, height_); y < areaBottom; y += height_)
                context.bitBlt(static_cast<int>(x), static_cast<int>(y), width_, height_, image_, 0, 0,
                    raster::RasterOp::SourceCopy);
    } else if (tileDown) {
        for (auto y = firstVisibleTile(areaY, height_); y < areaBottom; y += height_)
            copy(across.dest, y, across.destLength, height_);
    } else {
        for (auto x = firstVisibleTile(areaX, width_); x < areaRight; x += width_)
            copy(x, down.dest, width_, down.destLength);
    }
    return S_OK;
}

HRESULT Bitmap::drawAt(raster::DeviceContext& context, std::int32_t x, std::int32_t y) const
{
    return drawCentred(context, x, y, width_, height_);
}

HRESULT Bitmap::drawCentred(
    raster::DeviceContext& context, std::int32_t x, std::int32_t y, std::int32_t maxWidth, std::int32_t maxHeight) const
{
    if (maxWidth <= 0 || maxHeight <= 0)
        return E_INVALIDARG;
    const std::int32_t w = std::min(maxWidth, width_);
    const std::int32_t h = std::min(maxHeight, height_);
    if (isValid() != S_OK)
        return S_OK;
    return drawAligned(context, w, h, x - w / 2, y - h / 2, kAlignLeftOrBottom, kAlignRightOrTop);
}
