// Bitmap headers that lie about the size and paths that are not bitmaps: loading never
// crashes, a file that does not load leaves no bitmap, and a bitmap that loads draws with
// every placement.
#include "RobustnessCorpus.h"

#include "drawing/BackgroundSpec.h"
#include "drawing/Bitmap.h"
#include "platform/Message.h"
#include "raster/DeviceContext.h"
#include "support/TestFiles.h"

#include <QImage>

#include <cstring>
#include <gtest/gtest.h>

namespace {

using robustness::Extreme;

// A 24-bit BMP file header and info header claiming `width` x `height` pixels, with
// `pixelBytes` bytes of pixels after it.
std::string bitmapHeader(std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel, std::size_t pixelBytes)
{
    std::string bytes(54, '\0');
    auto put32 = [&bytes](std::size_t at, std::uint32_t value) { std::memcpy(&bytes[at], &value, 4); };
    auto put16 = [&bytes](std::size_t at, std::uint16_t value) { std::memcpy(&bytes[at], &value, 2); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(54 + pixelBytes));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    put16(26, 1);
    put16(28, bitsPerPixel);
    return bytes + std::string(pixelBytes, '\x55');
}

class BitmapExtremesTest : public testing::Test {
protected:
    void loadExtreme(const Extreme& extreme)
    {
        const std::string path = scratch.write("extreme.bmp", extreme.bytes);
        Bitmap bitmap;
        const HRESULT result = bitmap.loadFromFile(path.c_str(), 1);
        recorder.clear();
        if (FAILED(result)) {
            ++failures;
            EXPECT_NE(bitmap.isValid(), S_OK) << extreme.description;
            return;
        }
        if (bitmap.isValid() != S_OK)
            return;
        ++loaded;
        QImage image(37, 23, QImage::Format_RGB32);
        raster::DeviceContext context(image);
        for (std::int32_t xAlign = XAlignLeft; xAlign <= XAlignRight; ++xAlign) {
            for (std::int32_t yAlign = YAlignBottom; yAlign <= YAlignTop; ++yAlign)
                EXPECT_EQ(bitmap.drawAligned(context, 37, 23, 0, 0, xAlign, yAlign), S_OK) << extreme.description;
        }
        EXPECT_EQ(bitmap.drawCentred(context, 5, 5, 1000000, 1000000), S_OK) << extreme.description;
    }

    testing_support::TemporaryFolder scratch;
    platform::MessageRecorder recorder;
    int loaded = 0;
    int failures = 0;
};

TEST_F(BitmapExtremesTest, HeadersThatLieAboutTheSize)
{
    const std::vector<Extreme> extremes = {
        { "2147483647 x 1", bitmapHeader(2147483647, 1, 24, 16) },
        { "1 x -2147483648", bitmapHeader(1, -2147483647 - 1, 24, 16) },
        { "65536 x 65536", bitmapHeader(65536, 65536, 24, 16) },
        { "0 x 0", bitmapHeader(0, 0, 24, 0) },
        { "-1 x -1", bitmapHeader(-1, -1, 24, 16) },
        { "1 x 1 at 0 bits", bitmapHeader(1, 1, 0, 16) },
        { "1 x 1 at 65535 bits", bitmapHeader(1, 1, 65535, 16) },
        { "1 x 1 top-down", bitmapHeader(1, -1, 24, 4) },
        { "1 x 1", bitmapHeader(1, 1, 24, 4) },
    };
    for (const Extreme& extreme : extremes)
        loadExtreme(extreme);
    EXPECT_GT(loaded, 0);
    EXPECT_GT(failures, 0);
}

TEST_F(BitmapExtremesTest, PathsThatAreNotBitmaps)
{
    const testing_support::CurrentDirectoryScope inScratch(scratch.path());
    for (const std::string& path : robustness::awkwardPaths()) {
        Bitmap bitmap;
        bitmap.loadFromFile(path.c_str(), 1);
        EXPECT_NE(bitmap.isValid(), S_OK) << path;
    }
}

} // namespace
