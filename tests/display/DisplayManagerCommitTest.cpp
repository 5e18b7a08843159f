// Loading, reloading and committing layouts: what reaches the screen and when.
#include "display/DisplayManager.h"

#include "display/DisplayManagerFixture.h"
#include "platform/Chooser.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"
#include "xml/XmlDocument.h"

#include <QChildEvent>
#include <QObject>
#include <QWidget>

#include <vector>

namespace {

using namespace display_testing;

const std::string kWholeRect = screenRect(0, 0, 1, 1);

// Records, each time a window appears in the host, how many windows the registry held
// and how many child windows the host had besides the new one.
class NewWindowLog : public QObject {
public:
    struct Entry {
        int registeredWindows;
        int otherChildWindows;
    };
    std::vector<Entry> entries;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded && static_cast<QChildEvent*>(event)->child()->isWidgetType()) {
            const auto children = watched->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            entries.push_back({ WindowRegistry::instance().recordCount(), static_cast<int>(children.size()) - 1 });
        }
        return QObject::eventFilter(watched, event);
    }
};

class DisplayManagerCommitTest : public DisplayManagerFixture {
protected:
    std::string twoWindowLayout()
    {
        return layout(collection(observerWindow(screenRect(0, 0, 0.5, 1)) + controlWindow(screenRect(0.5, 0, 1, 1))));
    }
};

TEST_F(DisplayManagerCommitTest, LoadCreatesTheWindowsInTheHost)
{
    attachHost();
    ASSERT_EQ(manager->load(writeLayout("two.lay", twoWindowLayout()).c_str(), 1), S_OK);
    EXPECT_EQ(windowsOfManager(), 2);
    EXPECT_EQ(manager->committedCount(), 1);
    EXPECT_EQ(manager->loadedCount(), 0);
    EXPECT_EQ(manager->totalCommits(), 1);
    EXPECT_EQ(manager->getPath(), root.file("two.lay"));
    for (WindowRecord* record : WindowRegistry::instance().records())
        EXPECT_EQ(record->parent(), &host);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(DisplayManagerCommitTest, SampleLayoutFileBuildsItsScreen)
{
    attachHost();
    ASSERT_EQ(manager->load(SKYLOOM_TEST_DATA_DIR "/layouts/kepler-screen.lay", 1), S_OK);
    EXPECT_EQ(recorder.count(), 0u);
    EXPECT_EQ(hostColour(), makeColour(16, 32, 96));
    EXPECT_EQ(windowsOfManager(), 2);
    EXPECT_EQ(manager->totalObserverWindows(), 1);
    EXPECT_EQ(manager->totalControlWindows(), 1);
    const WindowSpec* observer = manager->committedCollection(0)->window(0);
    ASSERT_NE(observer, nullptr);
    EXPECT_EQ(observer->drawFlags, 0);
    EXPECT_EQ(observer->background.src, "AstreonBitmaps/NotShipped.bmp");
    EXPECT_EQ(observer->background.xAlign, XAlignStretch);
    EXPECT_EQ(observer->background.yAlign, YAlignStretch);
}

TEST_F(DisplayManagerCommitTest, RelativePathsResolveAgainstTheRootDirectory)
{
    attachHost();
    writeLayout("AstreonLayouts/relative.lay", twoWindowLayout());
    EXPECT_EQ(manager->load("AstreonLayouts/relative.lay", 1), S_OK);
    EXPECT_EQ(windowsOfManager(), 2);
}

TEST_F(DisplayManagerCommitTest, WindowsArePlacedInsideTheScreenRect)
{
    ASSERT_EQ(manager->attachWindow(&host, 1), S_OK);
    ASSERT_EQ(manager->setScreenRect(0.5, 0, 1, 0.5), S_OK);
    ASSERT_EQ(manager->load(writeLayout("one.lay", layout(collection(controlWindow(kWholeRect)))).c_str(), 1), S_OK);
    const std::list<WindowRecord*> records = WindowRegistry::instance().records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records.front()->pixelRect, (PixelRect { 500, 0, 1000, 350 }));
    EXPECT_EQ(records.front()->window()->geometry(), QRect(500, 0, 500, 350));
}

TEST_F(DisplayManagerCommitTest, OnSizeLaysTheWindowsOutAgain)
{
    attachHost();
    ASSERT_EQ(
        manager->load(writeLayout("one.lay", layout(collection(controlWindow(screenRect(0.5, 0.5, 1, 1))))).c_str(), 1),
        S_OK);
    host.resize(400, 300);
    EXPECT_EQ(manager->onSize(), S_OK);
    const std::list<WindowRecord*> records = WindowRegistry::instance().records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records.front()->window()->geometry(), QRect(200, 150, 200, 150));
}

TEST_F(DisplayManagerCommitTest, SecondLayoutReplacesTheFirstBeforeAnyNewWindowAppears)
{
    attachHost();
    ASSERT_EQ(manager->load(writeLayout("first.lay", twoWindowLayout()).c_str(), 1), S_OK);
    ASSERT_EQ(windowsOfManager(), 2);
    const ImageSourceCollection* first = manager->committedCollection(0);

    NewWindowLog log;
    host.installEventFilter(&log);
    const std::string second = layout(collection(controlWindow(kWholeRect)) + collection(controlWindow(kWholeRect))
        + collection(observerWindow(kWholeRect)));
    ASSERT_EQ(manager->load(writeLayout("second.lay", second).c_str(), 1), S_OK);
    host.removeEventFilter(&log);

    ASSERT_EQ(log.entries.size(), 3u);
    for (std::size_t index = 0; index < log.entries.size(); ++index) {
        EXPECT_EQ(log.entries[index].registeredWindows, static_cast<int>(index));
        EXPECT_EQ(log.entries[index].otherChildWindows, static_cast<int>(index));
    }
    EXPECT_EQ(windowsOfManager(), 3);
    EXPECT_EQ(manager->committedCount(), 3);
    EXPECT_NE(manager->committedCollection(0), first);
    EXPECT_EQ(manager->totalCommits(), 2);
}

TEST_F(DisplayManagerCommitTest, LayoutWithoutCollectionsLeavesOnlyTheColour)
{
    attachHost();
    ASSERT_EQ(manager->load(writeLayout("first.lay", twoWindowLayout()).c_str(), 1), S_OK);
    ASSERT_EQ(
        manager->load(
            writeLayout("empty.lay", layout("<BackgroundColor><arg>green=200</arg></BackgroundColor>")).c_str(), 1),
        S_OK);
    EXPECT_EQ(windowsOfManager(), 0);
    EXPECT_EQ(manager->committedCount(), 0);
    EXPECT_EQ(hostColour(), makeColour(0, 200, 0));
    EXPECT_EQ(manager->totalCommits(), 2);
}

TEST_F(DisplayManagerCommitTest, EmptyWindowsElementStopsTheCommitAtItsCollection)
{
    attachHost();
    const std::string content
        = layout(collection(controlWindow(kWholeRect)) + collection("") + collection(controlWindow(kWholeRect)));
    EXPECT_EQ(manager->load(writeLayout("gap.lay", content).c_str(), 1), E_FAIL);
    EXPECT_EQ(recorder.count(), 0u);
    EXPECT_EQ(windowsOfManager(), 1);
    EXPECT_EQ(manager->committedCount(), 3);
    EXPECT_FALSE(manager->committedCollection(1)->hasWindowArray());
    EXPECT_EQ(manager->totalCommits(), 0);
    EXPECT_EQ(manager->totalFailedLoads(), 1);
    EXPECT_EQ(manager->totalImageSources(), 3);
}

TEST_F(DisplayManagerCommitTest, HostTurnsBlackOnAttachAndGreyAtTheFirstCommit)
{
    attachHost();
    EXPECT_EQ(hostColour(), makeColour(0, 0, 0));
    ASSERT_EQ(manager->load(writeLayout("grey.lay", layout("")).c_str(), 1), S_OK);
    EXPECT_EQ(hostColour(), makeColour(128, 128, 128));
    EXPECT_EQ(manager->appliedColour(), 8421504u);
}

TEST_F(DisplayManagerCommitTest, LayoutBeforeAttachmentIsCommittedWithoutWindows)
{
    EXPECT_EQ(manager->load(writeLayout("two.lay", twoWindowLayout()).c_str(), 1), E_FAIL);
    EXPECT_EQ(manager->committedCount(), 1);
    EXPECT_EQ(windowsOfManager(), 0);
    EXPECT_EQ(manager->totalCommits(), 0);
    EXPECT_EQ(manager->totalFailedLoads(), 1);
    EXPECT_EQ(manager->appliedColour(), 0u);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(DisplayManagerCommitTest, AttachedWithoutScreenRectCommitsWithoutWindows)
{
    ASSERT_EQ(manager->attachWindow(&host, 1), S_OK);
    EXPECT_EQ(manager->load(writeLayout("two.lay", twoWindowLayout()).c_str(), 1), E_FAIL);
    EXPECT_EQ(windowsOfManager(), 0);
    EXPECT_EQ(manager->totalCommits(), 0);
}

TEST_F(DisplayManagerCommitTest, EmptyPathIsAFailedLoadThatKeepsThePath)
{
    attachHost();
    manager->setPath("kept.lay");
    EXPECT_EQ(manager->load("", 1), E_INVALIDARG);
    EXPECT_EQ(manager->load(nullptr, 1), E_INVALIDARG);
    EXPECT_EQ(manager->getPath(), "kept.lay");
    EXPECT_EQ(manager->totalLoads(), 2);
    EXPECT_EQ(manager->totalFailedLoads(), 2);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(DisplayManagerCommitTest, LongPathIsCut)
{
    attachHost();
    const std::string longPath(400, 'a');
    EXPECT_TRUE(FAILED(manager->load(longPath.c_str(), 0)));
    EXPECT_EQ(manager->getPath(), std::string(259, 'a'));
}

TEST_F(DisplayManagerCommitTest, ReloadRetriesTheFileThatFailed)
{
    attachHost();
    const std::string path = root.file("later.lay");
    EXPECT_EQ(manager->load(path.c_str(), 0), XmlDocument::kFileNotFound);
    EXPECT_EQ(manager->getPath(), path);
    writeLayout("later.lay", twoWindowLayout());
    EXPECT_EQ(manager->reload(1), S_OK);
    EXPECT_EQ(windowsOfManager(), 2);
    EXPECT_EQ(manager->totalLoads(), 2);
    EXPECT_EQ(manager->totalFailedLoads(), 1);
}

TEST_F(DisplayManagerCommitTest, ReloadBuildsFreshSources)
{
    attachHost();
    ASSERT_EQ(manager->load(writeLayout("two.lay", twoWindowLayout()).c_str(), 1), S_OK);
    ASSERT_EQ(manager->reload(1), S_OK);
    EXPECT_EQ(windowsOfManager(), 2);
    EXPECT_EQ(manager->totalImageSources(), 2);
    EXPECT_EQ(manager->totalCommits(), 2);
}

TEST_F(DisplayManagerCommitTest, ApplyWithoutDocumentIsAnInvalidArgument)
{
    attachHost();
    ASSERT_EQ(manager->allocateCollections(2), S_OK);
    EXPECT_EQ(manager->apply(nullptr, 1), E_INVALIDARG);
    EXPECT_EQ(manager->loadedCount(), 0);
}

TEST_F(DisplayManagerCommitTest, DestructionRemovesEveryWindow)
{
    attachHost();
    ASSERT_EQ(manager->load(writeLayout("two.lay", twoWindowLayout()).c_str(), 1), S_OK);
    ASSERT_EQ(WindowRegistry::instance().recordCount(), 2);
    manager.reset();
    EXPECT_EQ(WindowRegistry::instance().recordCount(), 0);
}

class LoadDialogTest : public DisplayManagerCommitTest {
protected:
    platform::ScriptedChooser chooser;
    platform::ScopedChooser installed { chooser };
};

TEST_F(LoadDialogTest, CancelKeepsThePathAndCountsAFailedLoad)
{
    attachHost();
    ASSERT_EQ(manager->load(writeLayout("two.lay", twoWindowLayout()).c_str(), 1), S_OK);
    chooser.answerCancel();
    EXPECT_EQ(manager->loadWithDialog(), E_FAIL);
    EXPECT_EQ(manager->getPath(), root.file("two.lay"));
    EXPECT_EQ(manager->totalLoads(), 2);
    EXPECT_EQ(manager->totalFailedLoads(), 1);
    EXPECT_EQ(windowsOfManager(), 2);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(LoadDialogTest, AsksForALayoutFileInTheLayoutFolder)
{
    attachHost();
    chooser.answerCancel();
    manager->loadWithDialog();
    const std::vector<platform::FileDialogRequest> requests = chooser.fileRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, platform::FileDialogKind::Open);
    EXPECT_EQ(requests[0].owner, &host);
    EXPECT_EQ(requests[0].defaultExtension, ".lay");
    EXPECT_EQ(requests[0].filterDescription, "LAY files (*.LAY)");
    EXPECT_EQ(requests[0].filterPattern, "*.lay");
    EXPECT_EQ(requests[0].startFolder, (root.path() / "AstreonLayouts/").string())
        << "the start folder lies under the root directory, not the working directory";
}

TEST_F(LoadDialogTest, ChosenFileIsLoadedAndBecomesThePath)
{
    attachHost();
    chooser.answerFile(writeLayout("chosen.lay", twoWindowLayout()));
    EXPECT_EQ(manager->loadWithDialog(), S_OK);
    EXPECT_EQ(manager->getPath(), root.file("chosen.lay"));
    EXPECT_EQ(windowsOfManager(), 2);
    EXPECT_EQ(manager->totalLoads(), 1);
    EXPECT_EQ(manager->totalFailedLoads(), 0);
}

TEST_F(LoadDialogTest, FailingChosenFileIsReportedAndThePathRestored)
{
    attachHost();
    manager->setPath("previous.lay");
    chooser.answerFile(writeLayout("broken.lay", layout(collection("<observerwindow/>"))));
    EXPECT_EQ(manager->loadWithDialog(), E_FAIL);
    EXPECT_EQ(manager->getPath(), "previous.lay");
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "No ScreenRect in window");
    EXPECT_EQ(manager->totalFailedLoads(), 1);
}

} // namespace
