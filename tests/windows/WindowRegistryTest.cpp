#include "windows/WindowRegistry.h"

#include "display/DisplayManager.h"
#include "support/TestFiles.h"
#include "windows/EventWait.h"
#include "windows/ObserverWindow.h"
#include "windows/RecordingImageSource.h"
#include "windows/WindowFactory.h"
#include "windows/WindowTestSupport.h"

#include <QPointer>

#include <filesystem>
#include <gtest/gtest.h>

using testing_support::controlSpec;
using testing_support::newestRecord;
using testing_support::observerSpec;
using testing_support::RecordingImageSource;
using testing_support::TestHost;

namespace {

WindowRegistry& registry() { return WindowRegistry::instance(); }

int windowsOf(const ImageSource* source)
{
    int count = 0;
    for (WindowRecord* record : registry().records())
        count += record->imageSource == source ? 1 : 0;
    return count;
}

// Creates the windows of `shown` (two observer windows and a control window) in the given
// order, with a window of `other` between each, and returns the QPointers of shown's windows.
std::vector<QPointer<QWidget>> createInterleaved(
    QWidget* host, ImageSource* shown, ImageSource* other, const std::vector<std::int32_t>& kinds)
{
    std::vector<QPointer<QWidget>> windows;
    for (const std::int32_t kind : kinds) {
        EXPECT_EQ(createWindow(host, kind == kControlWindowKind ? controlSpec(shown) : observerSpec(shown)), S_OK);
        windows.emplace_back(newestRecord()->window());
        EXPECT_EQ(createWindow(host, observerSpec(other)), S_OK);
    }
    return windows;
}

} // namespace

TEST(WindowRegistryTest, NewRecordsGoToTheHeadAndAreFoundByTheirWindow)
{
    TestHost host;
    RecordingImageSource source;
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&source)), S_OK);
    WindowRecord* const first = newestRecord();
    ASSERT_EQ(createWindow(host.widget(), controlSpec(&source)), S_OK);
    WindowRecord* const second = newestRecord();

    EXPECT_NE(first, second);
    EXPECT_EQ(registry().recordCount(), 2);
    EXPECT_EQ(registry().records(), (std::list<WindowRecord*> { second, first }));
    EXPECT_EQ(registry().findRecord(first->window()), first);
    EXPECT_EQ(registry().findRecord(second->window()), second);
    EXPECT_EQ(registry().findRecord(host.widget()), nullptr);
    EXPECT_EQ(registry().findRecord(nullptr), nullptr);
}

TEST(WindowRegistryTest, RemovingTheWindowsOfASourceRemovesAllOfThemWhateverTheirOrder)
{
    const std::vector<std::vector<std::int32_t>> orders = {
        { kObserverWindowKind, kObserverWindowKind, kControlWindowKind },
        { kControlWindowKind, kObserverWindowKind, kObserverWindowKind },
        { kObserverWindowKind, kControlWindowKind, kObserverWindowKind },
    };
    for (const auto& order : orders) {
        TestHost host;
        RecordingImageSource shown;
        RecordingImageSource other;
        const auto windows = createInterleaved(host.widget(), &shown, &other, order);
        ASSERT_EQ(windowsOf(&shown), 3);

        registry().removeWindowsOf(&shown);

        EXPECT_EQ(windowsOf(&shown), 0);
        EXPECT_EQ(windowsOf(&other), 3);
        for (const auto& window : windows)
            EXPECT_TRUE(window.isNull()) << "the window is destroyed with its record";
    }
}

TEST(WindowRegistryTest, RemoveAllWindowsDestroysEveryWindow)
{
    TestHost host;
    RecordingImageSource first;
    RecordingImageSource second;
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&first)), S_OK);
    QPointer<QWidget> observer = newestRecord()->window();
    ASSERT_EQ(createWindow(host.widget(), controlSpec(&second)), S_OK);
    QPointer<QWidget> control = newestRecord()->window();

    registry().removeAllWindows();

    EXPECT_EQ(registry().recordCount(), 0);
    EXPECT_TRUE(observer.isNull());
    EXPECT_TRUE(control.isNull());
}

TEST(WindowRegistryTest, ShutdownEmptiesTheRegistryWhichStaysUsable)
{
    TestHost host;
    RecordingImageSource source;
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&source)), S_OK);

    registry().shutdown();
    EXPECT_EQ(registry().recordCount(), 0);

    ASSERT_EQ(createWindow(host.widget(), observerSpec(&source)), S_OK);
    EXPECT_EQ(registry().recordCount(), 1);
}

TEST(WindowRegistryTest, AWindowDestroyedWithItsHostIsNotDestroyedAgain)
{
    RecordingImageSource source;
    auto host = std::make_unique<QWidget>();
    host->resize(100, 100);
    ASSERT_EQ(createWindow(host.get(), observerSpec(&source, 5)), S_OK);
    WindowRecord* const record = newestRecord();

    host.reset();

    EXPECT_EQ(record->window(), nullptr);
    registry().removeWindowsOf(&source);
    EXPECT_EQ(registry().recordCount(), 0);
}

TEST(WindowRegistryTest, RedrawRequestsAPaintFromEachObserverWindowOfTheSourceOnly)
{
    TestHost host;
    RecordingImageSource shown;
    RecordingImageSource other;
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&other)), S_OK);
    WindowRecord* const otherRecord = newestRecord();
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&shown)), S_OK);
    WindowRecord* const shownRecord = newestRecord();
    ASSERT_TRUE(testing_support::processEventsUntil(
        [&] { return shownRecord->lastDrawn == 0 && otherRecord->lastDrawn == 0; }));

    registry().redraw(&shown);

    EXPECT_EQ(shownRecord->lastDrawn, kPaintWanted);
    EXPECT_TRUE(qobject_cast<ObserverWindow*>(shownRecord->window())->isRedrawPending());
    EXPECT_EQ(otherRecord->lastDrawn, 0);
    EXPECT_FALSE(qobject_cast<ObserverWindow*>(otherRecord->window())->isRedrawPending());
}

TEST(WindowRegistryTest, RedrawOfASourceThatNoWindowShowsChangesNothing)
{
    TestHost host;
    RecordingImageSource shown;
    RecordingImageSource unshown;
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&shown)), S_OK);
    WindowRecord* const record = newestRecord();
    ASSERT_TRUE(testing_support::processEventsUntil([&] { return record->lastDrawn == 0; }));

    registry().redraw(&unshown);

    EXPECT_EQ(record->lastDrawn, 0);
    EXPECT_FALSE(qobject_cast<ObserverWindow*>(record->window())->isRedrawPending());
}

TEST(WindowRegistryTest, ApplyDefaultsVisitsTheSourcesRecordsInListOrderAndStopsAtTheFirstFailure)
{
    TestHost host;
    RecordingImageSource source;
    RecordingImageSource other;
    EXPECT_EQ(registry().applyDefaults(&source), S_OK) << "no window shows the source";

    ASSERT_EQ(createWindow(host.widget(), observerSpec(&source)), S_OK);
    WindowRecord* const older = newestRecord();
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&other)), S_OK);
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&source)), S_OK);
    WindowRecord* const newer = newestRecord();

    EXPECT_EQ(registry().applyDefaults(&source), S_OK);
    EXPECT_EQ(source.appliedRecords, (std::vector<WindowDrawSettings*> { newer, older }));
    EXPECT_TRUE(other.appliedRecords.empty());

    source.appliedRecords.clear();
    source.setApplyDefaultsResult(E_INVALIDARG);
    EXPECT_EQ(registry().applyDefaults(&source), E_INVALIDARG);
    EXPECT_EQ(source.appliedRecords, (std::vector<WindowDrawSettings*> { newer }));

    source.appliedRecords.clear();
    source.setApplyDefaultsResult(S_FALSE);
    EXPECT_EQ(registry().applyDefaults(&source), S_FALSE) << "the last result is returned";
    EXPECT_EQ(source.appliedRecords.size(), 2u);
}

TEST(WindowRegistryTest, ResizeLaysOutAgainOnlyTheWindowsOfTheDisplayManagersSources)
{
    testing_support::CurrentDirectoryScope keepDirectory(std::filesystem::current_path());
    DisplayManager manager;
    DisplayManager otherManager;
    TestHost host;
    RecordingImageSource owned;
    owned.setOwner(&manager);
    RecordingImageSource foreign;
    foreign.setOwner(&otherManager);
    const FractionalRect half { 0, 0, 0.5, 0.5 };
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&owned, 0, half)), S_OK);
    WindowRecord* const ownedObserver = newestRecord();
    ASSERT_EQ(createWindow(host.widget(), controlSpec(&owned, half)), S_OK);
    WindowRecord* const ownedControl = newestRecord();
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&foreign, 0, half)), S_OK);
    WindowRecord* const foreignObserver = newestRecord();

    host.widget()->resize(200, 100);
    EXPECT_EQ(registry().resize(&manager), S_OK);

    EXPECT_EQ(ownedObserver->window()->geometry(), QRect(0, 0, 100, 50));
    EXPECT_EQ(ownedObserver->pixelRect, (PixelRect { 0, 0, 100, 50 }));
    EXPECT_EQ(ownedObserver->backBuffer.size(), QSize(100, 50));
    EXPECT_EQ(ownedControl->window()->geometry(), QRect(0, 0, 100, 50));
    EXPECT_EQ(foreignObserver->window()->geometry(), QRect(0, 0, 200, 150)) << "another manager's window stays";
}
