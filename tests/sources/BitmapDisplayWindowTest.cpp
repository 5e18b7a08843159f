#include "sources/BitmapDisplayWindow.h"

#include "drawing/BackgroundSpec.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "raster/DeviceContext.h"
#include "sources/ImageSourceBuilder.h"
#include "support/TestFiles.h"
#include "windows/ControlWindow.h"
#include "windows/WindowFactory.h"
#include "windows/WindowTestSupport.h"
#include "xml/XmlDocument.h"
#include "xml/XmlNode.h"

#include <QImage>
#include <QPushButton>

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace bitmap_display;
using testing_support::controlSpec;
using testing_support::newestRecord;
using testing_support::observerSpec;
using testing_support::TestHost;

namespace {

constexpr ColourRef kWhite = makeColour(255, 255, 255);
constexpr int kBitmapWidth = 20;
constexpr int kBitmapHeight = 10;

// Every pixel of the test bitmap has its own colour, so a drawn pixel tells where it came from.
ColourRef patternColour(int x, int y) { return makeColour(40 + 8 * x, 40 + 8 * y, 200); }

// Writes the 20 x 10 pattern bitmap into the folder and returns its path.
std::string writePatternBitmap(const testing_support::TemporaryFolder& folder, const std::string& name)
{
    QImage image(kBitmapWidth, kBitmapHeight, QImage::Format_RGB32);
    for (int y = 0; y < kBitmapHeight; ++y)
        for (int x = 0; x < kBitmapWidth; ++x)
            image.setPixel(x, y, raster::toQColor(patternColour(x, y)).rgb());
    const std::string path = folder.file(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    return path;
}

ColourRef pixelAt(const QImage& image, int x, int y) { return raster::fromQColor(QColor(image.pixel(x, y))); }

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The source of a picture pixel: the bitmap pixel it shows, or nothing for white.
using Placement = std::function<std::optional<QPoint>(int x, int y)>;

void expectPlacement(const QImage& image, const Placement& placement)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const std::optional<QPoint> from = placement(x, y);
            const ColourRef expected = from ? patternColour(from->x(), from->y()) : kWhite;
            ASSERT_EQ(pixelAt(image, x, y), expected) << "at " << x << ", " << y;
        }
    }
}

// Lets tests put the source's defaults outside the known codes.
class TestableBitmapDisplayWindow : public BitmapDisplayWindow {
public:
    using BitmapDisplayWindow::setDefaultAlignments;
};

class BitmapDisplayWindowTest : public ::testing::Test {
protected:
    QImage drawn(std::int32_t drawRequest, int width = 50, int height = 40)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        raster::DeviceContext context(image);
        EXPECT_EQ(source.Draw(context, width, height, drawRequest), S_OK);
        return image;
    }
    std::int32_t parsedDrawRequest(const std::vector<std::string>& arguments)
    {
        std::int32_t request = 0;
        EXPECT_EQ(source.GetDefaultDrawRequest(&request), S_OK);
        for (const std::string& argument : arguments)
            EXPECT_EQ(source.ParseDrawArgument(argument, request, 1), S_OK) << argument;
        return request;
    }

    testing_support::TemporaryFolder folder;
    platform::MessageRecorder recorder;
    TestableBitmapDisplayWindow source;
};

// Three observer windows of one source, with different draw requests, and one control window.
class BitmapDisplayWindowButtonsTest : public BitmapDisplayWindowTest {
protected:
    void SetUp() override
    {
        const std::int32_t requests[] = { kDefaultDrawRequest, kXAlignTileBit | kYAlignTileBit | kDrawStatistics,
            kXAlignRightBit | kYAlignStretchBit | 0x4000 };
        for (const std::int32_t request : requests) {
            ASSERT_EQ(createWindow(host.widget(), observerSpec(&source, 0, { 0, 0, 0.5, 0.5 }, request)), S_OK);
            observers.push_back(newestRecord());
        }
        ASSERT_EQ(createWindow(host.widget(), controlSpec(&source)), S_OK);
        control = qobject_cast<ControlWindow*>(newestRecord()->window());
        ASSERT_NE(control, nullptr);
        for (WindowRecord* record : observers)
            ASSERT_TRUE(record->renderBackBuffer());
    }
    HRESULT press(std::uint32_t index) { return source.OnCommand(control, index, 0); }
    std::vector<std::int32_t> drawRequests() const
    {
        std::vector<std::int32_t> requests;
        for (const WindowRecord* record : observers)
            requests.push_back(record->drawFlags);
        return requests;
    }
    bool allRepaintsWanted() const
    {
        for (const WindowRecord* record : observers) {
            if (record->lastDrawn != kPaintWanted)
                return false;
        }
        return true;
    }

    TestHost host;
    std::vector<WindowRecord*> observers;
    ControlWindow* control = nullptr;
};

} // namespace

TEST_F(BitmapDisplayWindowTest, OffersLoadSyncXAlignYAlignAndDefaultsToLeftBottomWithoutStatistics)
{
    ASSERT_EQ(source.GetButtonCount(), 4);
    const ButtonSpec* buttons = source.GetButtons();
    ASSERT_NE(buttons, nullptr);
    const char* const labels[] = { "Load", "Sync", "xAlign", "yAlign" };
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(buttons[index].label, labels[index]);
        EXPECT_EQ(buttons[index].style, 0u);
    }
    std::int32_t request = 0;
    EXPECT_EQ(source.GetDefaultDrawRequest(&request), S_OK);
    EXPECT_EQ(request, 0x1030000);
    EXPECT_EQ(BitmapDisplayWindow::xAlignOf(request), XAlignLeft);
    EXPECT_EQ(BitmapDisplayWindow::yAlignOf(request), YAlignBottom);
    EXPECT_EQ(source.GetDefaultDrawRequest(nullptr), E_INVALIDARG);
    EXPECT_EQ(source.defaultXAlign(), XAlignLeft);
    EXPECT_EQ(source.defaultYAlign(), YAlignTop);
    EXPECT_EQ(source.GetGeneration(), -1000);
}

TEST_F(BitmapDisplayWindowTest, AlignmentArgumentsReplaceOnlyTheirOwnBits)
{
    const struct {
        std::string argument;
        std::int32_t xBit;
        std::int32_t yBit;
    } cases[] = {
        { "xAlign=left", kXAlignLeftBit, kYAlignBottomBit },
        { "xAlign=stretch", kXAlignStretchBit, kYAlignBottomBit },
        { "xAlign=tile", kXAlignTileBit, kYAlignBottomBit },
        { "xAlign=right", kXAlignRightBit, kYAlignBottomBit },
        { "yAlign=bottom", kXAlignLeftBit, kYAlignBottomBit },
        { "yAlign=stretch", kXAlignLeftBit, kYAlignStretchBit },
        { "yAlign=tile", kXAlignLeftBit, kYAlignTileBit },
        { "yAlign=top", kXAlignLeftBit, kYAlignTopBit },
    };
    for (const auto& testCase : cases) {
        const std::int32_t request = parsedDrawRequest({ "draw_stat=1", testCase.argument });
        EXPECT_EQ(request, 0x10000 | kDrawStatistics | testCase.xBit | testCase.yBit) << testCase.argument;
    }
    EXPECT_EQ(recorder.count(), 0u);

    const std::int32_t request = parsedDrawRequest({ "xAlign=tile", "yAlign=stretch", "xAlign=right", "yAlign=top" });
    EXPECT_EQ(BitmapDisplayWindow::xAlignOf(request), XAlignRight);
    EXPECT_EQ(BitmapDisplayWindow::yAlignOf(request), YAlignTop);
    EXPECT_EQ(request & ~(kXAlignBits | kYAlignBits), 0x10000);
}

TEST_F(BitmapDisplayWindowTest, DrawStatisticsSetsBitZeroOrClearsTheWholeRequest)
{
    EXPECT_EQ(parsedDrawRequest({ "draw_stat=T" }), kDefaultDrawRequest | kDrawStatistics);
    EXPECT_EQ(parsedDrawRequest({ "xAlign=tile", "draw_stat=0" }), 0);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(BitmapDisplayWindowTest, RejectedDrawArgumentsNameTheArgumentAndKeepTheRequest)
{
    const struct {
        std::string argument;
        HRESULT result;
        std::string message;
    } cases[] = {
        { "xAlign=Left", E_INVALIDARG, "BitmapDisplayWindow: unrecognized argument: xAlign = Left" },
        { "yAlign=right", E_INVALIDARG, "BitmapDisplayWindow: unrecognized argument: yAlign = right" },
        { "zoom=2", E_FAIL, "BitmapDisplayWindow: unrecognized argument: zoom = 2" },
        { "draw_stat=true", E_FAIL, "BitmapDisplayWindow: unrecognized argument: draw_stat = true" },
    };
    for (const auto& testCase : cases) {
        recorder.clear();
        std::int32_t request = kDefaultDrawRequest;
        EXPECT_EQ(source.ParseDrawArgument(testCase.argument, request, 1), testCase.result) << testCase.argument;
        EXPECT_EQ(request, kDefaultDrawRequest);
        ASSERT_EQ(recorder.count(), 1u) << testCase.argument;
        EXPECT_EQ(recorder.last().text, testCase.message);
        EXPECT_EQ(recorder.last().caption, "Astreon Error");
        EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);

        recorder.clear();
        EXPECT_EQ(source.ParseDrawArgument(testCase.argument, request, 0), testCase.result);
        EXPECT_EQ(recorder.count(), 0u) << "silent without reporting";
    }
}

TEST_F(BitmapDisplayWindowTest, SourceArgumentLoadsTheBitmapAndAMissingFileNeverFailsTheSource)
{
    const std::string path = writePatternBitmap(folder, "pattern.bmp");
    EXPECT_EQ(source.ParseArgument("src=" + path, 1), S_OK);
    EXPECT_TRUE(source.hasBitmap());
    EXPECT_EQ(source.path(), path);
    EXPECT_EQ(source.ParseArgument("speed=fast", 1), S_OK);
    EXPECT_EQ(recorder.count(), 0u);

    const std::string missing = folder.file("missing.bmp");
    EXPECT_EQ(source.ParseArgument("src=" + missing, 1), S_FALSE);
    EXPECT_FALSE(source.hasBitmap());
    EXPECT_EQ(source.path(), path) << "a failed src keeps the previous path";
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Couldn't open bitmap file " + missing + ".  Error was 2");
    EXPECT_EQ(recorder.last().caption, "ObserverWindow Error");

    EXPECT_EQ(source.LoadBitmap(nullptr, 1), E_INVALIDARG);
}

TEST_F(BitmapDisplayWindowTest, BuilderMakesTheTypeAndFeedsItsSourceArgument)
{
    const std::string path = writePatternBitmap(folder, "pattern.bmp");
    const std::string xml = folder.write("source.xml",
        "<ImageSource><type>BitmapDisplayWindow</type><args><arg>src=" + path
            + "</arg><arg>src=" + folder.file("none.bmp") + "</arg></args></ImageSource>");
    XmlDocument document;
    ASSERT_EQ(document.loadFile(xml.c_str(), 1), S_OK);
    ASSERT_EQ(document.select("*"), S_OK);
    XmlNode node;
    node.setCurrent(document.getSelected());
    ImageSourceBuilder builder;
    builder.setReportErrors(0);
    std::unique_ptr<ImageSource> built;
    ASSERT_EQ(builder.Build(&node, built), S_OK) << "a missing bitmap does not stop the build";
    auto* bitmapDisplay = dynamic_cast<BitmapDisplayWindow*>(built.get());
    ASSERT_NE(bitmapDisplay, nullptr);
    EXPECT_EQ(bitmapDisplay->path(), path);
    EXPECT_FALSE(bitmapDisplay->hasBitmap());
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(BitmapDisplayWindowTest, DrawsTheBitmapPlacedByTheWindowsAlignment)
{
    ASSERT_EQ(source.LoadBitmap(writePatternBitmap(folder, "pattern.bmp").c_str(), 1), S_OK);
    const int bottomRow = 40 - kBitmapHeight;
    const int rightColumn = 50 - kBitmapWidth;
    const auto inside = [](int x, int y) -> std::optional<QPoint> {
        if (x < 0 || y < 0 || x >= kBitmapWidth || y >= kBitmapHeight)
            return std::nullopt;
        return QPoint(x, y);
    };

    expectPlacement(drawn(kDefaultDrawRequest), [&](int x, int y) { return inside(x, y - bottomRow); });
    expectPlacement(drawn(parsedDrawRequest({ "xAlign=right", "yAlign=top" })),
        [&](int x, int y) { return inside(x - rightColumn, y); });
    expectPlacement(drawn(parsedDrawRequest({ "xAlign=tile", "yAlign=tile" })),
        [](int x, int y) { return QPoint(x % kBitmapWidth, y % kBitmapHeight); });
    expectPlacement(drawn(parsedDrawRequest({ "xAlign=right", "yAlign=bottom" }), 12, 6),
        [](int x, int y) { return QPoint(kBitmapWidth - 12 + x, kBitmapHeight - 6 + y); });

    const QImage stretched = drawn(parsedDrawRequest({ "xAlign=stretch", "yAlign=stretch" }));
    EXPECT_EQ(pixelAt(stretched, 0, 0), patternColour(0, 0));
    EXPECT_EQ(pixelAt(stretched, 49, 0), patternColour(kBitmapWidth - 1, 0));
    EXPECT_EQ(pixelAt(stretched, 0, 39), patternColour(0, kBitmapHeight - 1));
    EXPECT_EQ(pixelAt(stretched, 49, 39), patternColour(kBitmapWidth - 1, kBitmapHeight - 1));
}

TEST_F(BitmapDisplayWindowTest, WithoutABitmapTheWindowIsWhiteAndAnEmptyAreaIsLeftAlone)
{
    expectPlacement(drawn(kDefaultDrawRequest), [](int, int) { return std::nullopt; });
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    raster::DeviceContext context(image);
    EXPECT_EQ(source.Draw(context, 0, 8, kDefaultDrawRequest), S_OK);
    EXPECT_EQ(pixelAt(image, 0, 0), makeColour(0, 0, 0));
}

TEST_F(BitmapDisplayWindowTest, StatisticsViewNamesPathDefaultsAndDimensions)
{
    const auto expectedView = [](const std::vector<std::string>& lines) {
        QImage image = whiteImage(500, 80);
        raster::DeviceContext context(image);
        for (std::size_t line = 0; line < lines.size(); ++line)
            context.textOut(0, static_cast<int>(line) * context.lineHeight(), lines[line]);
        return image;
    };
    const std::string defaults = "Default xAlign= left        Default yAlign= top";
    EXPECT_TRUE(drawn(kDrawStatistics, 500, 80) == expectedView({ "nothing loaded", defaults }));

    const std::string path = writePatternBitmap(folder, "pattern.bmp");
    ASSERT_EQ(source.LoadBitmap(path.c_str(), 1), S_OK);
    EXPECT_TRUE(drawn(kDefaultDrawRequest | kDrawStatistics, 500, 80)
        == expectedView({ path, defaults, "Bitmap Dimensions: 20 by 10" }));

    source.setDefaultAlignments(XAlignTile, 9);
    EXPECT_TRUE(drawn(kDrawStatistics, 500, 80)
        == expectedView({ path, "Default xAlign= tile        Default yAlign= ", "Bitmap Dimensions: 20 by 10" }));
}

TEST_F(BitmapDisplayWindowTest, ApplyDefaultsReplacesTheAlignmentBitsOfTheRecord)
{
    TestHost host;
    ASSERT_EQ(createWindow(
                  host.widget(), observerSpec(&source, 0, { 0, 0, 1, 1 }, 0x4000 | kXAlignTileBit | kDrawStatistics)),
        S_OK);
    WindowRecord* record = newestRecord();
    EXPECT_EQ(source.ApplyDefaults(record), S_OK);
    EXPECT_EQ(record->drawFlags, 0x4000 | kDrawStatistics | kXAlignLeftBit | kYAlignTopBit);

    source.setDefaultAlignments(XAlignRight, 4);
    EXPECT_EQ(source.ApplyDefaults(record), E_INVALIDARG);
    source.setDefaultAlignments(-1, YAlignBottom);
    EXPECT_EQ(source.ApplyDefaults(record), E_INVALIDARG);
    EXPECT_EQ(record->drawFlags, 0x4000 | kDrawStatistics | kXAlignLeftBit | kYAlignTopBit) << "unchanged";
    EXPECT_EQ(source.ApplyDefaults(nullptr), E_INVALIDARG);
}

TEST_F(BitmapDisplayWindowButtonsTest, SyncGivesEveryWindowTheDefaultsAndRepaintsThem)
{
    ASSERT_FALSE(allRepaintsWanted());
    EXPECT_EQ(press(BitmapDisplayWindow::kSyncButton), S_OK);
    const std::int32_t defaults = kXAlignLeftBit | kYAlignTopBit;
    EXPECT_EQ(drawRequests(),
        (std::vector<std::int32_t> { 0x10000 | defaults, kDrawStatistics | defaults, 0x4000 | defaults }));
    EXPECT_TRUE(allRepaintsWanted());
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(BitmapDisplayWindowButtonsTest, XAlignCyclesLeftStretchTileRightAndSyncs)
{
    const std::int32_t expected[] = { XAlignStretch, XAlignTile, XAlignRight, XAlignLeft };
    for (const std::int32_t code : expected) {
        EXPECT_EQ(press(BitmapDisplayWindow::kXAlignButton), S_OK);
        EXPECT_EQ(source.defaultXAlign(), code);
        EXPECT_EQ(source.defaultYAlign(), YAlignTop);
        for (const std::int32_t request : drawRequests()) {
            EXPECT_EQ(BitmapDisplayWindow::xAlignOf(request), code);
            EXPECT_EQ(BitmapDisplayWindow::yAlignOf(request), YAlignTop);
        }
    }
    EXPECT_TRUE(allRepaintsWanted());
}

TEST_F(BitmapDisplayWindowButtonsTest, YAlignCyclesTopStretchTileBottomAndSyncs)
{
    const std::int32_t expected[] = { YAlignStretch, YAlignTile, YAlignBottom, YAlignTop };
    for (const std::int32_t code : expected) {
        EXPECT_EQ(press(BitmapDisplayWindow::kYAlignButton), S_OK);
        EXPECT_EQ(source.defaultYAlign(), code);
        for (const std::int32_t request : drawRequests()) {
            EXPECT_EQ(BitmapDisplayWindow::xAlignOf(request), XAlignLeft);
            EXPECT_EQ(BitmapDisplayWindow::yAlignOf(request), code);
        }
    }
}

TEST_F(BitmapDisplayWindowButtonsTest, ControlWindowButtonsDriveTheSource)
{
    ASSERT_EQ(control->buttonCount(), 4);
    EXPECT_EQ(control->button(3)->text(), "yAlign");
    control->button(3)->click();
    EXPECT_EQ(source.defaultYAlign(), YAlignStretch);
    for (const std::int32_t request : drawRequests())
        EXPECT_EQ(BitmapDisplayWindow::yAlignOf(request), YAlignStretch);
}

TEST_F(BitmapDisplayWindowButtonsTest, CyclingAnUnknownDefaultFailsAndChangesNothing)
{
    source.setDefaultAlignments(7, 9);
    const std::vector<std::int32_t> before = drawRequests();
    EXPECT_EQ(press(BitmapDisplayWindow::kXAlignButton), E_FAIL);
    EXPECT_EQ(press(BitmapDisplayWindow::kYAlignButton), E_FAIL);
    EXPECT_EQ(source.defaultXAlign(), 7);
    EXPECT_EQ(source.defaultYAlign(), 9);
    EXPECT_EQ(press(BitmapDisplayWindow::kSyncButton), E_INVALIDARG);
    EXPECT_EQ(drawRequests(), before);
    EXPECT_FALSE(allRepaintsWanted()) << "a failed pass skips the redraw";
}

TEST_F(BitmapDisplayWindowButtonsTest, LoadAsksForABitmapInTheBitmapsFolderAndShowsIt)
{
    const std::string path = writePatternBitmap(folder, "pattern.bmp");
    platform::ScriptedChooser chooser;
    platform::ScopedChooser scope(chooser);
    chooser.answerFile(path);

    EXPECT_EQ(press(BitmapDisplayWindow::kLoadButton), S_OK);
    EXPECT_TRUE(source.hasBitmap());
    EXPECT_EQ(source.path(), path);
    EXPECT_TRUE(allRepaintsWanted());
    const std::vector<platform::FileDialogRequest> requests = chooser.fileRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, platform::FileDialogKind::Open);
    EXPECT_EQ(requests[0].owner, control);
    EXPECT_EQ(requests[0].defaultExtension, ".bmp");
    EXPECT_EQ(requests[0].filterDescription, "BMP files (*.BMP)");
    EXPECT_EQ(requests[0].filterPattern, "*.bmp");
    EXPECT_EQ(requests[0].startFolder, "AstreonBitmaps/");
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(BitmapDisplayWindowButtonsTest, CancelledLoadKeepsTheBitmapAndItsPath)
{
    const std::string path = writePatternBitmap(folder, "pattern.bmp");
    ASSERT_EQ(source.LoadBitmap(path.c_str(), 1), S_OK);
    platform::ScriptedChooser chooser;
    platform::ScopedChooser scope(chooser);
    chooser.answerCancel();

    EXPECT_EQ(press(BitmapDisplayWindow::kLoadButton), E_FAIL);
    EXPECT_TRUE(source.hasBitmap());
    EXPECT_EQ(source.path(), path);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(BitmapDisplayWindowButtonsTest, FailedLoadReportsAndShowsTheChosenPathWithNothingLoaded)
{
    ASSERT_EQ(source.LoadBitmap(writePatternBitmap(folder, "pattern.bmp").c_str(), 1), S_OK);
    const std::string notABitmap = folder.write("notes.bmp", "these are words, not pixels");
    platform::ScriptedChooser chooser;
    platform::ScopedChooser scope(chooser);
    chooser.answerFile(notABitmap);

    EXPECT_TRUE(FAILED(press(BitmapDisplayWindow::kLoadButton)));
    EXPECT_FALSE(source.hasBitmap());
    EXPECT_EQ(source.path(), notABitmap);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Couldn't open bitmap file " + notABitmap + ".  Error was 13");
    EXPECT_EQ(recorder.last().caption, "ObserverWindow Error");
    EXPECT_TRUE(allRepaintsWanted()) << "the dropped picture must not stay on screen";
}

TEST_F(BitmapDisplayWindowButtonsTest, UnknownButtonIsReportedAndChangesNothing)
{
    const std::vector<std::int32_t> before = drawRequests();
    EXPECT_EQ(press(4), S_OK);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Got a message I wasn't ready for.");
    EXPECT_EQ(recorder.last().caption, "Astreon Error");
    EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);
    EXPECT_EQ(drawRequests(), before);
    EXPECT_EQ(source.defaultXAlign(), XAlignLeft);

    recorder.clear();
    EXPECT_EQ(source.OnCommand(control, 0x10000 | BitmapDisplayWindow::kXAlignButton, 0), S_OK)
        << "only the low 16 bits name the button";
    EXPECT_EQ(source.defaultXAlign(), XAlignStretch);
    EXPECT_EQ(recorder.count(), 0u);
}
