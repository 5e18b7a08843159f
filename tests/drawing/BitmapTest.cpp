// Bitmap loading and placement, checked pixel by pixel on real images.
#include "drawing/Bitmap.h"

#include "drawing/PictureReader.h"
#include "platform/Message.h"
#include "platform/ResourceLibrary.h"
#include "platform/Text.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QImage>
#include <QRect>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr std::int32_t kLeft = 0, kStretch = 1, kTile = 2, kRight = 3;
constexpr std::int32_t kBottom = 0, kTop = 3;
constexpr int kBitmapWidth = 100, kBitmapHeight = 50;
const QRgb kBackground = qRgb(255, 255, 255);

// Every pixel of the test bitmap tells where it came from: red is x, green is y.
QRgb patternPixel(int x, int y) { return qRgb(x, y, 0x55); }

QImage patternImage()
{
    QImage image(kBitmapWidth, kBitmapHeight, QImage::Format_RGB32);
    for (int y = 0; y < kBitmapHeight; ++y)
        for (int x = 0; x < kBitmapWidth; ++x)
            image.setPixel(x, y, patternPixel(x, y));
    return image;
}

QImage blankCanvas(int width, int height)
{
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(kBackground);
    return canvas;
}

class BitmapDrawing : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(bitmap.loadFromImage(patternImage()), S_OK); }

    // Runs one drawing call on a fresh canvas and returns the canvas.
    template <typename Draw> QImage draw(int width, int height, Draw&& drawCall, HRESULT expected = S_OK)
    {
        QImage canvas = blankCanvas(width, height);
        {
            raster::DeviceContext context(canvas);
            EXPECT_EQ(drawCall(context), expected);
        }
        return canvas;
    }

    Bitmap bitmap;
};

// The pixels of `dest` are the plain copy of the bitmap part at source; every other pixel is untouched.
void expectCopy(const QImage& canvas, const QRect& dest, QPoint source)
{
    int wrong = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb expected = dest.contains(x, y)
                ? patternPixel(source.x() + x - dest.x(), source.y() + y - dest.y())
                : kBackground;
            if (canvas.pixel(x, y) != expected && wrong++ < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << canvas.pixel(x, y) << " instead of "
                              << expected;
        }
    EXPECT_EQ(wrong, 0);
}

// The pixels of `dest` come from the source rectangle, scaled proportionally on each axis.
void expectStretch(const QImage& canvas, const QRect& dest, const QRect& source)
{
    int wrong = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb pixel = canvas.pixel(x, y);
            bool good;
            if (!dest.contains(x, y)) {
                good = pixel == kBackground;
            } else {
                const int dx = x - dest.x(), dy = y - dest.y();
                const int sx = qRed(pixel) - source.x(), sy = qGreen(pixel) - source.y();
                good = qBlue(pixel) == 0x55 && sx * dest.width() >= dx * source.width() - dest.width()
                    && sx * dest.width() <= (dx + 1) * source.width()
                    && sy * dest.height() >= dy * source.height() - dest.height()
                    && sy * dest.height() <= (dy + 1) * source.height() && sx >= 0 && sx < source.width() && sy >= 0
                    && sy < source.height();
            }
            if (!good && wrong++ < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << pixel;
        }
    EXPECT_EQ(wrong, 0);
}

TEST_F(BitmapDrawing, CutsABitmapLargerThanTheAreaByEachPlacement)
{
    struct Case {
        std::int32_t xAlign, yAlign;
        QPoint source;
    };
    for (const Case& placement : { Case { kLeft, kTop, { 0, 0 } }, Case { kRight, kBottom, { 60, 10 } },
             Case { kLeft, kBottom, { 0, 10 } }, Case { kRight, kTop, { 60, 0 } } }) {
        SCOPED_TRACE(testing::Message() << "xAlign " << placement.xAlign << " yAlign " << placement.yAlign);
        const QImage canvas = draw(120, 80, [&](raster::DeviceContext& context) {
            return bitmap.drawAligned(context, 40, 40, 10, 10, placement.xAlign, placement.yAlign);
        });
        expectCopy(canvas, QRect(10, 10, 40, 40), placement.source);
    }
}

TEST_F(BitmapDrawing, PlacesABitmapSmallerThanTheAreaAtItsSides)
{
    struct Case {
        std::int32_t xAlign, yAlign;
        QPoint dest;
    };
    // Area 160 x 90 at (5, 5): the far sides put the bitmap at 5 + 160 - 100 and 5 + 90 - 50.
    for (const Case& placement : { Case { kLeft, kTop, { 5, 5 } }, Case { kRight, kBottom, { 65, 45 } },
             Case { kLeft, kBottom, { 5, 45 } }, Case { kRight, kTop, { 65, 5 } } }) {
        SCOPED_TRACE(testing::Message() << "xAlign " << placement.xAlign << " yAlign " << placement.yAlign);
        const QImage canvas = draw(200, 120, [&](raster::DeviceContext& context) {
            return bitmap.drawAligned(context, 160, 90, 5, 5, placement.xAlign, placement.yAlign);
        });
        expectCopy(canvas, QRect(placement.dest, QSize(kBitmapWidth, kBitmapHeight)), { 0, 0 });
    }
}

TEST_F(BitmapDrawing, StretchesTheWholeBitmapOntoTheArea)
{
    const QImage larger = draw(230, 120, [&](raster::DeviceContext& context) {
        return bitmap.drawAligned(context, 200, 100, 10, 10, kStretch, kStretch);
    });
    expectStretch(larger, QRect(10, 10, 200, 100), QRect(0, 0, kBitmapWidth, kBitmapHeight));
    EXPECT_EQ(larger.pixel(10, 10), patternPixel(0, 0));
    EXPECT_EQ(larger.pixel(209, 109), patternPixel(99, 49));
    EXPECT_EQ(larger.pixel(11 + 2 * 37, 10 + 2 * 21), patternPixel(37, 21));

    const QImage smaller = draw(80, 40,
        [&](raster::DeviceContext& context) { return bitmap.drawAligned(context, 50, 25, 3, 4, kStretch, kStretch); });
    expectStretch(smaller, QRect(3, 4, 50, 25), QRect(0, 0, kBitmapWidth, kBitmapHeight));
}

TEST_F(BitmapDrawing, StretchesOneAxisAndPlacesTheOther)
{
    const QImage acrossStretched = draw(150, 80,
        [&](raster::DeviceContext& context) { return bitmap.drawAligned(context, 140, 30, 5, 20, kStretch, kBottom); });
    expectStretch(acrossStretched, QRect(5, 20, 140, 30), QRect(0, 20, kBitmapWidth, 30));

    const QImage downStretched = draw(150, 130,
        [&](raster::DeviceContext& context) { return bitmap.drawAligned(context, 120, 120, 0, 0, kRight, kStretch); });
    expectStretch(downStretched, QRect(20, 0, 100, 120), QRect(0, 0, kBitmapWidth, kBitmapHeight));
}

TEST_F(BitmapDrawing, TilesBothAxesWithPlainCopiesUntilTheAreaIsCovered)
{
    // Area 250 x 120 on a larger canvas: 3 x 3 tiles at x 0, 100, 200 and y 0, 50, 100; the
    // last ones reach past the area (only the device context clips), and no fourth row or column follows.
    const QImage canvas = draw(320, 170,
        [&](raster::DeviceContext& context) { return bitmap.drawAligned(context, 250, 120, 0, 0, kTile, kTile); });
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_EQ(canvas.pixel(x, y), x < 300 && y < 150 ? patternPixel(x % 100, y % 50) : kBackground)
                << x << "," << y;
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(canvas.pixel(column * 100, row * 50), patternPixel(0, 0));
            EXPECT_EQ(canvas.pixel(column * 100 + 99, row * 50 + 49), patternPixel(99, 49));
        }
    EXPECT_EQ(canvas.pixel(300, 10), kBackground);
    EXPECT_EQ(canvas.pixel(319, 169), kBackground);
    EXPECT_EQ(canvas.pixel(10, 150), kBackground);
}

TEST_F(BitmapDrawing, TilesFromAnOriginOutsideTheDeviceContext)
{
    const QImage canvas = draw(90, 60, [&](raster::DeviceContext& context) {
        return bitmap.drawAligned(context, 400, 300, -230, -120, kTile, kTile);
    });
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_EQ(canvas.pixel(x, y), patternPixel((x + 230) % 100, (y + 120) % 50)) << x << "," << y;
}

TEST_F(BitmapDrawing, TilesOneAxisWithStretchedCopies)
{
    // Across tiled, down stretched: copies at x 0, 100, 200, each the whole bitmap made 100 high.
    const QImage acrossTiled = draw(260, 110,
        [&](raster::DeviceContext& context) { return bitmap.drawAligned(context, 250, 100, 0, 0, kTile, kStretch); });
    for (int x = 0; x < 260; x += 7)
        for (int y = 0; y < 110; y += 3)
            ASSERT_EQ(acrossTiled.pixel(x, y), y < 100 ? patternPixel(x % 100, y / 2) : kBackground) << x << "," << y;

    // Down tiled, across left-placed in 80 columns: copies of the left 80 x 50 part at y 0, 50, 100.
    const QImage downTiled = draw(120, 160,
        [&](raster::DeviceContext& context) { return bitmap.drawAligned(context, 80, 120, 0, 0, kLeft, kTile); });
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 160; ++y)
            ASSERT_EQ(downTiled.pixel(x, y), x < 80 && y < 150 ? patternPixel(x, y % 50) : kBackground)
                << x << "," << y;
}

TEST_F(BitmapDrawing, RefusesEmptyAreasAndUnknownPlacements)
{
    for (auto [width, height] : { std::pair { 0, 10 }, std::pair { 10, 0 } }) {
        const QImage canvas = draw(
            20, 20,
            [&](raster::DeviceContext& context) {
                return bitmap.drawAligned(context, width, height, 0, 0, kLeft, kTop);
            },
            E_INVALIDARG);
        expectCopy(canvas, QRect(), { 0, 0 });
    }
    for (auto [xAlign, yAlign] : { std::pair { 4, kTop }, std::pair { kLeft, -1 } }) {
        const QImage canvas = draw(
            20, 20,
            [&](raster::DeviceContext& context) { return bitmap.drawAligned(context, 10, 10, 0, 0, xAlign, yAlign); },
            E_FAIL);
        expectCopy(canvas, QRect(), { 0, 0 });
    }
}

TEST_F(BitmapDrawing, DrawsTheTopLeftPartCentredOnAPoint)
{
    const QImage canvas
        = draw(120, 100, [&](raster::DeviceContext& context) { return bitmap.drawCentred(context, 50, 50, 20, 20); });
    expectCopy(canvas, QRect(40, 40, 20, 20), { 0, 0 });

    const QImage odd
        = draw(120, 100, [&](raster::DeviceContext& context) { return bitmap.drawCentred(context, 50, 50, 7, 500); });
    expectCopy(odd, QRect(47, 25, 7, 50), { 0, 0 });

    const QImage whole = draw(120, 100, [&](raster::DeviceContext& context) { return bitmap.drawAt(context, 60, 40); });
    expectCopy(whole, QRect(10, 15, kBitmapWidth, kBitmapHeight), { 0, 0 });

    for (auto [maxWidth, maxHeight] : { std::pair { 0, 5 }, std::pair { 5, -1 } }) {
        const QImage refused = draw(
            20, 20,
            [&](raster::DeviceContext& context) { return bitmap.drawCentred(context, 10, 10, maxWidth, maxHeight); },
            E_INVALIDARG);
        expectCopy(refused, QRect(), { 0, 0 });
    }
}

TEST_F(BitmapDrawing, BlitsAPartWithTheRasterOperation)
{
    QImage canvas = blankCanvas(30, 30);
    canvas.fill(qRgb(0x0f, 0xf0, 0x33));
    {
        raster::DeviceContext context(canvas);
        EXPECT_EQ(bitmap.blitPart(context, 2, 3, 4, 5, 10, 20, raster::RasterOp::SourceAnd), S_OK);
    }
    EXPECT_EQ(canvas.pixel(2, 3), qRgb(10 & 0x0f, 20 & 0xf0, 0x55 & 0x33));
    EXPECT_EQ(canvas.pixel(5, 7), qRgb(13 & 0x0f, 24 & 0xf0, 0x55 & 0x33));
    EXPECT_EQ(canvas.pixel(6, 7), qRgb(0x0f, 0xf0, 0x33));
}

TEST(BitmapState, IsValidOnlyWithAPicture)
{
    Bitmap bitmap;
    std::int32_t width = -1, height = -1;
    EXPECT_EQ(bitmap.isValid(), E_FAIL);
    EXPECT_EQ(bitmap.getSize(&width, &height), S_OK);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);

    EXPECT_EQ(bitmap.loadFromImage(patternImage()), S_OK);
    EXPECT_EQ(bitmap.isValid(), S_OK);
    bitmap.getSize(&width, &height);
    EXPECT_EQ(width, kBitmapWidth);
    EXPECT_EQ(height, kBitmapHeight);

    EXPECT_EQ(bitmap.unload(), S_OK);
    EXPECT_EQ(bitmap.isValid(), E_FAIL);
    EXPECT_EQ(bitmap.width(), 0);

    EXPECT_EQ(bitmap.loadFromImage(QImage()), E_INVALIDARG);
    EXPECT_EQ(bitmap.isValid(), E_FAIL);
}

TEST(BitmapState, NothingLoadedDrawsNothingAndSucceeds)
{
    Bitmap bitmap;
    QImage canvas = blankCanvas(20, 20);
    {
        raster::DeviceContext context(canvas);
        EXPECT_EQ(bitmap.loadFromFile("", 1), S_OK);
        EXPECT_EQ(bitmap.isValid(), E_FAIL);
        EXPECT_EQ(bitmap.drawAligned(context, 10, 10, 0, 0, kTile, kTile), S_OK);
        EXPECT_EQ(bitmap.drawCentred(context, 10, 10, 5, 5), S_OK);
        EXPECT_EQ(bitmap.blitPart(context, 0, 0, 5, 5, 0, 0, raster::RasterOp::SourceCopy), E_FAIL);
    }
    expectCopy(canvas, QRect(), { 0, 0 });
}

TEST(BitmapFiles, LoadsABitmapFileAndReplacesThePreviousPicture)
{
    testing_support::TemporaryFolder folder;
    const std::string path = folder.file("pattern.bmp");
    ASSERT_TRUE(patternImage().save(QString::fromStdString(path), "BMP"));

    Bitmap bitmap;
    ASSERT_EQ(bitmap.loadFromFile(path.c_str(), 1), S_OK);
    EXPECT_EQ(bitmap.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(bitmap.image(), patternImage());

    EXPECT_EQ(bitmap.loadFromFile(folder.file("missing.bmp").c_str(), 0), E_FAIL);
    EXPECT_EQ(bitmap.isValid(), E_FAIL);
    EXPECT_EQ(bitmap.loadFromFile(nullptr, 1), E_INVALIDARG);
}

TEST(BitmapFiles, LoadsUnderLatin1AndUtf8FileNames)
{
    QByteArray bmp;
    QBuffer buffer(&bmp);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(patternImage().save(&buffer, "BMP"));
    testing_support::TemporaryFolder folder;
    // A Latin-1 name is not valid UTF-8, Qt's local encoding here; its bytes name the file.
    for (const std::string name : { "\xE9t\xE9.bmp", "\xC3\xA9t\xC3\xA9.bmp" }) {
        const std::string path = folder.write(name, bmp.toStdString());
        Bitmap bitmap;
        ASSERT_EQ(bitmap.loadFromFile(path.c_str(), 1), S_OK) << path;
        EXPECT_EQ(bitmap.image(), patternImage());
    }
}

TEST(BitmapFiles, ReportsFilesThatCannotBeLoaded)
{
    testing_support::TemporaryFolder folder;
    const std::string missing = folder.file("missing.bmp");
    const std::string notAPicture = folder.write("notes.bmp", "these are not pixels");
    platform::MessageRecorder recorder;
    Bitmap bitmap;

    EXPECT_EQ(bitmap.loadFromFile(missing.c_str(), 0), E_FAIL);
    EXPECT_EQ(recorder.count(), 0u);

    EXPECT_EQ(bitmap.loadFromFile(missing.c_str(), 1), E_FAIL);
    EXPECT_EQ(recorder.last().text, "Couldn't open bitmap file " + missing + ".  Error was 2");
    EXPECT_EQ(recorder.last().caption, "ObserverWindow Error");
    EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);

    EXPECT_EQ(bitmap.loadFromFile(notAPicture.c_str(), 1), E_FAIL);
    EXPECT_EQ(recorder.last().text, "Couldn't open bitmap file " + notAPicture + ".  Error was 13");
    EXPECT_EQ(recorder.count(), 2u);

    const std::string longPath = folder.file(std::string(240, 'x') + ".bmp");
    EXPECT_EQ(bitmap.loadFromFile(longPath.c_str(), 1), E_FAIL);
    EXPECT_EQ(recorder.last().text.size(), 255u);
}

// A 58-byte .bmp: the two headers and one 24-bit pixel, claiming `width` x `height` pixels.
std::string bmpHeaderClaiming(std::int32_t width, std::int32_t height)
{
    QByteArray bytes(58, '\0');
    const auto put = [&bytes](int offset, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 58, 4); // file size
    put(10, 54, 4); // pixels start
    put(14, 40, 4); // info header size
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2); // planes
    put(28, 24, 2); // bits per pixel, uncompressed
    return bytes.toStdString();
}

// A header that claims more pixels than its file holds, or more than any screen shows,
// is refused as a file that is not a picture, before the pixels are allocated.
TEST(BitmapFiles, RefusesPicturesLargerThanTheirFileOrTheLimit)
{
    testing_support::TemporaryFolder folder;
    platform::MessageRecorder recorder;
    Bitmap bitmap;
    const std::string huge = folder.write("huge.bmp", bmpHeaderClaiming(1, 33'000'000));
    const std::string wide = folder.write("wide.bmp", bmpHeaderClaiming(20'000, -1));
    const std::string cut = folder.write("cut.bmp", bmpHeaderClaiming(1000, 1000));
    for (const std::string& path : { huge, wide, cut }) {
        SCOPED_TRACE(path);
        EXPECT_EQ(bitmap.loadFromFile(path.c_str(), 1), E_FAIL);
        EXPECT_EQ(recorder.last().text.substr(0, recorder.last().text.find('\n')),
            "Couldn't open bitmap file " + path + (path == huge ? ".  Error was 8" : ".  Error was 13"));
        EXPECT_EQ(bitmap.isValid(), E_FAIL);
    }
    EXPECT_EQ(bitmap.loadFromFile(folder.write("one.bmp", bmpHeaderClaiming(1, 1)).c_str(), 1), S_OK);
    EXPECT_EQ(recorder.count(), 3u);
}

// A GIF of one pixel whose logical screen, which the decoded picture takes, is
// `width` x `height`.
std::string gifWithScreen(std::uint16_t width, std::uint16_t height)
{
    std::string bytes = "GIF89a";
    bytes += { static_cast<char>(width & 0xff), static_cast<char>(width >> 8), static_cast<char>(height & 0xff),
        static_cast<char>(height >> 8) }; // the logical screen
    bytes += { static_cast<char>(0x80), 0, 0 }; // a global colour table of two colours
    bytes += { 0, 0, 0, static_cast<char>(0xff), static_cast<char>(0xff), static_cast<char>(0xff) };
    bytes += { 0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0 }; // one 1 x 1 image at the origin
    bytes += { 2, 2, 0x44, 1, 0 }; // its pixel, compressed
    bytes += ';';
    return bytes;
}

// The largest this process has ever been resident, in kilobytes.
long peakResidentKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A GIF's picture takes its logical screen, whatever its frames: the screen is held to
// the limit of a side.
TEST(BitmapFiles, RefusesGifsWhoseScreenIsLargerThanTheLimit)
{
    testing_support::TemporaryFolder folder;
    platform::MessageRecorder recorder;
    Bitmap bitmap;
    const std::string wide = folder.write("wide.gif", gifWithScreen(16385, 1));
    EXPECT_EQ(bitmap.loadFromFile(wide.c_str(), 1), E_FAIL);
    // The limit is named beneath the usual text, with the system's number for a picture too
    // large to take.
    EXPECT_EQ(recorder.last().text,
        "Couldn't open bitmap file " + wide
            + ".  Error was 8\nThe file was refused: its picture claims 16385 x 1 pixels; at most 16384 pixels a "
              "side and 16777216 pixels in all are read.");
    EXPECT_EQ(bitmap.isValid(), E_FAIL);
    ASSERT_EQ(bitmap.loadFromFile(folder.write("widest.gif", gifWithScreen(16384, 1)).c_str(), 1), S_OK);
    EXPECT_EQ(bitmap.width(), 16384);
    EXPECT_EQ(recorder.count(), 1u);
}

// The size a file claims before decoding is what the limit is checked against.
TEST(BitmapFiles, ClaimedSizesComeFromTheHeaders)
{
    testing_support::TemporaryFolder folder;
    EXPECT_EQ(drawing::claimedPictureSize(folder.write("screen.gif", gifWithScreen(300, 20))), QSize(300, 20));
    EXPECT_EQ(drawing::claimedPictureSize(folder.write("tall.bmp", bmpHeaderClaiming(7, 40000))), QSize(7, 40000));
    EXPECT_FALSE(drawing::claimedPictureSize(folder.write("notes.bmp", "these are not pixels")).isValid());
    EXPECT_FALSE(drawing::claimedPictureSize(folder.file("missing.gif")).isValid());
}

// A screen of 16385 x 16383 pixels fits Qt's allocation limit but not the side limit; it is
// refused from the header, before a gigabyte of screen is filled.
TEST(BitmapFiles, RefusesALargeGifScreenBeforeFillingIt)
{
    testing_support::TemporaryFolder folder;
    platform::MessageRecorder recorder;
    Bitmap bitmap;
    const std::string huge = folder.write("huge.gif", gifWithScreen(16385, 16383));
    const long before = peakResidentKilobytes();
    EXPECT_EQ(bitmap.loadFromFile(huge.c_str(), 1), E_FAIL);
    EXPECT_LT(peakResidentKilobytes() - before, 256 * 1024);
}

// Within the side limit a few bytes of header may still claim a gigabyte of pixels (a
// 35-byte GIF of 16383 x 16383, a BMP of 16000 x 16000): past 4096 x 4096 pixels in all a
// picture is refused from its header; that many still loads.
TEST(BitmapFiles, RefusesPicturesOfTooManyPixelsFromTheirHeaders)
{
    testing_support::TemporaryFolder folder;
    platform::MessageRecorder recorder;
    Bitmap bitmap;
    const long before = peakResidentKilobytes();
    EXPECT_EQ(bitmap.loadFromFile(folder.write("square.gif", gifWithScreen(16383, 16383)).c_str(), 1), E_FAIL);
    EXPECT_EQ(bitmap.loadFromFile(folder.write("square.bmp", bmpHeaderClaiming(16000, 16000)).c_str(), 1), E_FAIL);
    EXPECT_LT(peakResidentKilobytes() - before, 64 * 1024);
    EXPECT_EQ(bitmap.loadFromFile(folder.write("most.gif", gifWithScreen(4096, 4096)).c_str(), 1), S_OK);
    EXPECT_EQ(recorder.count(), 2u);
    const std::string past = folder.write("past.gif", gifWithScreen(4097, 4096));
    EXPECT_EQ(bitmap.loadFromFile(past.c_str(), 1), E_FAIL);
    EXPECT_EQ(recorder.last().text,
        "Couldn't open bitmap file " + past
            + ".  Error was 8\nThe file was refused: its picture claims 4097 x 4096 pixels; at most 16384 pixels a "
              "side and 16777216 pixels in all are read.");
}

// A reader given fewer pixels in all than the program allows (as the bitmap fuzzer is)
// refuses past that number, from the header and by name, and reads what it allows.
TEST(BitmapFiles, ALowerLimitOfPixelsInAllRefusesPastIt)
{
    testing_support::TemporaryFolder folder;
    platform::MessageRecorder recorder;
    Bitmap bitmap;
    constexpr std::int64_t kFewPixels = 64 * 64;
    EXPECT_EQ(bitmap.loadFromFile(folder.write("most.gif", gifWithScreen(64, 64)).c_str(), 1, kFewPixels), S_OK);
    const std::string past = folder.write("past.gif", gifWithScreen(65, 64));
    EXPECT_EQ(bitmap.loadFromFile(past.c_str(), 1, kFewPixels), E_FAIL);
    EXPECT_EQ(recorder.last().text,
        "Couldn't open bitmap file " + past
            + ".  Error was 8\nThe file was refused: its picture claims 65 x 64 pixels; at most 16384 pixels a side "
              "and 4096 pixels in all are read.");
    EXPECT_EQ(bitmap.loadFromFile(folder.write("wide.bmp", bmpHeaderClaiming(65, 64)).c_str(), 1, kFewPixels), E_FAIL);
    EXPECT_EQ(recorder.last().text.substr(0, recorder.last().text.find('\n')),
        "Couldn't open bitmap file " + folder.file("wide.bmp") + ".  Error was 8");
    EXPECT_EQ(recorder.count(), 2u);
    EXPECT_TRUE(drawing::pictureIsTooLarge(past, kFewPixels));
    EXPECT_FALSE(drawing::pictureIsTooLarge(past));
    EXPECT_EQ(bitmap.loadFromFile(past.c_str(), 1), S_OK);
}

// A path that names no regular file is refused at once, as a file that is not a picture:
// opening a FIFO would wait for a writer, and a device such as /dev/zero (behind a picture's
// name) gives bytes without end. A layout's background or bitmap display may name any path.
TEST(BitmapFiles, RefusesWhatIsNotARegularFileWithoutWaiting)
{
    testing_support::TemporaryFolder folder;
    const std::string fifo = folder.file("pipe.bmp");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zeros = folder.file("zeros.xpm");
    std::filesystem::create_symlink("/dev/zero", zeros);
    platform::MessageRecorder recorder;
    for (const std::string& path : { fifo, zeros }) {
        SCOPED_TRACE(path);
        auto load = std::async(std::launch::async, [&path] { return Bitmap().loadFromFile(path.c_str(), 1); });
        EXPECT_EQ(load.wait_for(std::chrono::seconds(5)), std::future_status::ready) << "the load still waits";
        // Writers that come and go let each waiting open of the FIFO return, so the test ends.
        while (load.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
            ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        EXPECT_EQ(load.get(), E_FAIL);
        EXPECT_EQ(recorder.last().text,
            "Couldn't open bitmap file " + path
                + ".  Error was 5\nThe file was refused: it is a device or a pipe, not a file.");
    }
    Bitmap().loadFromFile(folder.path().string().c_str(), 1);
    EXPECT_EQ(recorder.last().text,
        "Couldn't open bitmap file " + folder.path().string()
            + ".  Error was 5\nThe file was refused: it is a folder, not a file.");
}

TEST(BitmapResources, LoadsByNameAndReportsMissingNames)
{
    const auto library = platform::ResourceLibrary::load();
    ASSERT_NE(library, nullptr);
    platform::MessageRecorder recorder;
    Bitmap bitmap;

    EXPECT_EQ(bitmap.loadFromResource(library.get(), "comet", 1), S_OK);
    EXPECT_EQ(bitmap.width(), 27);
    EXPECT_EQ(bitmap.height(), 7);

    EXPECT_EQ(bitmap.loadFromResource(library.get(), "", 1), S_OK);
    EXPECT_EQ(bitmap.isValid(), E_FAIL);
    EXPECT_EQ(bitmap.loadFromResource(nullptr, "comet", 1), E_INVALIDARG);
    EXPECT_EQ(bitmap.loadFromResource(library.get(), nullptr, 1), E_INVALIDARG);
    EXPECT_EQ(recorder.count(), 0u);

    EXPECT_EQ(bitmap.loadFromResource(library.get(), "nosuch", 0), E_FAIL);
    EXPECT_EQ(recorder.count(), 0u);
    EXPECT_EQ(bitmap.loadFromResource(library.get(), "nosuch", 1), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text,
        platform::formatText("Couldn't load bitmap nosuch from process 0x08%jx.  Error was 1814",
            static_cast<std::uintmax_t>(library->handle())));
    EXPECT_EQ(recorder.last().caption, "ObserverWindow Error");
    EXPECT_EQ(bitmap.isValid(), E_FAIL);
}

// A picture of the resource library is decoded once, whatever the case of its name: every
// bitmap loaded from it shares its pixels.
TEST(BitmapResources, ShareOnePictureAName)
{
    const auto library = platform::ResourceLibrary::load();
    ASSERT_NE(library, nullptr);
    Bitmap first;
    Bitmap second;
    Bitmap capitals;
    Bitmap other;
    ASSERT_EQ(first.loadFromResource(library.get(), "mars", 0), S_OK);
    ASSERT_EQ(second.loadFromResource(library.get(), "mars", 0), S_OK);
    ASSERT_EQ(capitals.loadFromResource(library.get(), "MARS", 0), S_OK);
    ASSERT_EQ(other.loadFromResource(library.get(), "venus", 0), S_OK);
    EXPECT_EQ(second.image().constBits(), first.image().constBits());
    EXPECT_EQ(capitals.image().constBits(), first.image().constBits());
    EXPECT_NE(other.image().constBits(), first.image().constBits());
    EXPECT_EQ(second.image(), first.image());
}

TEST(ShippedBitmaps, LoadAtTheirSizes)
{
    struct Shipped {
        const char* name;
        int width, height;
    };
    for (const Shipped& shipped : { Shipped { "Starfield.bmp", 320, 240 }, Shipped { "TwilightHorizon.bmp", 320, 160 },
             Shipped { "Frame.bmp", 200, 150 }, Shipped { "SkyloomLogo.bmp", 240, 80 } }) {
        const std::string path = std::string(SKYLOOM_DATA_DIR) + "/AstreonBitmaps/" + shipped.name;
        Bitmap bitmap;
        ASSERT_EQ(bitmap.loadFromFile(path.c_str(), 1), S_OK) << path;
        EXPECT_EQ(bitmap.width(), shipped.width) << path;
        EXPECT_EQ(bitmap.height(), shipped.height) << path;
    }
}

TEST(ShippedBitmaps, TheFrameHasAPlainCentre)
{
    Bitmap frame;
    ASSERT_EQ(frame.loadFromFile((std::string(SKYLOOM_DATA_DIR) + "/AstreonBitmaps/Frame.bmp").c_str(), 1), S_OK);
    const QImage& image = frame.image();
    const QRgb centre = image.pixel(image.width() / 2, image.height() / 2);
    const QRect inner(20, 20, image.width() - 40, image.height() - 40);
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            ASSERT_EQ(image.pixel(x, y), centre) << x << "," << y;
    EXPECT_NE(image.pixel(2, 2), centre);
}

} // namespace
