// The bitmap loader on any file, its messages on: a file that does not load leaves no
// bitmap; a bitmap that loads is no larger than the reader accepts and draws with every
// placement, centred and tiled, into a window's back buffer.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "drawing/BackgroundSpec.h"
#include "drawing/Bitmap.h"
#include "drawing/PictureReader.h"
#include "raster/DeviceContext.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Pictures within the limit but of more pixels than this are left out: what they cost is
// Qt's work on every pixel (seconds for the largest), not the reader's checks, and they would
// hold the fuzzer to a few runs a second. Pictures beyond the limit still run: the reader
// must refuse them at once.
constexpr std::int64_t kMostPixelsDecoded = 4 * 1024 * 1024;

bool tooCostlyToDecode(const QSize& claimed)
{
    const bool withinLimit
        = claimed.width() <= drawing::kMaxPictureSide && claimed.height() <= drawing::kMaxPictureSide;
    return claimed.isValid() && withinLimit && std::int64_t { claimed.width() } * claimed.height() > kMostPixelsDecoded;
}

// A small back buffer: large enough for every placement to show, small enough that
// tiling a one-pixel bitmap stays cheap.
constexpr int kBufferWidth = 37;
constexpr int kBufferHeight = 23;

void drawEveryPlacement(const Bitmap& bitmap)
{
    QImage buffer(kBufferWidth, kBufferHeight, QImage::Format_RGB32);
    raster::DeviceContext context(buffer);
    for (std::int32_t xAlign = XAlignLeft; xAlign <= XAlignRight; ++xAlign) {
        for (std::int32_t yAlign = YAlignBottom; yAlign <= YAlignTop; ++yAlign)
            fuzz::check(bitmap.drawAligned(context, kBufferWidth, kBufferHeight, 0, 0, xAlign, yAlign) == S_OK,
                "a loaded bitmap draws with every placement");
    }
    fuzz::check(bitmap.drawCentred(context, 5, 5, 1000000, 1000000) == S_OK, "a loaded bitmap draws centred");
    fuzz::check(bitmap.drawAt(context, -3, kBufferHeight + 2) == S_OK, "a loaded bitmap draws partly outside");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = fuzz::inputFile(data, size);
    if (tooCostlyToDecode(drawing::claimedPictureSize(path)))
        return 0;
    Bitmap bitmap;
    if (FAILED(bitmap.loadFromFile(path.c_str(), 1))) {
        fuzz::check(bitmap.isValid() != S_OK, "a file that does not load leaves no bitmap");
        return 0;
    }
    fuzz::check(bitmap.isValid() == S_OK, "a file that loads gives a bitmap");
    fuzz::check(bitmap.width() <= drawing::kMaxPictureSide && bitmap.height() <= drawing::kMaxPictureSide,
        "a bitmap is no larger than the reader accepts");
    drawEveryPlacement(bitmap);
    return 0;
}
