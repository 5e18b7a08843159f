#include "display/DisplayManager.h"
#include "platform/DataPath.h"

#include "display/DisplayManagerFixture.h"
#include "platform/Chooser.h"
#include "platform/Release.h"
#include "platform/Text.h"
#include "raster/DeviceContext.h"
#include "sources/KeplerUniverse.h"
#include "windows/WindowRegistry.h"

#include <QImage>

#include <filesystem>

namespace {

using display_testing::DisplayManagerFixture;
using display_testing::RegistryFileScope;

class DisplayManagerTest : public DisplayManagerFixture { };

// The engine may live inside another program: it resolves relative paths against the
// root directory itself and never moves the process's working directory.
TEST_F(DisplayManagerTest, ConstructionReadsTheRootDirectoryAndLeavesTheWorkingDirectory)
{
    EXPECT_EQ(manager->rootDir(), root.path().string());
    EXPECT_EQ(platform::rootDirectory(), root.path().string());
    EXPECT_FALSE(std::filesystem::equivalent(std::filesystem::current_path(), root.path()));
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(DisplayManagerTest, ConstructionStartsEmpty)
{
    EXPECT_EQ(manager->totalCommits(), 0);
    EXPECT_EQ(manager->totalLoads(), 0);
    EXPECT_EQ(manager->totalFailedLoads(), 0);
    EXPECT_EQ(manager->totalControlWindows(), 0);
    EXPECT_EQ(manager->totalObserverWindows(), 0);
    EXPECT_EQ(manager->totalImageSources(), 0);
    EXPECT_EQ(manager->appliedColour(), 0u);
    EXPECT_EQ(manager->layoutColour(), 0u);
    EXPECT_EQ(manager->loadedCount(), 0);
    EXPECT_EQ(manager->committedCount(), 0);
    EXPECT_EQ(manager->getPath(), "");
    EXPECT_EQ(manager->hostWindow(), nullptr);
    EXPECT_FALSE(manager->isAttached());
    SourceOwner* owner = nullptr;
    EXPECT_EQ(manager->getOwner(&owner), S_OK);
    EXPECT_EQ(owner, static_cast<SourceOwner*>(manager.get()));
}

TEST_F(DisplayManagerTest, MissingRootDirectoryIsSilentAndLeavesTheDirectory)
{
    const std::string registry = root.write("empty.ini", "[SOFTWARE/Astreon/ObserverWindow]\nOther=1\n");
    RegistryFileScope scope(registry);
    testing_support::TemporaryFolder elsewhere;
    testing_support::CurrentDirectoryScope inElsewhere(elsewhere.path());
    DisplayManager withoutRoot;
    EXPECT_EQ(withoutRoot.rootDir(), "");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), elsewhere.path()));
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(DisplayManagerTest, EarlierReleaseTellsAboutAMissingRootDirectory)
{
    const std::string registry = root.write("empty.ini", "[SOFTWARE/Astreon/ObserverWindow]\nOther=1\n");
    RegistryFileScope scope(registry);
    platform::setRelease(platform::Release::Earlier);
    DisplayManager withoutRoot;
    platform::setRelease(platform::Release::Current);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().caption, "Astreon");
    EXPECT_EQ(recorder.last().text.rfind("Failed RegQueryValueEX.  Your registry is probably out of date.\r\n"
                                         "Did you run the Astreon installer?\r\n",
                  0),
        0u);
    EXPECT_EQ(withoutRoot.rootDir(), "");
}

TEST_F(DisplayManagerTest, InvalidScreenRectIsRejectedBeforeAttachment)
{
    EXPECT_EQ(manager->setScreenRect(0.5, 0, 0.4, 1), E_INVALIDARG);
    EXPECT_EQ(manager->setScreenRect(0, 0, 1, 1), E_FAIL);
    EXPECT_FALSE(manager->isScreenRectSet());
}

TEST_F(DisplayManagerTest, ScreenRectIsStoredOnceAttached)
{
    ASSERT_EQ(manager->attachWindow(&host, 1), S_OK);
    EXPECT_EQ(manager->setScreenRect(0.5, 0, 0.4, 1), E_INVALIDARG);
    EXPECT_EQ(manager->setScreenRect(-0.1, 0, 1, 1), E_INVALIDARG);
    EXPECT_EQ(manager->setScreenRect(0, 0, 1, 1.5), E_INVALIDARG);
    EXPECT_FALSE(manager->isScreenRectSet());
    EXPECT_EQ(manager->setScreenRect(0.5, 0, 1, 0.5), S_OK);
    EXPECT_TRUE(manager->isScreenRectSet());
    const FractionalRect stored = manager->screenRect();
    EXPECT_EQ(stored.left, 0.5);
    EXPECT_EQ(stored.top, 0);
    EXPECT_EQ(stored.right, 1);
    EXPECT_EQ(stored.bottom, 0.5);
}

TEST_F(DisplayManagerTest, AttachingPaintsTheHostBlack)
{
    host.setPalette(QPalette(Qt::red));
    EXPECT_EQ(manager->attachWindow(&host, 1), S_OK);
    EXPECT_EQ(manager->hostWindow(), &host);
    EXPECT_TRUE(manager->isAttached());
    EXPECT_EQ(hostColour(), makeColour(0, 0, 0));
}

TEST_F(DisplayManagerTest, AppliedColourReachesTheHost)
{
    attachHost();
    EXPECT_EQ(manager->setAppliedColour(makeColour(10, 20, 30), 1), S_OK);
    EXPECT_EQ(manager->appliedColour(), makeColour(10, 20, 30));
    EXPECT_EQ(hostColour(), makeColour(10, 20, 30));
}

TEST_F(DisplayManagerTest, ColourWithoutAttachedHostIsOnlyStored)
{
    EXPECT_EQ(manager->setAppliedColour(makeColour(1, 2, 3), 1), S_OK);
    EXPECT_EQ(manager->appliedColour(), makeColour(1, 2, 3));
    EXPECT_EQ(manager->setLayoutColour(makeColour(4, 5, 6)), S_OK);
    EXPECT_EQ(manager->layoutColour(), makeColour(4, 5, 6));
}

TEST_F(DisplayManagerTest, ColourForAMissingHostFailsWithAMessage)
{
    EXPECT_EQ(manager->attachWindow(nullptr, 1), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Error 1400 setting background color");
    EXPECT_EQ(recorder.last().caption, "Display Error");
    recorder.clear();
    EXPECT_EQ(manager->applyBackgroundColour(0), E_FAIL);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(DisplayManagerTest, CountLoadCountsFailuresToo)
{
    manager->countLoad(S_OK);
    manager->countLoad(S_FALSE);
    manager->countLoad(E_FAIL);
    EXPECT_EQ(manager->totalLoads(), 3);
    EXPECT_EQ(manager->totalFailedLoads(), 1);
}

TEST_F(DisplayManagerTest, CollectionAccessChecksTheIndex)
{
    ImageSource* source = nullptr;
    EXPECT_EQ(manager->setWindowCount(0, 1), E_INVALIDARG);
    EXPECT_EQ(manager->getSource(0, &source), E_INVALIDARG);
    ASSERT_EQ(manager->allocateCollections(2), S_OK);
    EXPECT_EQ(manager->loadedCount(), 2);
    EXPECT_EQ(manager->setWindowCount(2, 1), E_INVALIDARG);
    EXPECT_EQ(manager->setWindowCount(-1, 1), E_INVALIDARG);
    EXPECT_EQ(manager->setWindowCount(1, 2), S_OK);
    EXPECT_EQ(manager->setWindow(1, -1, WindowSpec {}), E_INVALIDARG);
    EXPECT_EQ(manager->setWindow(1, 2, WindowSpec {}), E_INVALIDARG);
    EXPECT_EQ(manager->setWindow(0, 0, WindowSpec {}), E_FAIL); // no window array yet
    EXPECT_EQ(manager->setWindow(1, 1, WindowSpec {}), S_OK);
    EXPECT_EQ(manager->getSource(1, nullptr), E_INVALIDARG);
    EXPECT_EQ(manager->getSource(1, &source), S_OK);
    EXPECT_EQ(source, nullptr);
}

TEST_F(DisplayManagerTest, SourcesAreKeptByTheirCollection)
{
    ASSERT_EQ(manager->allocateCollections(1), S_OK);
    auto kepler = std::make_unique<KeplerUniverse>();
    ImageSource* const expected = kepler.get();
    EXPECT_EQ(manager->setSource(0, std::move(kepler)), S_OK);
    ImageSource* source = nullptr;
    EXPECT_EQ(manager->getSource(0, &source), S_OK);
    EXPECT_EQ(source, expected);
    EXPECT_EQ(manager->clearLoaded(), S_OK);
    EXPECT_EQ(manager->loadedCount(), 0);
    EXPECT_EQ(manager->getSource(0, &source), E_INVALIDARG);
}

TEST_F(DisplayManagerTest, AllocatingAgainReplacesTheLoadedCollections)
{
    ASSERT_EQ(manager->allocateCollections(3), S_OK);
    ASSERT_EQ(manager->setSource(2, std::make_unique<KeplerUniverse>()), S_OK);
    ASSERT_EQ(manager->allocateCollections(1), S_OK);
    EXPECT_EQ(manager->loadedCount(), 1);
    ImageSource* source = nullptr;
    EXPECT_EQ(manager->getSource(0, &source), S_OK);
    EXPECT_EQ(source, nullptr);
    EXPECT_EQ(manager->allocateCollections(-1), E_INVALIDARG);
    EXPECT_EQ(manager->loadedCount(), 0);
}

TEST_F(DisplayManagerTest, ChooseAndLoadRunsTheLoadDialog)
{
    platform::ScriptedChooser chooser;
    platform::ScopedChooser installed(chooser);
    HostArea& area = *manager;
    EXPECT_EQ(area.chooseAndLoad(), E_FAIL);
    EXPECT_EQ(chooser.fileRequests().size(), 1u);
    EXPECT_EQ(manager->totalLoads(), 1);
}

class DisplayManagerDrawTest : public DisplayManagerFixture {
protected:
    QImage drawn { 900, 80, QImage::Format_RGB32 };

    void draw(std::int32_t request)
    {
        drawn.fill(Qt::black);
        raster::DeviceContext context(drawn);
        EXPECT_EQ(manager->Draw(context, drawn.width(), drawn.height(), request), S_OK);
    }

    QImage expectedLines(const std::string& first, const std::string& second, const std::string& third)
    {
        QImage expected(drawn.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        raster::DeviceContext context(expected);
        const int line = context.lineHeight();
        context.textOut(0, 0, first);
        context.textOut(0, line, second);
        context.textOut(0, 2 * line, third);
        return expected;
    }
};

TEST_F(DisplayManagerDrawTest, WithoutStatisticsBitOnlyWhite)
{
    draw(0);
    QImage white(drawn.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(drawn, white);
}

TEST_F(DisplayManagerDrawTest, StatisticsShowTheCountersAndTheLastFile)
{
    manager->countLoad(E_FAIL);
    manager->countLoad(E_FAIL);
    manager->setPath("AstreonLayouts/demo.lay");
    draw(kDrawStatistics | 0x10);
    const QImage expected = expectedLines(
        "Total Commits:        0            Total Loads:        2            Total Failed Loads:        2",
        "Total control windows:        0            Total observer windows:        0            "
        "Total image sources:        0",
        "Last File: AstreonLayouts/demo.lay");
    EXPECT_EQ(drawn, expected);
    EXPECT_NE(drawn, expectedLines("Total Commits:        0", "", "Last File: AstreonLayouts/demo.lay"));
}

} // namespace
