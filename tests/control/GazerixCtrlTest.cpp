#include <gazerix/GazerixCtrl.h>

#include "control/ControlFormLoader.h"
#include "control/ControlProcessState.h"
#include "control/GazerixCtrlEngine.h"
#include "control/GazerixDesignerWidget.h"
#include "control/GazerixPropPage.h"
#include "control/GazerixServer.h"
#include "platform/Chooser.h"
#include "platform/HandlerScope.h"
#include "platform/Message.h"
#include "platform/Release.h"
#include "support/TestFiles.h"

#include <gazerix/GazerixClassFactory.h>
#include <gazerix/GazerixTypeLibrary.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr const char* kUniverseLayout = "AstreonLayouts/One Universe.lay";

class GazerixCtrlTest : public ::testing::Test {
protected:
    // The control switches the whole process to the earlier release: it is put back for
    // the other suites.
    ~GazerixCtrlTest() override { platform::setRelease(platform::Release::Current); }

    static QStringList buttonTexts(const GazerixCtrl& control)
    {
        QStringList texts;
        for (const QPushButton* button : GazerixCtrlEngine::of(control).displayWindow()->findChildren<QPushButton*>())
            texts << button->text();
        return texts;
    }

    platform::MessageRecorder recorder_;
};

} // namespace

TEST_F(GazerixCtrlTest, APathGivenBeforeCreationIsLoadedWhenTheDisplayWindowIsMade)
{
    GazerixCtrl control;
    control.resize(500, 400);
    control.LoadPage(QString(300, QLatin1Char('a')));
    EXPECT_EQ(ControlProcessState::pendingPath(&control), std::string(260, 'a')) << "cut to its first 260 bytes";
    control.LoadPage(QString());
    EXPECT_EQ(ControlProcessState::pendingPath(&control).size(), 260u) << "a missing string keeps nothing";
    control.LoadPage(QString::fromLatin1(kUniverseLayout));
    EXPECT_EQ(GazerixCtrlEngine::of(control).displayWindow(), nullptr);

    control.ensurePolished();

    ASSERT_TRUE(control.isCreated());
    EXPECT_EQ(GazerixCtrlEngine::of(control).displayWindow()->objectName(), QStringLiteral("Observer Window Display"));
    EXPECT_EQ(GazerixCtrlEngine::of(control).displayWindow()->size(), QSize(100, 80))
        << "a fifth of the control until the first resize";
    const QStringList buttons = buttonTexts(control);
    ASSERT_FALSE(buttons.isEmpty());
    EXPECT_EQ(buttons.front(), QStringLiteral("Init")) << "the earlier release's Restart";
    control.resize(640, 480);
    control.show(); // a hidden widget gets its size change when it shows
    EXPECT_EQ(GazerixCtrlEngine::of(control).displayWindow()->size(), QSize(640, 480));
}

TEST_F(GazerixCtrlTest, ABadPathIsSilentBeforeCreationAndReportedAfter)
{
    GazerixCtrl control;
    control.LoadPage(QStringLiteral("AstreonLayouts/No Such Layout.lay"));
    control.show();
    ASSERT_TRUE(control.isCreated());
    EXPECT_EQ(recorder_.count(), 0u) << "the pending path loads with messages off";

    control.LoadPage(QStringLiteral("AstreonLayouts/No Such Layout.lay"));
    ASSERT_EQ(recorder_.count(), 1u);
    EXPECT_EQ(recorder_.last().caption, "Error Loading XML Document");
}

// The original let the first control's destruction delete the display manager that a
// second control had made, leaving the second one with a destroyed manager; each control
// now destroys only its own.
TEST_F(GazerixCtrlTest, ASecondControlTakesOverAndOutlivesTheFirst)
{
    auto first = std::make_unique<GazerixCtrl>();
    first->show();
    GazerixCtrl second;
    second.resize(600, 400);
    second.show();
    EXPECT_EQ(ControlProcessState::currentControl(), &second);

    first.reset();
    ASSERT_NE(ControlProcessState::displayManager(), nullptr);
    first = std::make_unique<GazerixCtrl>();
    first->LoadPage(QString::fromLatin1(kUniverseLayout));
    EXPECT_FALSE(buttonTexts(second).isEmpty()) << "LoadPage goes to the current control's display manager";
    EXPECT_EQ(recorder_.count(), 0u);
}

// When the current control goes, a surviving one takes over: its LoadPage loads at once
// instead of waiting for the next control; a pending path belongs to the control that got it.
TEST_F(GazerixCtrlTest, ASurvivingControlTakesOverWhenTheCurrentOneGoes)
{
    ASSERT_EQ(ControlProcessState::displayManager(), nullptr);
    auto neverShown = std::make_unique<GazerixCtrl>();
    neverShown->LoadPage(QString::fromLatin1(kUniverseLayout)); // kept: no display manager yet
    neverShown.reset();
    GazerixCtrl first;
    first.resize(600, 400);
    first.show();
    EXPECT_TRUE(buttonTexts(first).isEmpty()) << "no path of another control's";

    auto second = std::make_unique<GazerixCtrl>();
    second->show();
    second.reset();
    EXPECT_EQ(ControlProcessState::currentControl(), &first);
    first.LoadPage(QString::fromLatin1(kUniverseLayout));
    EXPECT_FALSE(buttonTexts(first).isEmpty()) << "loaded at once into the surviving control";
    EXPECT_EQ(recorder_.count(), 0u);
}

TEST_F(GazerixCtrlTest, AFormNamingTheControlGetsItFromTheDesignerInterface)
{
    GazerixDesignerWidget designer;
    ControlFormLoader loader(designer);
    QByteArray form = "<ui version=\"4.0\"><class>Page</class><widget class=\"QWidget\" name=\"Page\">"
                      "<layout class=\"QVBoxLayout\" name=\"layout\"><item>"
                      "<widget class=\"GazerixCtrl\" name=\"sky\"/></item></layout></widget></ui>";
    QBuffer buffer(&form);
    buffer.open(QIODevice::ReadOnly);

    const std::unique_ptr<QWidget> page(loader.load(&buffer));

    ASSERT_NE(page, nullptr);
    auto* const control = page->findChild<GazerixCtrl*>(QStringLiteral("sky"));
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(QMetaObject::invokeMethod(control, "LoadPage", Q_ARG(QString, QString())));
}

// uic writes the include file that Designer names into the code of every form using the
// control: it must be a header the control installs.
TEST_F(GazerixCtrlTest, DesignerNamesThePublicHeaderForCompiledForms)
{
    const std::filesystem::path header
        = std::filesystem::path(GAZERIX_PUBLIC_INCLUDE_DIR) / GazerixDesignerWidget().includeFile().toStdString();
    EXPECT_TRUE(std::filesystem::is_regular_file(header)) << header;
}

TEST_F(GazerixCtrlTest, TheClassObjectsMakeTheControlAndItsGeneralPage)
{
    void* object = nullptr;
    EXPECT_EQ(GazerixServer::getClassObject("{00000000-0000-0000-0000-000000000000}", "IClassFactory", &object),
        GazerixServer::kClassNotAvailable);
    EXPECT_EQ(GazerixServer::getClassObject(gazerix::kPageClassId, "IUnknown", &object), GazerixServer::kNoInterface);
    EXPECT_EQ(object, nullptr);
    ASSERT_EQ(GazerixServer::getClassObject(gazerix::kPageClassId, "IClassFactory", &object), S_OK);

    const std::unique_ptr<QWidget> page(static_cast<GazerixClassFactory*>(object)->createInstance(nullptr));
    EXPECT_EQ(page->windowTitle(), QStringLiteral("General"));
    const QList<QLabel*> labels = page->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->text(),
        QStringLiteral("TODO: Place controls to manipulate properties of Gazerix Control on this dialog."));

    EXPECT_EQ(GazerixServer::canUnloadNow(), S_OK);
    ASSERT_EQ(GazerixServer::getClassObject(gazerix::kControlClassId, "IClassFactory", &object), S_OK);
    const std::unique_ptr<QWidget> control(static_cast<GazerixClassFactory*>(object)->createInstance(nullptr));
    EXPECT_NE(qobject_cast<GazerixCtrl*>(control.get()), nullptr);
    EXPECT_EQ(GazerixServer::canUnloadNow(), S_FALSE) << "a control still exists";
}

namespace {

// Stands for a modal dialog or message box: a nested loop during which the host's timer
// deletes its control; then it returns as the dialog would.
class HostDeletingUnderModals : public platform::MessageSink, public platform::Chooser {
public:
    explicit HostDeletingUnderModals(std::unique_ptr<GazerixCtrl>& control)
        : control_(control)
    {
    }

    void show(const platform::ShownMessage&) override { hostDeletes(); }
    std::optional<std::string> chooseFile(const platform::FileDialogRequest&) override
    {
        hostDeletes();
        return std::string(SKYLOOM_DATA_DIR) + "/AstreonFiles/Mars.ptu";
    }
    std::optional<std::uint32_t> chooseColour(QWidget*, std::uint32_t) override { return std::nullopt; }

    int deletions = 0;

private:
    void hostDeletes()
    {
        platform::HandlerScope loop(platform::HandlerScope::Kind::NestedLoop);
        deletions += control_ ? 1 : 0;
        control_.reset();
    }

    std::unique_ptr<GazerixCtrl>& control_;
};

} // namespace

// A host may drop its control at any moment (a page navigates away), also under the
// engine's own file dialog or message box: the engine's code after the dialog must not
// touch what the control owned (the layout goes once the dialog has returned).
TEST_F(GazerixCtrlTest, AHostDeletingTheControlUnderItsDialogsLeavesNothingDangling)
{
    auto control = std::make_unique<GazerixCtrl>();
    HostDeletingUnderModals host(control);
    platform::ScopedChooser chooserScope(host);
    const auto showLayout = [&] {
        control = std::make_unique<GazerixCtrl>();
        control->resize(600, 400);
        control->show();
        control->LoadPage(QString::fromLatin1(kUniverseLayout));
        return QPointer<QWidget>(GazerixCtrlEngine::of(*control).displayWindow());
    };

    // The universe's Load button: deleted under the file dialog.
    QPointer<QWidget> display = showLayout();
    QPushButton* load = nullptr;
    for (QPushButton* button : display->findChildren<QPushButton*>())
        load = button->text() == QStringLiteral("Load") ? button : load;
    ASSERT_NE(load, nullptr);
    load->click();
    EXPECT_EQ(host.deletions, 1);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(display.isNull()) << "the layout goes once the dialog has returned";

    // LoadPage of a bad file: deleted under the message box.
    display = showLayout();
    platform::MessageSink* const previous = platform::setMessageSink(&host);
    control->LoadPage(QStringLiteral("AstreonLayouts/No Such Layout.lay"));
    platform::setMessageSink(previous);
    EXPECT_EQ(host.deletions, 2);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(display.isNull());
    EXPECT_EQ(GazerixCtrlEngine::liveCount(), 0);
}

// A file name that is not valid UTF-8 (ISO 8859-1's "é" as one byte) loads as the program
// loads it: by its bytes.
TEST_F(GazerixCtrlTest, LoadPageTakesAFileNameThatIsNotUtf8)
{
    testing_support::TemporaryFolder folder;
    const std::string path = folder.file("Caf\xE9.lay");
    std::filesystem::copy_file(std::string(SKYLOOM_DATA_DIR) + "/" + kUniverseLayout, path);
    GazerixCtrl control;
    control.resize(600, 400);
    control.show();
    ASSERT_TRUE(control.isCreated());

    control.LoadPage(QByteArray::fromStdString(path));

    EXPECT_EQ(recorder_.count(), 0u) << recorder_.last().text;
    EXPECT_FALSE(buttonTexts(control).isEmpty());
}
