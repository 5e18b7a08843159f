// Layouts of extreme structures and texts loaded over a layout on screen: the process keeps
// running, a failed load leaves the windows and image sources on screen as they were, and a
// layout that does load can be drawn.
#include "RobustnessCorpus.h"
#include "ScreenSnapshot.h"

#include "display/DisplayManager.h"
#include "platform/Message.h"
#include "platform/Registry.h"
#include "support/RegistryOverride.h"
#include "support/TestFiles.h"

#include <QWidget>

#include <gtest/gtest.h>
#include <memory>

namespace {

using robustness::Extreme;
using robustness::ScreenSnapshot;

std::string smallLayout(const std::string& windows, const std::string& type = "KeplerUniverse")
{
    return "<?xml version=\"1.0\"?>\n<Layout><ImageSourceCollection><ImageSource><type>" + type
        + "</type></ImageSource><Windows>" + windows + "</Windows></ImageSourceCollection></Layout>\n";
}

std::string rect(const std::string& left, const std::string& top, const std::string& right, const std::string& bottom)
{
    return "<ScreenRect><left>" + left + "</left><top>" + top + "</top><right>" + right + "</right><bottom>" + bottom
        + "</bottom></ScreenRect>";
}

std::string repeated(const std::string& piece, int times)
{
    std::string text;
    for (int k = 0; k < times; ++k)
        text += piece;
    return text;
}

const std::string kWholeRect = rect("0", "0", "1", "1");

class LayoutExtremesTest : public testing::Test {
protected:
    LayoutExtremesTest()
    {
        host.resize(800, 600);
        manager = std::make_unique<DisplayManager>();
        // The display manager made the registry's root the current directory; relative
        // paths in the layouts resolve against the shipped data folder.
        std::filesystem::current_path(platform::programDataDir());
        manager->attachWindow(&host, 1);
        manager->setScreenRect(0, 0, 1, 1);
    }
    ~LayoutExtremesTest() override
    {
        RecordProperty("loaded", loadedExtremes);
        RecordProperty("failed", failedExtremes);
        RecordProperty("commitsStopped", commitsStopped);
        manager.reset();
    }

    // Puts `bytes` on screen; the layout must load.
    void showLayout(const std::string& bytes)
    {
        goodLayout = bytes;
        ASSERT_EQ(manager->load(scratch.write("good.lay", bytes).c_str(), 0), S_OK);
        ASSERT_GT(manager->committedCount(), 0);
    }

    // Loads one extreme with messages on. A failure must leave the screen as it was; the
    // one documented exception is a collection with an empty Windows element, which
    // passes the parse and stops the commit at that collection.
    void loadExtreme(const Extreme& extreme)
    {
        const ScreenSnapshot before = ScreenSnapshot::take(*manager);
        const std::int32_t loads = manager->totalLoads();
        const std::int32_t failedLoads = manager->totalFailedLoads();
        const HRESULT result = manager->load(scratch.write("extreme.lay", extreme.bytes).c_str(), 1);
        recorder.clear();
        EXPECT_EQ(manager->totalLoads(), loads + 1) << extreme.description;
        EXPECT_EQ(manager->loadedCount(), 0) << extreme.description;
        if (SUCCEEDED(result)) {
            ++loadedExtremes;
            EXPECT_EQ(manager->totalFailedLoads(), failedLoads) << extreme.description;
            robustness::renderEveryObserverWindow();
            showLayout(goodLayout);
            return;
        }
        ++failedExtremes;
        EXPECT_EQ(manager->totalFailedLoads(), failedLoads + 1) << extreme.description;
        if (ScreenSnapshot::take(*manager) == before)
            return;
        EXPECT_TRUE(commitStoppedAtEmptyWindows()) << "screen changed by a failed load: " << extreme.description;
        ++commitsStopped;
        showLayout(goodLayout);
    }

    void loadExtremes(const std::vector<Extreme>& extremes)
    {
        for (const Extreme& extreme : extremes) {
            loadExtreme(extreme);
            if (HasFatalFailure())
                return;
        }
    }

    bool commitStoppedAtEmptyWindows()
    {
        for (std::int32_t index = 0; index < manager->committedCount(); ++index) {
            if (!manager->committedCollection(index)->hasWindowArray())
                return true;
        }
        return false;
    }

    testing_support::TemporaryFolder scratch;
    testing_support::RegistryOverride registry { scratch.write(
        "registry.ini", "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=" + platform::programDataDir() + "\n") };
    testing_support::CurrentDirectoryScope directory { platform::programDataDir() };
    platform::MessageRecorder recorder;
    QWidget host;
    std::unique_ptr<DisplayManager> manager;
    std::string goodLayout;
    int loadedExtremes = 0;
    int failedExtremes = 0;
    int commitsStopped = 0;
};

TEST_F(LayoutExtremesTest, ExtremeStructuresAndTexts)
{
    ASSERT_NO_FATAL_FAILURE(
        showLayout(smallLayout("<ObserverWindow>" + kWholeRect + "<Refresh>40</Refresh></ObserverWindow>")));
    const std::string huge(10 * 1024 * 1024, '7');
    const std::string observer = "<ObserverWindow>" + kWholeRect + "<Refresh>40</Refresh></ObserverWindow>";
    std::string manyArguments;
    for (int k = 0; k < 100000; ++k)
        manyArguments += "<arg>draw_stat=1</arg>";
    std::string manyWindows;
    for (int k = 0; k < 5000; ++k)
        manyWindows += observer;
    const std::vector<Extreme> extremes = {
        { "layout nested 100000 deep", "<Layout>" + robustness::nested("Layout", 100000) + "</Layout>" },
        { "collections nested 100000 deep",
            "<Layout>" + robustness::nested("ImageSourceCollection", 100000) + "</Layout>" },
        { "100000 unclosed elements", "<Layout>" + repeated("<Layout>", 100000) },
        { "left nested 100000 deep",
            smallLayout("<ObserverWindow><ScreenRect>" + robustness::nested("left", 100000, "0.5")
                + "<top>0</top><right>1</right><bottom>1</bottom></ScreenRect><Refresh>40</Refresh></"
                  "ObserverWindow>") },
        { "arg nested 100000 deep",
            smallLayout("<ObserverWindow>" + kWholeRect + "<DrawRequest>"
                + robustness::nested("arg", 100000, "draw_stat=1")
                + "</DrawRequest><Refresh>40</Refresh></ObserverWindow>") },
        { "10 MB left",
            smallLayout("<ObserverWindow>" + rect(huge, "0", "1", "1") + "<Refresh>40</Refresh></ObserverWindow>") },
        { "10 MB refresh",
            smallLayout("<ObserverWindow>" + kWholeRect + "<Refresh>" + huge + "</Refresh></ObserverWindow>") },
        { "10 MB type", smallLayout(observer, huge) },
        { "10 MB window name", smallLayout("<W" + huge + ">" + kWholeRect + "</W" + huge + ">") },
        { "10 MB background path",
            smallLayout("<ObserverWindow>" + kWholeRect + "<Background><arg>src=" + huge
                + "</arg></Background><Refresh>40</Refresh></ObserverWindow>") },
        { "10 MB colour", "<Layout><BackgroundColor><arg>red=" + huge + "</arg></BackgroundColor></Layout>" },
        { "100000 draw arguments",
            smallLayout("<ObserverWindow>" + kWholeRect + "<DrawRequest>" + manyArguments
                + "</DrawRequest><Refresh>40</Refresh></ObserverWindow>") },
        { "5000 windows and a bad one", smallLayout(manyWindows + "<BadWindow>" + kWholeRect + "</BadWindow>") },
        { "NaN rectangle",
            smallLayout(
                "<ObserverWindow>" + rect("nan", "nan", "nan", "nan") + "<Refresh>40</Refresh></ObserverWindow>") },
        { "infinite rectangle",
            smallLayout(
                "<ObserverWindow>" + rect("-inf", "0", "inf", "1") + "<Refresh>40</Refresh></ObserverWindow>") },
        { "overflowing rectangle",
            smallLayout(
                "<ObserverWindow>" + rect("1e400", "0", "1e400", "1") + "<Refresh>40</Refresh></ObserverWindow>") },
        { "denormal rectangle",
            smallLayout("<ObserverWindow>" + rect("4.9e-324", "0", "4.9e-324", "1e-400")
                + "<Refresh>40</Refresh></ObserverWindow>") },
        { "tiny refresh",
            smallLayout("<ObserverWindow>" + kWholeRect + "<Refresh>-2147483649</Refresh></ObserverWindow>") },
        { "huge refresh",
            smallLayout("<ObserverWindow>" + kWholeRect + "<Refresh>99999999999999</Refresh></ObserverWindow>") },
        { "collection with an empty Windows element", smallLayout("") },
        { "empty file", "" },
        { "only a declaration", "<?xml version='1.0'?>" },
        { "NUL bytes", std::string(4096, '\0') },
        { "UTF-16 mark and odd length", "\xFF\xFE<\0L\0a\0y\0o\0u\0t\0>" },
    };
    loadExtremes(extremes);
    EXPECT_GT(loadedExtremes, 0);
    EXPECT_GT(failedExtremes, 0);
}

} // namespace
