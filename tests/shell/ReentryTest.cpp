// Layout changes asked for while a command handler or its dialog is on the stack: the
// dialog's own event loop runs timers (the demonstration's among them), and a load that
// ran there would destroy the control window, its buttons and the source whose command
// is still running. These tests drive that path with a chooser that spins the event loop.
#include "shell/MainWindow.h"

#include "display/DisplayManager.h"
#include "platform/Chooser.h"
#include "platform/HandlerScope.h"
#include "platform/Message.h"
#include "shell/DemoRoot.h"
#include "shell/InitialLayoutPath.h"
#include "windows/ControlWindow.h"
#include "windows/EventWait.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QEventLoop>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using testing_support::DemoRoot;
using testing_support::processEventsUntil;

namespace {

constexpr const char* kUniverseLayout = "AstreonLayouts/Universe.lay";

std::string universeLayout()
{
    return "<Layout><ImageSourceCollection><ImageSource><type>PtolemyUniverse</type></ImageSource>"
           "<Windows><ObserverWindow><ScreenRect><left>0</left><top>0</top><right>0.7</right><bottom>1</bottom>"
           "</ScreenRect><Refresh>15</Refresh></ObserverWindow>"
           "<ControlWindow><ScreenRect><left>0.7</left><top>0</top><right>1</right><bottom>1</bottom>"
           "</ScreenRect></ControlWindow></Windows></ImageSourceCollection></Layout>";
}

// Runs `duringDialog` inside a nested event loop, as a modal dialog would, then cancels.
class SpinningChooser : public platform::Chooser {
public:
    std::function<void()> duringDialog;

    std::optional<std::string> chooseFile(const platform::FileDialogRequest&) override
    {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [this, &loop] {
            if (duringDialog)
                duringDialog();
            loop.quit();
        });
        loop.exec();
        return std::nullopt;
    }
    std::optional<std::uint32_t> chooseColour(QWidget*, std::uint32_t) override { return std::nullopt; }
};

ControlWindow* firstControlWindow()
{
    for (WindowRecord* record : WindowRegistry::instance().records()) {
        if (auto* control = qobject_cast<ControlWindow*>(record->window()))
            return control;
    }
    return nullptr;
}

class ReentryTest : public testing::Test {
protected:
    void SetUp() override
    {
        root.folder().write(kUniverseLayout, universeLayout());
        setInitialLayoutPath(kUniverseLayout);
        window = std::make_unique<MainWindow>();
        control = firstControlWindow();
        ASSERT_TRUE(control);
    }
    void TearDown() override { setInitialLayoutPath(""); }

    // Presses the universe's "Load" button as a user would: the click handler is on the stack.
    void pressLoad() { control->button(2)->click(); }

    platform::MessageRecorder recorder;
    DemoRoot root;
    SpinningChooser chooser;
    platform::ScopedChooser installed { chooser };
    std::unique_ptr<MainWindow> window;
    QPointer<ControlWindow> control;
};

TEST_F(ReentryTest, LoadInsideAControlWindowsDialogWaitsUntilTheCommandHasReturned)
{
    const int demoLayout = 3;
    bool controlSurvivedTheDialog = false;
    chooser.duringDialog = [&] {
        EXPECT_TRUE(platform::HandlerScope::active());
        EXPECT_EQ(window->displayManager()->load(MainWindow::demoLayoutPath(demoLayout), 0), S_FALSE);
        // Let any posted work run inside the dialog, as a real dialog's loop would.
        processEventsUntil([] { return false; }, 30);
        controlSurvivedTheDialog = !control.isNull();
    };

    pressLoad();

    EXPECT_TRUE(controlSurvivedTheDialog) << "the layout must not change under the dialog";
    ASSERT_TRUE(processEventsUntil([&] { return control.isNull(); })) << "the load runs once the command has returned";
    EXPECT_EQ(window->displayManager()->appliedColour(), DemoRoot::colourOf(demoLayout));
    EXPECT_FALSE(window->displayManager()->hasPendingChange());
}

TEST_F(ReentryTest, DemonstrationTicksInsideADialogAreSkippedAndTheLatestRequestWins)
{
    window->onCommand(kStartPoundingCommand);
    const std::int32_t indexBefore = window->demoIndex();
    chooser.duringDialog = [&] {
        window->onDemoTimer();
        EXPECT_EQ(window->demoIndex(), indexBefore) << "a tick inside a dialog is skipped";
        window->onCommand(kReloadCommand);
        window->displayManager()->load(MainWindow::demoLayoutPath(5), 0);
    };

    pressLoad();
    window->onCommand(kStopPoundingCommand);

    ASSERT_TRUE(processEventsUntil([&] { return control.isNull(); }));
    EXPECT_EQ(window->displayManager()->appliedColour(), DemoRoot::colourOf(5));
    EXPECT_EQ(window->displayManager()->totalLoads(), 2) << "the initial load and the one that waited";
}

TEST_F(ReentryTest, ClosingTheMainWindowDuringADialogWaitsForIt)
{
    chooser.duringDialog = [&] { window->close(); };

    pressLoad();

    EXPECT_FALSE(control.isNull()) << "nothing of the layout went while its command ran";
    ASSERT_TRUE(processEventsUntil([&] { return window->displayManager() == nullptr; }));
    EXPECT_TRUE(control.isNull());
}

} // namespace
