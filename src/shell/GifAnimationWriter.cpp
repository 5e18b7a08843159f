#include "shell/GifAnimationWriter.h"

#include "shell/FramePalette.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct ColourMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, ColourMapDeleter>;

// A GIF colour table holds a power of two of entries (at least two); the ones past the
// palette's colours are black and unused.
ColourMap makeColourMap(const std::vector<QRgb>& colours)
{
    const int size = 1 << GifBitSize(std::max(static_cast<int>(colours.size()), 2));
    std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType { 0, 0, 0 });
    for (std::size_t entry = 0; entry < colours.size(); ++entry)
        entries[entry] = GifColorType { static_cast<GifByteType>(qRed(colours[entry])),
            static_cast<GifByteType>(qGreen(colours[entry])), static_cast<GifByteType>(qBlue(colours[entry])) };
    return ColourMap(GifMakeMapObject(size, entries.data()));
}

} // namespace

GifAnimationWriter::GifAnimationWriter(const QSize& size)
    : size_(size)
{
}

GifAnimationWriter::~GifAnimationWriter()
{
    if (file_)
        close();
}

bool GifAnimationWriter::addFrame(const QImage& frame, int centiseconds)
{
    if (failed_ || size_.isEmpty())
        return false;
    QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    if (pixels.size() != size_)
        pixels = pixels.scaled(size_);
    const bool firstFrame = file_ == nullptr;
    if (firstFrame && !start()) {
        failed_ = true;
        return false;
    }
    const QRect part = firstFrame ? pixels.rect() : changedPart(pixels);
    if (!writeFrame(pixels, part, centiseconds, firstFrame)) {
        failed_ = true;
        return false;
    }
    previous_ = std::move(pixels);
    ++frames_;
    return true;
}

bool GifAnimationWriter::start()
{
    int error = 0;
    file_ = EGifOpen(this, &GifAnimationWriter::appendBytes, &error);
    if (!file_)
        return false;
    // Delays and the loop are GIF89a's.
    EGifSetGifVersion(file_, true);
    return true;
}

bool GifAnimationWriter::writeFrame(const QImage& frame, const QRect& part, int centiseconds, bool firstFrame)
{
    FramePalette palette(frame, part);
    const ColourMap map = makeColourMap(palette.colours());
    if (!map)
        return false;
    if (firstFrame
        && (EGifPutScreenDesc(file_, size_.width(), size_.height(), 8, 0, map.get()) == GIF_ERROR || !writeLoop()))
        return false;
    if (!writeDelay(centiseconds)
        || EGifPutImageDesc(
               file_, part.left(), part.top(), part.width(), part.height(), false, firstFrame ? nullptr : map.get())
            == GIF_ERROR)
        return false;
    std::vector<GifPixelType> line(static_cast<std::size_t>(part.width()));
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto* const row = reinterpret_cast<const QRgb*>(frame.constScanLine(y)) + part.left();
        for (std::size_t x = 0; x < line.size(); ++x)
            line[x] = palette.entryOf(row[x]);
        if (EGifPutLine(file_, line.data(), part.width()) == GIF_ERROR)
            return false;
    }
    return true;
}

// The frame stays on show under the next one, which covers only what changed.
bool GifAnimationWriter::writeDelay(int centiseconds)
{
    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = centiseconds;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4] = {};
    const std::size_t length = EGifGCBToExtension(&control, extension);
    return EGifPutExtension(file_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_ERROR;
}

// The application block that browsers and presentation programs read as "loop for ever".
bool GifAnimationWriter::writeLoop()
{
    static const char kApplication[] = "NETSCAPE2.0";
    static const unsigned char kForever[] = { 1, 0, 0 };
    return EGifPutExtensionLeader(file_, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR
        && EGifPutExtensionBlock(file_, 11, kApplication) != GIF_ERROR
        && EGifPutExtensionBlock(file_, static_cast<int>(sizeof kForever), kForever) != GIF_ERROR
        && EGifPutExtensionTrailer(file_) != GIF_ERROR;
}

QRect GifAnimationWriter::changedPart(const QImage& frame) const
{
    const int width = frame.width();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    int top = -1;
    int bottom = -1;
    int left = width;
    int right = -1;
    for (int y = 0; y < frame.height(); ++y) {
        const auto* const now = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        const auto* const before = reinterpret_cast<const QRgb*>(previous_.constScanLine(y));
        if (std::memcmp(now, before, rowBytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        for (int x = 0; x < left; ++x) {
            if (now[x] != before[x]) {
                left = x;
                break;
            }
        }
        for (int x = width - 1; x > right; --x) {
            if (now[x] != before[x]) {
                right = x;
                break;
            }
        }
    }
    if (top < 0)
        return QRect(0, 0, 1, 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

std::optional<std::string> GifAnimationWriter::finish()
{
    const bool written = !failed_ && file_ && frames_ > 0;
    const bool closed = file_ && close();
    failed_ = true; // spent: nothing more may be added
    if (!written || !closed)
        return std::nullopt;
    return std::move(bytes_);
}

bool GifAnimationWriter::close()
{
    int error = 0;
    const bool closed = EGifCloseFile(file_, &error) != GIF_ERROR;
    file_ = nullptr;
    return closed;
}

int GifAnimationWriter::appendBytes(GifFileType* file, const unsigned char* bytes, int length)
{
    auto* const writer = static_cast<GifAnimationWriter*>(file->UserData);
    writer->bytes_.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    return length;
}
