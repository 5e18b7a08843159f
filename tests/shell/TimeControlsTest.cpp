// The time controls of the whole screen, through the main window's commands and steps,
// on a shipped layout whose universe is matched against dated observations.
#include "shell/TimeControls.h"

#include "display/DisplayManager.h"
#include "imagesource/ClockDrivenSource.h"
#include "platform/Message.h"
#include "scripting/ScriptRunner.h"
#include "shell/MainWindow.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

namespace {

class TimeControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(window.displayManager()->load("AstreonLayouts/Mars Against The Sky.lay", 1), S_OK);
        window.timeControls()->refresh();
    }

    ClockDrivenSource& firstSource() { return *window.displayManager()->animatedSources().front(); }

    bool runStep(const std::string& name, const std::string& word, std::string& problem)
    {
        return window.runProgramStep(name, { word }, problem);
    }

    // The layout's button labelled `label`, in whichever control window has it.
    QPushButton* button(const QString& label) const
    {
        for (int index = 0; QWidget* const shown = ScriptRunner::layoutWindow(window.host(), index); ++index)
            if (QPushButton* const found = ScriptRunner::findButton(shown, label))
                return found;
        return nullptr;
    }

    QString spokenTimeLabel() const
    {
        return QAccessible::queryAccessibleInterface(window.menuBar()->cornerWidget())->text(QAccessible::Name);
    }

    platform::MessageRecorder recorder;
    MainWindow window;
};

TEST_F(TimeControlsTest, GoToDateShowsThatDayInTheTimeLabelAndRefusesDaysOutsideTheObservations)
{
    std::string problem;
    ASSERT_TRUE(runStep("goto", "2020-10-13", problem)) << problem;
    EXPECT_TRUE(window.modelTimeText().endsWith(QStringLiteral("(2020-10-13)")))
        << window.modelTimeText().toStdString();
    EXPECT_TRUE(spokenTimeLabel().contains(QStringLiteral("2020-10-13"))) << "screen readers hear the day too";
    const std::optional<TimeControls::DateSpan> span = window.timeControls()->observedDates();
    ASSERT_TRUE(span);
    EXPECT_EQ(span->shown, QDate(2020, 10, 13));
    EXPECT_EQ(window.timeControls()->slider()->value(), span->first.daysTo(span->shown));
    EXPECT_TRUE(window.timeControls()->readoutText().startsWith(QStringLiteral("Mars: model \u2212 observed ")))
        << window.timeControls()->readoutText().toStdString();

    const double time = firstSource().modelTime();
    EXPECT_FALSE(runStep("goto", "1900-01-01", problem));
    EXPECT_NE(problem.find("lies outside the observations"), std::string::npos) << problem;
    EXPECT_FALSE(runStep("goto", "2020-13-45", problem));
    EXPECT_EQ(firstSource().modelTime(), time) << "a refused day moves nothing";
    EXPECT_EQ(recorder.count(), 0u) << "a script's refusal is reported, not shown in a box";
}

TEST_F(TimeControlsTest, PauseAllHoldsEveryUniverseAndTheStepsMoveItOneFrame)
{
    window.onCommand(kPauseAllCommand);
    EXPECT_TRUE(firstSource().paused());
    EXPECT_EQ(window.commandAction(kPauseAllCommand)->text(), QStringLiteral("&Resume All"));
    EXPECT_NE(button(QStringLiteral("Resume")), nullptr) << "its Pause button tells it";

    const double time = firstSource().modelTime();
    const double step = firstSource().frameStep();
    window.onCommand(kStepForwardsCommand);
    window.onCommand(kStepForwardsCommand);
    window.onCommand(kStepBackwardsCommand);
    EXPECT_NEAR(firstSource().modelTime(), time + step, 1e-12);
    EXPECT_TRUE(firstSource().paused());

    window.onCommand(kPauseAllCommand);
    EXPECT_FALSE(firstSource().paused());
    EXPECT_NE(button(QStringLiteral("Pause")), nullptr);
    EXPECT_EQ(window.commandAction(kPauseAllCommand)->text(), QStringLiteral("&Pause All"));
}

TEST_F(TimeControlsTest, ResumeAllLeavesAUniverseTheStudentPausedAlone)
{
    QPushButton* const pause = button(QStringLiteral("Pause"));
    ASSERT_NE(pause, nullptr);
    pause->click();
    window.onCommand(kPauseAllCommand);
    window.onCommand(kPauseAllCommand);
    EXPECT_TRUE(firstSource().paused());
}

} // namespace
