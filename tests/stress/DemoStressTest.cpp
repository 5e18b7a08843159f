// A thousand layout loads in the demonstration order, each as soon as the layout before it
// has shown itself: every layout's clocks tick from the moment its sources are built while
// its windows paint, and the next load stops them and destroys all of it. Under
// ThreadSanitizer this is the race and lock-order check of the whole engine; in every build
// it checks that nothing of a replaced layout stays behind.
#include "display/DisplayManager.h"
#include "display/ImageSourceCollection.h"
#include "host/EngineStartup.h"
#include "imagesource/ImageSource.h"
#include "platform/Message.h"
#include "shell/InitialLayoutPath.h"
#include "shell/MainWindow.h"
#include "support/RegistryOverride.h"
#include "support/TestFiles.h"
#include "windows/EventWait.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int kLoads = 1000;
// How long one layout may take to show itself before the run counts as stuck.
constexpr int kShowLimitMilliseconds = 10000;

// The shipped content, found as the program finds it: through a registry file naming the
// data folder as the root directory.
class ShippedContent {
public:
    ShippedContent() = default;
    ShippedContent(const ShippedContent&) = delete;
    ShippedContent& operator=(const ShippedContent&) = delete;

private:
    testing_support::TemporaryFolder folder_;
    testing_support::RegistryOverride registry_ { folder_.write(
        "registry.ini", "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=\"" SKYLOOM_DATA_DIR "\"\n") };
};

// Every observer window on screen has rendered its source, and the animated ones have done
// so after their clock ticked, so each layout is drawn while its clocks run.
bool everyWindowHasShownItsSource()
{
    for (WindowRecord* record : WindowRegistry::instance().records()) {
        if (!record->isObserver())
            continue;
        const bool animated = record->imageSource->GetGeneration() != 0;
        if (!record->bufferDrawn || (animated && record->lastDrawn <= 0))
            return false;
    }
    return true;
}

// The windows the layout on screen describes; the registry must hold these and no others.
int windowsOfCommittedLayout(DisplayManager& manager)
{
    int windows = 0;
    for (std::int32_t index = 0; index < manager.committedCount(); ++index)
        windows += manager.committedCollection(index)->windowCount();
    return windows;
}

} // namespace

TEST(DemoStress, AThousandLoadsInTheDemonstrationOrderLeaveOnlyTheLastLayout)
{
    const ShippedContent content;
    ASSERT_NE(EngineStartup::start(), nullptr) << "the resource library must load";
    platform::MessageRecorder messages;
    setInitialLayoutPath(MainWindow::demoLayoutPath(0));
    {
        MainWindow window;
        window.show();
        DisplayManager& manager = *window.displayManager();
        window.onCommand(kStartPoundingCommand);
        for (int load = 0; load < kLoads; ++load) {
            ASSERT_TRUE(testing_support::processEventsUntil(everyWindowHasShownItsSource, kShowLimitMilliseconds))
                << "layout " << MainWindow::demoLayoutPath(window.demoIndex()) << " at load " << load;
            window.onDemoTimer();
        }

        // The demonstration timer may have added loads of its own meanwhile.
        EXPECT_GE(manager.totalLoads(), 1 + kLoads);
        EXPECT_EQ(manager.totalFailedLoads(), 0);
        EXPECT_EQ(messages.count(), 0u) << messages.messages().front().text;
        EXPECT_EQ(WindowRegistry::instance().recordCount(), windowsOfCommittedLayout(manager));
        window.close();
    }
    EXPECT_EQ(WindowRegistry::instance().recordCount(), 0);
}
