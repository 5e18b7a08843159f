#include "scripting/ScriptRunner.h"

#include "dialogs/DialogRuntime.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/TemplateDialog.h"
#include "display/DisplayManager.h"
#include "platform/Chooser.h"
#include "shell/MainWindow.h"
#include "support/TestFiles.h"
#include "windows/EventWait.h"
#include "windows/RecordingImageSource.h"
#include "windows/WindowFactory.h"
#include "windows/WindowTestSupport.h"

#include <QImage>

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using testing_support::controlSpec;
using testing_support::observerSpec;
using testing_support::RecordingImageSource;

namespace {

class ScriptRunnerTest : public ::testing::Test {
protected:
    ~ScriptRunnerTest() override { WindowRegistry::instance().removeAllWindows(); }

    // Runs `text` as a script and waits until it has finished.
    bool run(const std::string& text)
    {
        const ParsedScript script = parseScript(text);
        for (const std::string& error : script.errors)
            errors_ << error << '\n';
        runner_.start(script.steps);
        return testing_support::processEventsUntil([&] { return runner_.isFinished(); });
    }

    MainWindow window_ { [] { return std::unique_ptr<DisplayManager>(); } };
    platform::ScriptedChooser chooser_;
    std::ostringstream errors_;
    ScriptRunner runner_ { window_, chooser_, errors_ };
    RecordingImageSource source_;
};

// A source whose button opens the cycle properties template as a modal dialog: OK (1)
// ends it with the radius edit's text kept; the script's dialog steps work it.
class DialogOpeningSource : public RecordingImageSource {
public:
    HRESULT OnCommand(QWidget* window, std::uintptr_t, std::intptr_t) override
    {
        testing_support::RecordingProcedure procedure;
        procedure.onCommand = [this](dialogs::TemplateDialog& dialog, int id, int) {
            if (id == 1) {
                radius = dialog.text(1006);
                dialog.end(1);
            }
        };
        procedure.onClose = [this](dialogs::TemplateDialog&) { ++closeRequests; };
        result = dialogs::DialogRuntime::run(
            testing_support::shippedResources(), "PtOrbitDialog", window, procedure, window)
                     .result;
        return S_OK;
    }

    std::string radius;
    int closeRequests = 0;
    int result = -2;
};

} // namespace

TEST_F(ScriptRunnerTest, DialogStepsWorkTheModalDialogThatAStepOpened)
{
    DialogOpeningSource opener;
    opener.setButtons({ { 0, "Edit" } });
    ASSERT_EQ(createWindow(window_.host(), controlSpec(&opener)), S_OK);
    testing_support::TemporaryFolder folder;
    const std::string picture = folder.file("orbit.png");

    ASSERT_TRUE(run("press 0 Edit\ndialog close\ndialog 1006 text 2.5\ndialog-shot " + picture
        + "\ndialog 4242 click\ndialog 1 click\ndialog close\n"));

    EXPECT_EQ(opener.closeRequests, 1) << "Escape goes to the procedure, which kept the dialog open";
    EXPECT_EQ(opener.radius, "2.5");
    EXPECT_EQ(opener.result, 1);
    EXPECT_FALSE(QImage(QString::fromStdString(picture)).isNull());
    EXPECT_NE(errors_.str().find("control 4242 cannot click"), std::string::npos) << errors_.str();
    EXPECT_NE(errors_.str().find("no dialog is open"), std::string::npos) << "the last step found none";
}

TEST_F(ScriptRunnerTest, WindowsAreNumberedInTheOrderTheyWereCreated)
{
    ASSERT_EQ(createWindow(window_.host(), observerSpec(&source_)), S_OK);
    ASSERT_EQ(createWindow(window_.host(), controlSpec(&source_)), S_OK);
    ASSERT_EQ(createWindow(window_.host(), observerSpec(&source_)), S_OK);
    const auto newestFirst = WindowRegistry::instance().records();

    EXPECT_EQ(ScriptRunner::layoutWindow(window_.host(), 0), newestFirst.back()->window());
    EXPECT_EQ(ScriptRunner::layoutWindow(window_.host(), 2), newestFirst.front()->window());
    EXPECT_EQ(ScriptRunner::layoutWindow(window_.host(), 3), nullptr);
    EXPECT_EQ(ScriptRunner::layoutWindow(window_.host(), -1), nullptr);
}

TEST_F(ScriptRunnerTest, PressClicksTheLabelledButtonOfTheNumberedWindow)
{
    source_.setButtons({ { 0, "Load" }, { 0, "Sync" }, { 0, "x Align" } });
    ASSERT_EQ(createWindow(window_.host(), observerSpec(&source_)), S_OK);
    ASSERT_EQ(createWindow(window_.host(), controlSpec(&source_)), S_OK);

    ASSERT_TRUE(run("press 1 x Align\npress 1 Sync\n"));

    ASSERT_EQ(source_.commands.size(), 2u);
    EXPECT_EQ(source_.commands[0].wparam, 2u);
    EXPECT_EQ(source_.commands[0].window, ScriptRunner::layoutWindow(window_.host(), 1));
    EXPECT_EQ(source_.commands[1].wparam, 1u);
    EXPECT_TRUE(errors_.str().empty()) << errors_.str();
}

TEST_F(ScriptRunnerTest, StepsThatCannotBeDoneAreReportedAndTheScriptGoesOn)
{
    source_.setButtons({ { 0, "Load" } });
    ASSERT_EQ(createWindow(window_.host(), observerSpec(&source_)), S_OK);
    ASSERT_EQ(createWindow(window_.host(), controlSpec(&source_)), S_OK);

    ASSERT_TRUE(run("press 5 Load\npress 0 Load\npress 1 Save\nnonsense\nmenu 40003\n"));

    const std::string reported = errors_.str();
    EXPECT_NE(reported.find("line 1"), std::string::npos) << reported;
    EXPECT_NE(reported.find("line 2"), std::string::npos) << "an observer window has no buttons";
    EXPECT_NE(reported.find("line 3"), std::string::npos);
    EXPECT_NE(reported.find("line 4"), std::string::npos);
    EXPECT_TRUE(source_.commands.empty());
    EXPECT_TRUE(window_.isPounding()) << "the last step still ran";
}

TEST_F(ScriptRunnerTest, MenuWaitAndAnswerStepsRunInOrder)
{
    ASSERT_TRUE(run("menu 40003\nwait 5\nanswer-file AstreonFiles/a b.ptu\nanswer-cancel\n"));

    EXPECT_TRUE(window_.isPounding());
    EXPECT_EQ(chooser_.pendingAnswers(), 2u);
    // A relative answer names a file under the folder the program was started in.
    EXPECT_EQ(chooser_.chooseFile({}), (std::filesystem::current_path() / "AstreonFiles/a b.ptu").string());
    EXPECT_EQ(chooser_.chooseFile({}), std::nullopt);
}

TEST_F(ScriptRunnerTest, ScreenshotWritesAPictureOfTheMainWindow)
{
    testing_support::TemporaryFolder folder;
    const std::string path = folder.file("shot.png");
    window_.show();

    ASSERT_TRUE(run("screenshot " + path + "\nscreenshot " + folder.file("no/such/folder/shot.png") + "\n"));

    QImage shot;
    ASSERT_TRUE(shot.load(QString::fromStdString(path)));
    EXPECT_EQ(shot.size(), window_.size());
    EXPECT_NE(errors_.str().find("line 2"), std::string::npos) << "an unwritable screenshot is reported";
}

TEST_F(ScriptRunnerTest, QuitClosesTheMainWindowAndEndsTheScript)
{
    window_.show();
    bool finishedSignal = false;
    QObject::connect(&runner_, &ScriptRunner::finished, [&] { finishedSignal = true; });

    ASSERT_TRUE(run("menu 40003\nquit\nmenu 40004\n"));

    EXPECT_TRUE(finishedSignal);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_TRUE(window_.isPounding()) << "no step runs after quit";
}
