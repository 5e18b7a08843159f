// The layout loader as seen through DisplayManager::load: what a file puts into the
// collections, and how each fault in a file is reported.
#include "display/DisplayManager.h"

#include "display/DisplayManagerFixture.h"
#include "sources/ImageSourceBuilder.h"
#include "xml/XmlDocument.h"

#include <typeinfo>
#include <vector>

namespace {

using namespace display_testing;

const std::string kWholeRect = screenRect(0, 0, 1, 1);

class LayoutLoaderTest : public DisplayManagerFixture {
protected:
    // Loads `content` from a file; the host is attached.
    HRESULT loadText(const std::string& content, std::int32_t reportErrors = 1)
    {
        return manager->load(writeLayout("test.lay", content).c_str(), reportErrors);
    }

    const WindowSpec* committedWindow(std::int32_t collectionIndex, std::int32_t windowIndex)
    {
        const ImageSourceCollection* found = manager->committedCollection(collectionIndex);
        return found ? found->window(windowIndex) : nullptr;
    }

    void SetUp() override { attachHost(); }
};

TEST_F(LayoutLoaderTest, BlueBackgroundColour)
{
    ASSERT_EQ(loadText(layout("<BackgroundColor><arg>blue=255</arg></BackgroundColor>")), S_OK);
    EXPECT_EQ(manager->layoutColour(), 16711680u);
    EXPECT_EQ(manager->appliedColour(), 16711680u);
    EXPECT_EQ(hostColour(), 16711680u);
}

TEST_F(LayoutLoaderTest, GreyWithoutBackgroundColour)
{
    ASSERT_EQ(loadText(layout("")), S_OK);
    EXPECT_EQ(manager->layoutColour(), 8421504u);
    EXPECT_EQ(hostColour(), 8421504u);
}

TEST_F(LayoutLoaderTest, OnlyTheFirstBackgroundColourIsRead)
{
    ASSERT_EQ(loadText(layout("<BackgroundColor><arg>red=1</arg></BackgroundColor>"
                              "<BackgroundColor><arg>red=2</arg></BackgroundColor>")),
        S_OK);
    EXPECT_EQ(manager->layoutColour(), makeColour(1, 0, 0));
}

TEST_F(LayoutLoaderTest, WindowDescriptionsTakeTheirValuesFromTheFile)
{
    const std::string observer = observerWindow(screenRect(0.1, 0.2, 0.6, 0.7),
        "<DrawRequest><arg>draw_stat=0</arg></DrawRequest><Refresh>40</Refresh>"
        "<Background><arg>src=AstreonBitmaps/sky.bmp</arg><arg>xAlign=stretch</arg></Background>"
        "<Background><arg>yAlign=bottom</arg></Background>");
    const std::string control = controlWindow(screenRect(0, 0.8, 0.5, 1),
        "<Refresh>40</Refresh><DrawRequest><arg>draw_stat=bad</arg></DrawRequest>"
        "<Background><arg>xAlign=tile</arg></Background>");
    ASSERT_EQ(loadText(layout(collection(observer + control))), S_OK);
    ASSERT_EQ(manager->committedCount(), 1);
    const ImageSourceCollection* loaded = manager->committedCollection(0);
    ASSERT_EQ(loaded->windowCount(), 2);
    ImageSource* source = nullptr;
    ASSERT_EQ(loaded->getSource(&source), S_OK);
    ASSERT_NE(source, nullptr);

    const WindowSpec* first = committedWindow(0, 0);
    EXPECT_EQ(first->kind, 0);
    EXPECT_EQ(first->drawFlags, 0);
    EXPECT_EQ(first->refresh, 40);
    EXPECT_EQ(first->imageSource, source);
    EXPECT_EQ(first->background.src, "AstreonBitmaps/sky.bmp");
    EXPECT_EQ(first->background.xAlign, XAlignStretch);
    EXPECT_EQ(first->background.yAlign, YAlignBottom);
    EXPECT_DOUBLE_EQ(first->screenRect.left, 0.1);
    EXPECT_DOUBLE_EQ(first->screenRect.bottom, 0.7);

    const WindowSpec* second = committedWindow(0, 1);
    EXPECT_EQ(second->kind, 1);
    EXPECT_EQ(second->drawFlags, 0);
    EXPECT_EQ(second->refresh, 0);
    EXPECT_EQ(second->imageSource, source);
    EXPECT_EQ(second->background.src, "");
    EXPECT_EQ(second->background.xAlign, XAlignLeft);
    EXPECT_EQ(second->background.yAlign, YAlignTop);

    SourceOwner* owner = nullptr;
    EXPECT_EQ(source->getOwner(&owner), S_OK);
    EXPECT_EQ(owner, static_cast<SourceOwner*>(manager.get()));
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(LayoutLoaderTest, ObserverWindowStartsFromTheSourcesDefaultDrawRequest)
{
    ASSERT_EQ(loadText(layout(collection(observerWindow(kWholeRect, "<Refresh>0</Refresh>")))), S_OK);
    const WindowSpec* window = committedWindow(0, 0);
    ASSERT_NE(window, nullptr);
    std::int32_t defaultRequest = 0;
    ASSERT_EQ(window->imageSource->GetDefaultDrawRequest(&defaultRequest), S_OK);
    EXPECT_EQ(window->drawFlags, defaultRequest);
    EXPECT_EQ(window->refresh, 0);
}

TEST_F(LayoutLoaderTest, RefreshReadsLeadingDigits)
{
    ASSERT_EQ(loadText(layout(collection(observerWindow(kWholeRect, "<Refresh>100ms</Refresh>")))), S_OK);
    EXPECT_EQ(committedWindow(0, 0)->refresh, 100);
}

TEST_F(LayoutLoaderTest, OnlyTheFirstImageSourceIsBuilt)
{
    const std::string twoSources = "<ImageSourceCollection><ImageSource><type>KeplerUniverse</type></ImageSource>"
                                   "<ImageSource><type>NoSuchType</type></ImageSource><Windows>"
        + controlWindow(kWholeRect) + "</Windows></ImageSourceCollection>";
    ASSERT_EQ(loadText(layout(twoSources)), S_OK);
    EXPECT_EQ(manager->totalImageSources(), 1);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(LayoutLoaderTest, CountersCountEverythingReadSuccessfully)
{
    const std::string first = collection(observerWindow(kWholeRect) + controlWindow(kWholeRect));
    const std::string second = collection(observerWindow(kWholeRect) + observerWindow(kWholeRect));
    ASSERT_EQ(loadText(layout(first + second)), S_OK);
    EXPECT_EQ(manager->totalImageSources(), 2);
    EXPECT_EQ(manager->totalObserverWindows(), 3);
    EXPECT_EQ(manager->totalControlWindows(), 1);
    EXPECT_EQ(manager->totalLoads(), 1);
    EXPECT_EQ(manager->totalFailedLoads(), 0);
    EXPECT_EQ(manager->totalCommits(), 1);
}

// Each animated source runs a clock thread: a layout of thousands (a few hundred bytes each)
// took gigabytes and minutes. The first 128 are shown, and the rest are named.
TEST_F(LayoutLoaderTest, ALayoutShowsAtMostItsLimitOfImageSourcesAndSaysSo)
{
    std::string many;
    for (int k = 0; k < DisplayManager::kMaxImageSources + 2; ++k)
        many += collection(observerWindow(kWholeRect));
    ASSERT_EQ(loadText(layout(many)), S_OK);
    EXPECT_EQ(manager->totalImageSources(), DisplayManager::kMaxImageSources);
    EXPECT_EQ(recorder.last().text, "The layout holds 130 image sources; at most 128 are shown.");
}

TEST_F(LayoutLoaderTest, CountersKeepWhatWasReadBeforeALaterFailure)
{
    const std::string windows
        = observerWindow(kWholeRect) + controlWindow(kWholeRect) + observerWindow(screenRect(0.5, 0, 0.4, 1));
    EXPECT_EQ(loadText(layout(collection(windows)), 0), E_FAIL);
    EXPECT_EQ(manager->totalImageSources(), 1);
    EXPECT_EQ(manager->totalObserverWindows(), 1);
    EXPECT_EQ(manager->totalControlWindows(), 1);
    EXPECT_EQ(manager->totalLoads(), 1);
    EXPECT_EQ(manager->totalFailedLoads(), 1);
    EXPECT_EQ(manager->totalCommits(), 0);
    EXPECT_EQ(manager->loadedCount(), 0);
}

TEST_F(LayoutLoaderTest, LowerCaseWindowNameIsAnInvalidWindowType)
{
    EXPECT_EQ(loadText(layout(collection("<observerwindow>" + kWholeRect + "<Refresh>1</Refresh></observerwindow>"))),
        E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Invalid Window Type (observerwindow)");
    EXPECT_EQ(recorder.last().caption, "Layout Error");
    EXPECT_EQ(manager->message(), "Invalid Window Type (observerwindow)");
}

TEST_F(LayoutLoaderTest, UnknownWindowWithoutRectangleReportsTheMissingRectangle)
{
    EXPECT_EQ(loadText(layout(collection("<Sky/>"))), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "No ScreenRect in window");
    EXPECT_EQ(recorder.last().caption, "Layout Error");
}

TEST_F(LayoutLoaderTest, InvertedRectangleIsRejectedWithItsValues)
{
    EXPECT_EQ(loadText(layout(collection(controlWindow(screenRect(0.5, 0, 0.4, 1))))), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Invalid Screen Rectangle (l=0.500000, t=0.000000, r=0.400000, b=1.000000)");
    EXPECT_EQ(recorder.last().caption, "Layout Error");
    EXPECT_EQ(manager->message(), recorder.last().text);
}

TEST_F(LayoutLoaderTest, RectangleOutsideZeroToOneIsRejected)
{
    EXPECT_EQ(loadText(layout(collection(controlWindow(screenRect(0, 0, 1.25, 1))))), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Invalid Screen Rectangle (l=0.000000, t=0.000000, r=1.250000, b=1.000000)");
}

TEST_F(LayoutLoaderTest, InfiniteRectangleIsRejected)
{
    const std::string rect
        = "<ScreenRect><left>0</left><top>0</top><right>1e999</right><bottom>1</bottom></ScreenRect>";
    EXPECT_EQ(loadText(layout(collection(controlWindow(rect)))), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().caption, "Layout Error");
}

// "nan" and "inf" name what they say; neither is a side of 0.
TEST_F(LayoutLoaderTest, RectangleNamingNanOrInfIsRejected)
{
    const std::string rect
        = "<ScreenRect><left> NaN</left><top>0</top><right>-inf</right><bottom>1</bottom></ScreenRect>";
    EXPECT_EQ(loadText(layout(collection(controlWindow(rect)))), E_FAIL);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Invalid Screen Rectangle (l=nan, t=0.000000, r=-inf, b=1.000000)");
}

// One fault in a file: its result code, and the message and caption shown with reporting on
// (an empty text: no message at all).
struct LayoutFault {
    const char* name;
    std::string content;
    HRESULT result;
    std::string text;
    std::string caption;
};

void PrintTo(const LayoutFault& fault, std::ostream* out) { *out << fault.name; }

std::vector<LayoutFault> layoutFaults()
{
    const std::string rectWithout = "<ScreenRect><top>0</top><right>1</right><bottom>1</bottom></ScreenRect>";
    const std::string rectEmpty
        = "<ScreenRect><left></left><top>0</top><right>1</right><bottom>1</bottom></ScreenRect>";
    return {
        { "BadColourValue", layout("<BackgroundColor><arg>red=300</arg></BackgroundColor>"), E_FAIL,
            "Invalid color argument: red = 300", "Parser Error" },
        { "BadColourText", layout("<BackgroundColor><arg>red</arg></BackgroundColor>"), E_FAIL,
            "Unrecognized color argument: red", "Parser Error" },
        { "CollectionWithoutImageSource",
            layout(
                "<ImageSourceCollection><Windows>" + controlWindow(kWholeRect) + "</Windows></ImageSourceCollection>"),
            E_FAIL, "", "" },
        { "CollectionWithoutWindows",
            layout("<ImageSourceCollection><ImageSource><type>KeplerUniverse</type></ImageSource>"
                   "</ImageSourceCollection>"),
            E_FAIL, "", "" },
        { "UnknownSourceType", layout(collection(controlWindow(kWholeRect), "keplerUniverse")), E_FAIL,
            "Unrecognized Image Source type", "Image Source Builder Error" },
        { "WindowOfAnotherName", layout(collection("<Window>" + kWholeRect + "</Window>")), E_FAIL,
            "Invalid Window Type (Window)", "Layout Error" },
        { "WindowWithoutScreenRect", layout(collection("<ControlWindow/>")), E_FAIL, "No ScreenRect in window",
            "Layout Error" },
        { "MissingLeft", layout(collection(controlWindow(rectWithout))), E_INVALIDARG, "", "" },
        { "EmptyLeft", layout(collection(controlWindow(rectEmpty))), E_INVALIDARG, "", "" },
        { "InvalidRectangle", layout(collection(controlWindow(screenRect(0, 0.6, 1, 0.5)))), E_FAIL,
            "Invalid Screen Rectangle (l=0.000000, t=0.600000, r=1.000000, b=0.500000)", "Layout Error" },
        { "DrawRequestWithoutValue",
            layout(collection(observerWindow(kWholeRect,
                "<DrawRequest><arg>draw_stat=</arg></DrawRequest>"
                "<Refresh>40</Refresh>"))),
            E_INVALIDARG, "Unrecognized argument: draw_stat", "Parser Error" },
        { "UnknownDrawRequest",
            layout(collection(observerWindow(kWholeRect,
                "<DrawRequest><arg>draw_all=1</arg></DrawRequest>"
                "<Refresh>40</Refresh>"))),
            E_FAIL, "", "" },
        { "ObserverWithoutRefresh", layout(collection(observerWindow(kWholeRect, ""))), E_INVALIDARG, "", "" },
        { "ObserverWithEmptyRefresh", layout(collection(observerWindow(kWholeRect, "<Refresh/>"))), E_INVALIDARG, "",
            "" },
        { "BadBackgroundWord",
            layout(collection(
                observerWindow(kWholeRect, "<Refresh>40</Refresh><Background><arg>xAlign=Left</arg></Background>"))),
            E_INVALIDARG, "Background: unrecognized argument: xAlign = Left", "Astreon Error" },
        { "BackgroundWithoutValue",
            layout(collection(
                observerWindow(kWholeRect, "<Refresh>40</Refresh><Background><arg>src=</arg></Background>"))),
            E_INVALIDARG, "Background : unrecognized argument (src)", "Parser Error" },
    };
}

class LayoutFaultTest : public LayoutLoaderTest, public testing::WithParamInterface<LayoutFault> { };

TEST_P(LayoutFaultTest, ReportedOnlyWhenAskedAndNothingReachesTheScreen)
{
    const LayoutFault& fault = GetParam();
    ASSERT_EQ(loadText(layout(collection(controlWindow(kWholeRect)))), S_OK);
    const ImageSourceCollection* onScreen = manager->committedCollection(0);
    const int windowsOnScreen = windowsOfManager();
    ASSERT_EQ(windowsOnScreen, 1);

    EXPECT_EQ(loadText(fault.content, 1), fault.result);
    if (fault.text.empty()) {
        EXPECT_EQ(recorder.count(), 0u);
    } else {
        ASSERT_EQ(recorder.count(), 1u);
        EXPECT_EQ(recorder.last().text, fault.text);
        EXPECT_EQ(recorder.last().caption, fault.caption);
        EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);
    }
    EXPECT_EQ(manager->committedCollection(0), onScreen);
    EXPECT_EQ(windowsOfManager(), windowsOnScreen);
    EXPECT_EQ(manager->loadedCount(), 0);
    EXPECT_EQ(manager->totalFailedLoads(), 1);
    EXPECT_EQ(manager->totalCommits(), 1);

    recorder.clear();
    EXPECT_EQ(loadText(fault.content, 0), fault.result);
    EXPECT_EQ(recorder.count(), 0u);
    EXPECT_EQ(manager->totalFailedLoads(), 2);
}

INSTANTIATE_TEST_SUITE_P(Faults, LayoutFaultTest, testing::ValuesIn(layoutFaults()),
    [](const testing::TestParamInfo<LayoutFault>& info) { return info.param.name; });

TEST_F(LayoutLoaderTest, FileWithoutLayoutShowsTwoMessages)
{
    EXPECT_EQ(loadText("<?xml version=\"1.0\"?><Screen/>"), E_FAIL);
    const std::vector<platform::ShownMessage> shown = recorder.messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "No layout present");
    EXPECT_EQ(shown[0].caption, "Error Parsing Layout");
    EXPECT_EQ(shown[1].text, "No Layout element found");
    EXPECT_EQ(shown[1].caption, "Layout Error");
    EXPECT_EQ(manager->message(), "No Layout element found");
    EXPECT_EQ(manager->totalFailedLoads(), 1);
}

TEST_F(LayoutLoaderTest, FileWithoutLayoutIsQuietWithoutReporting)
{
    EXPECT_EQ(loadText("<?xml version=\"1.0\"?><Screen/>", 0), E_FAIL);
    EXPECT_EQ(recorder.count(), 0u);
    EXPECT_EQ(manager->message(), "No Layout element found");
}

TEST_F(LayoutLoaderTest, MalformedFileIsReportedByTheXmlLayer)
{
    const HRESULT result = loadText("<Layout><ImageSourceCollection></Layout>");
    EXPECT_TRUE(FAILED(result));
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().caption, "Error Loading XML Document");
    EXPECT_EQ(manager->totalFailedLoads(), 1);
}

TEST_F(LayoutLoaderTest, MissingFileIsReportedByTheXmlLayer)
{
    EXPECT_EQ(manager->load("no-such.lay", 1), XmlDocument::kFileNotFound);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Your XML file wasn't found.");
    EXPECT_EQ(recorder.last().caption, "Error Loading XML Document");
}

TEST_F(LayoutLoaderTest, BinaryGarbageFailsCleanly)
{
    std::string garbage;
    for (int byte = 0; byte < 256; ++byte)
        garbage.push_back(static_cast<char>(byte));
    EXPECT_TRUE(FAILED(loadText(garbage + garbage, 0)));
    EXPECT_EQ(manager->totalFailedLoads(), 1);
    EXPECT_EQ(manager->loadedCount(), 0);
}

TEST_F(LayoutLoaderTest, DocumentWithAnotherRootNameIsNotALayout)
{
    // A Layout element that is not the document element is not found either.
    EXPECT_EQ(loadText("<Screen><Layout/></Screen>", 0), E_FAIL);
    EXPECT_EQ(manager->message(), "No Layout element found");
}

// A builder that makes plain image sources in place of the engine's kinds.
class PlainSourceBuilder : public ImageSourceBuilder {
public:
    explicit PlainSourceBuilder(std::vector<std::string>& typesMade)
        : typesMade_(typesMade)
    {
    }

protected:
    std::unique_ptr<ImageSource> makeSource(const std::string& typeName) override
    {
        typesMade_.push_back(typeName);
        return std::make_unique<ImageSource>();
    }

private:
    std::vector<std::string>& typesMade_;
};

TEST_F(LayoutLoaderTest, SourcesComeFromTheBuilderTheDisplayManagerWasGiven)
{
    std::vector<std::string> typesMade;
    manager = std::make_unique<DisplayManager>(std::make_unique<PlainSourceBuilder>(typesMade));
    attachHost();
    ASSERT_EQ(loadText(layout(
                  collection(controlWindow(kWholeRect)) + collection(controlWindow(kWholeRect), "PtolemyUniverse"))),
        S_OK);
    EXPECT_EQ(typesMade, (std::vector<std::string> { "KeplerUniverse", "PtolemyUniverse" }));
    ImageSource* source = nullptr;
    ASSERT_EQ(manager->committedCollection(1)->getSource(&source), S_OK);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(typeid(*source), typeid(ImageSource));
}

} // namespace
