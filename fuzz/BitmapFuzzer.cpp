// The bitmap loader on any file, its messages on: a file that does not load leaves no
// bitmap; a bitmap that loads is no larger than the reader accepts and draws with every
// placement, centred and tiled, into a window's back buffer.
//
// The reader is given a limit of pixels in all far below the program's (kFuzzedPixels
// against drawing::kMaxPicturePixels, 4096 x 4096): a header of a few bytes may claim a
// picture of millions of pixels within the program's limit (a GIF's screen, a compressed
// BMP), and decoding and drawing each one would hold the fuzzer to a few runs a second.
// The reader applies either limit by the same code, so every picture still runs: one past
// kFuzzedPixels is refused from its header, or once decoded, as one past the program's
// limit is, with the same message. The program's limit itself is checked by the unit tests
// (tests/drawing/BitmapTest.cpp, BitmapFiles).
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

// 256 x 256 pixels, a quarter of a megabyte decoded. A picture whose size its reader tells
// only by decoding it may take up to Qt's allocation limit, a whole megabyte, before it is
// refused.
constexpr std::int64_t kFuzzedPixels = std::int64_t { 256 } * 256;

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
    Bitmap bitmap;
    if (FAILED(bitmap.loadFromFile(path.c_str(), 1, kFuzzedPixels))) {
        fuzz::check(bitmap.isValid() != S_OK, "a file that does not load leaves no bitmap");
        return 0;
    }
    fuzz::check(bitmap.isValid() == S_OK, "a file that loads gives a bitmap");
    fuzz::check(bitmap.width() <= drawing::kMaxPictureSide && bitmap.height() <= drawing::kMaxPictureSide
            && std::int64_t { bitmap.width() } * bitmap.height() <= kFuzzedPixels,
        "a bitmap is no larger than the reader accepts");
    drawEveryPlacement(bitmap);
    return 0;
}
