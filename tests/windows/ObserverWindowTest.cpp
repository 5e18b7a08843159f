#include "windows/ObserverWindow.h"

#include "platform/Message.h"
#include "support/TestFiles.h"
#include "windows/EventWait.h"
#include "windows/RecordingImageSource.h"
#include "windows/WindowFactory.h"
#include "windows/WindowTestSupport.h"

#include <QBackingStore>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>

#include <QBackingStore>

#include <gtest/gtest.h>

using testing_support::newestRecord;
using testing_support::observerSpec;
using testing_support::processEventsUntil;
using testing_support::RecordingImageSource;
using testing_support::SourceCalls;
using testing_support::TestHost;

namespace {

constexpr ColourRef kWhite = makeColour(255, 255, 255);

ObserverWindow* observerOf(WindowRecord* record) { return qobject_cast<ObserverWindow*>(record->window()); }

class ObserverWindowTest : public ::testing::Test {
protected:
    // Creates an observer window of `source_` and waits for its first paint.
    WindowRecord* createPainted(const WindowSpec& spec)
    {
        EXPECT_EQ(createWindow(host_.widget(), spec), S_OK);
        WindowRecord* const record = newestRecord();
        EXPECT_TRUE(processEventsUntil([&] { return calls_->draws >= 1; }));
        return record;
    }

    // Waits until the window has looked at the generation `ticks` more times.
    bool waitForGenerationReads(int ticks)
    {
        const int target = calls_->generationReads + ticks;
        return processEventsUntil([&] { return calls_->generationReads >= target; });
    }

    TestHost host_;
    std::shared_ptr<SourceCalls> calls_ = std::make_shared<SourceCalls>();
    RecordingImageSource source_ { calls_ };
};

} // namespace

TEST_F(ObserverWindowTest, RepaintsOnlyWhenTheGenerationMoves)
{
    source_.setGeneration(5);
    WindowRecord* const record = createPainted(observerSpec(&source_, 2));
    EXPECT_EQ(record->lastDrawn, 5);
    const int drawsAfterFirstPaint = calls_->draws;

    ASSERT_TRUE(waitForGenerationReads(5));
    EXPECT_EQ(calls_->draws, drawsAfterFirstPaint) << "refresh ticks with an unchanged generation do not paint";

    source_.setGeneration(6);
    ASSERT_TRUE(processEventsUntil([&] { return calls_->draws == drawsAfterFirstPaint + 1; }));
    EXPECT_EQ(record->lastDrawn, 6);
}

TEST_F(ObserverWindowTest, ANegativeGenerationRepaintsAtEveryRefreshTick)
{
    source_.setGeneration(-1000);
    WindowRecord* const record = createPainted(observerSpec(&source_, 2));
    EXPECT_EQ(record->lastDrawn, 1000) << "last drawn keeps the absolute value";

    EXPECT_TRUE(processEventsUntil([&] { return calls_->draws >= 5; }));
}

TEST_F(ObserverWindowTest, WithoutRefreshOnlyRedrawRequestsPaint)
{
    WindowRecord* const record = createPainted(observerSpec(&source_, 0));
    EXPECT_FALSE(observerOf(record)->hasRefreshTimer());
    source_.setGeneration(3);
    const int draws = calls_->draws;

    record->requestRedraw();

    EXPECT_EQ(record->lastDrawn, kPaintWanted);
    ASSERT_TRUE(processEventsUntil([&] { return calls_->draws == draws + 1; }));
    EXPECT_EQ(record->lastDrawn, 3);
}

TEST_F(ObserverWindowTest, ManyRedrawRequestsGiveOnePaint)
{
    WindowRecord* const record = createPainted(observerSpec(&source_, 0));
    ObserverWindow* const window = observerOf(record);
    ASSERT_TRUE(processEventsUntil([&] { return !window->isRedrawPending(); }));
    const int draws = calls_->draws;

    for (int request = 0; request < 50; ++request)
        record->requestRedraw();

    ASSERT_TRUE(processEventsUntil([&] { return calls_->draws > draws && !window->isRedrawPending(); }));
    EXPECT_EQ(calls_->draws, draws + 1);
}

TEST_F(ObserverWindowTest, APaintRequestFromTheWindowSystemIsARedrawRequest)
{
    host_.widget()->show();
    WindowRecord* const record = createPainted(observerSpec(&source_, 0));
    ObserverWindow* const window = observerOf(record);
    // Settled: the frame rendered last has reached the screen, so the next paint comes
    // from the window system alone.
    ASSERT_TRUE(processEventsUntil([&] { return !window->isRedrawPending() && !window->hasUncopiedFrame(); }));
    const int draws = calls_->draws;

    window->repaint();

    EXPECT_EQ(record->lastDrawn, kPaintWanted);
    EXPECT_TRUE(window->isRedrawPending());
    EXPECT_TRUE(processEventsUntil([&] { return calls_->draws == draws + 1; }));
}

TEST_F(ObserverWindowTest, TheBackBufferHoldsTheWhiteBackgroundUnderTheSourcesPicture)
{
    WindowRecord* const record = createPainted(observerSpec(&source_, 0, { 0, 0, 0.5, 0.5 }, 6));

    EXPECT_EQ(record->backBuffer.format(), QImage::Format_RGB32);
    EXPECT_EQ(record->backBuffer.size(), QSize(TestHost::kWidth / 2, TestHost::kHeight / 2));
    EXPECT_EQ(calls_->lastDrawWidth, TestHost::kWidth / 2);
    EXPECT_EQ(calls_->lastDrawHeight, TestHost::kHeight / 2);
    EXPECT_EQ(calls_->lastDrawRequest, 6);
    EXPECT_EQ(raster::fromQColor(record->backBuffer.pixelColor(2, 2)), RecordingImageSource::kMarkColour);
    EXPECT_EQ(raster::fromQColor(record->backBuffer.pixelColor(50, 50)), kWhite);
    EXPECT_EQ(
        raster::fromQColor(record->backBuffer.pixelColor(TestHost::kWidth / 2 - 1, TestHost::kHeight / 2 - 1)), kWhite);
}

TEST_F(ObserverWindowTest, TheBackBufferIsCopiedToTheScreen)
{
    host_.widget()->show();
    WindowRecord* const record = createPainted(observerSpec(&source_, 0, { 0.5, 0.5, 1, 1 }));
    const QImage shown = host_.widget()->grab().toImage();

    const int left = TestHost::kWidth / 2;
    const int top = TestHost::kHeight / 2;
    EXPECT_EQ(raster::fromQColor(shown.pixelColor(left + 2, top + 2)), RecordingImageSource::kMarkColour);
    EXPECT_EQ(raster::fromQColor(shown.pixelColor(left + 60, top + 60)), kWhite);
    EXPECT_EQ(record->window()->geometry(), QRect(left, top, TestHost::kWidth / 2, TestHost::kHeight / 2));
}

// A paint copies the picture straight into the top-level window's backing store, at the
// window's own place in it.
TEST_F(ObserverWindowTest, APaintPutsTheBackBufferAtTheWindowsPlaceInTheBackingStore)
{
    host_.widget()->show();
    WindowRecord* const record = createPainted(observerSpec(&source_, 0, { 0.5, 0.5, 1, 1 }));
    QWidget* const window = record->window();
    window->repaint();
    auto* const stored = dynamic_cast<QImage*>(window->backingStore()->paintDevice());
    ASSERT_NE(stored, nullptr);
    const QPoint corner = window->mapTo(window->window(), QPoint(0, 0));
    ASSERT_NE(corner, QPoint(0, 0));
    for (int y = 0; y < window->height(); y += 7)
        for (int x = 0; x < window->width(); x += 7)
            ASSERT_EQ(stored->pixel(corner + QPoint(x, y)) & 0xffffffu, record->backBuffer.pixel(x, y) & 0xffffffu)
                << x << "," << y;
}

TEST_F(ObserverWindowTest, ABackgroundBitmapIsDrawnBeforeTheSource)
{
    testing_support::TemporaryFolder folder;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    const std::string path = folder.file("green.bmp");
    ASSERT_TRUE(picture.save(QString::fromStdString(path), "BMP"));
    WindowSpec spec = observerSpec(&source_, 0);
    spec.background.src = path;
    spec.background.xAlign = XAlignStretch;
    spec.background.yAlign = YAlignStretch;

    WindowRecord* const record = createPainted(spec);

    EXPECT_EQ(record->backgroundBitmap.isValid(), S_OK);
    EXPECT_EQ(raster::fromQColor(record->backBuffer.pixelColor(100, 100)), makeColour(0, 128, 0));
    EXPECT_EQ(raster::fromQColor(record->backBuffer.pixelColor(2, 2)), RecordingImageSource::kMarkColour);
}

TEST_F(ObserverWindowTest, AMissingBackgroundBitmapGivesAWhiteWindowSilently)
{
    platform::MessageRecorder messages;
    WindowSpec spec = observerSpec(&source_, 0);
    spec.background.src = "no/such/bitmap.bmp";

    WindowRecord* const record = createPainted(spec);

    EXPECT_NE(record->backgroundBitmap.isValid(), S_OK);
    EXPECT_EQ(raster::fromQColor(record->backBuffer.pixelColor(100, 100)), kWhite);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(ObserverWindowTest, AZeroWidthWindowGetsADrawOfWidthZero)
{
    createPainted(observerSpec(&source_, 0, { 0.25, 0, 0.25, 1 }));

    EXPECT_EQ(calls_->lastDrawWidth, 0);
    EXPECT_EQ(calls_->lastDrawHeight, TestHost::kHeight);
}

TEST_F(ObserverWindowTest, TheWholeClientRectangleIsFilledExactly)
{
    WindowRecord* const record = createPainted(observerSpec(&source_, 0, { 0, 0, 1, 1 }));

    EXPECT_EQ(record->window()->geometry(), host_.widget()->rect());
    EXPECT_EQ(record->pixelRect, (PixelRect { 0, 0, TestHost::kWidth, TestHost::kHeight }));
}

TEST_F(ObserverWindowTest, MousePressesGoToTheSourceWithPositionAndDrawRequest)
{
    WindowRecord* const record = createPainted(observerSpec(&source_, 0, { 0, 0, 1, 1 }, 9));
    QWidget* const window = record->window();
    const QPointF position(30, 40);
    QMouseEvent left(QEvent::MouseButtonPress, position, window->mapToGlobal(position), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QMouseEvent right(QEvent::MouseButtonPress, position, window->mapToGlobal(position), Qt::RightButton,
        Qt::RightButton, Qt::NoModifier);
    QMouseEvent middle(QEvent::MouseButtonPress, position, window->mapToGlobal(position), Qt::MiddleButton,
        Qt::MiddleButton, Qt::NoModifier);

    QCoreApplication::sendEvent(window, &left);
    QCoreApplication::sendEvent(window, &right);
    QCoreApplication::sendEvent(window, &middle);

    ASSERT_EQ(source_.mouse.size(), 2u);
    EXPECT_EQ(source_.mouse[0].window, window);
    EXPECT_EQ(source_.mouse[0].message, kLeftButtonDown);
    EXPECT_EQ(source_.mouse[0].lparam, packCursorPosition(30, 40));
    EXPECT_EQ(source_.mouse[0].drawRequest, 9);
    EXPECT_EQ(source_.mouse[1].message, kRightButtonDown);
}

TEST_F(ObserverWindowTest, AnUnknownKindMakesNoWindow)
{
    WindowSpec spec = observerSpec(&source_);
    spec.kind = 2;

    EXPECT_EQ(createWindow(host_.widget(), spec), E_INVALIDARG);
    EXPECT_EQ(WindowRegistry::instance().recordCount(), 0);
}

TEST(ObserverWindowLifetimeTest, NoTimerReachesASourceDestroyedRightAfterItsWindowsWereRemoved)
{
    TestHost host;
    auto calls = std::make_shared<SourceCalls>();
    auto source = std::make_unique<RecordingImageSource>(calls);
    source->setGeneration(-1000);
    ASSERT_EQ(createWindow(host.widget(), observerSpec(source.get(), 1)), S_OK);
    WindowRecord* const record = newestRecord();
    ASSERT_TRUE(processEventsUntil([&] { return calls->draws >= 2; }));
    record->requestRedraw();
    QPointer<QWidget> window = record->window();

    WindowRegistry::instance().removeWindowsOf(source.get());
    source.reset();

    EXPECT_TRUE(window.isNull());
    const int reads = calls->generationReads;
    processEventsUntil([] { return false; }, 30);
    EXPECT_EQ(calls->generationReads, reads);
    EXPECT_EQ(calls->callsAfterDestruction, 0);
}

// Windows of one refresh period share one timer: one window's going must neither stop
// the others' refreshes nor leave its own source called.
TEST(ObserverWindowLifetimeTest, WindowsOfOnePeriodKeepRefreshingWhenOneOfThemGoes)
{
    TestHost host;
    auto goingCalls = std::make_shared<SourceCalls>();
    auto stayingCalls = std::make_shared<SourceCalls>();
    auto going = std::make_unique<RecordingImageSource>(goingCalls);
    RecordingImageSource staying(stayingCalls);
    going->setGeneration(-1000);
    staying.setGeneration(-1000);
    ASSERT_EQ(createWindow(host.widget(), observerSpec(going.get(), 2)), S_OK);
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&staying, 2)), S_OK);
    ASSERT_TRUE(processEventsUntil([&] { return goingCalls->draws >= 2 && stayingCalls->draws >= 2; }));

    WindowRegistry::instance().removeWindowsOf(going.get());
    going.reset();

    const int draws = stayingCalls->draws;
    EXPECT_TRUE(processEventsUntil([&] { return stayingCalls->draws >= draws + 3; }));
    EXPECT_EQ(goingCalls->callsAfterDestruction, 0);
    WindowRegistry::instance().removeWindowsOf(&staying);
}
