#include "control/GazerixCtrl.h"

#include "control/ControlFormLoader.h"
#include "control/ControlProcessState.h"
#include "control/GazerixDesignerWidget.h"
#include "control/GazerixPropPage.h"
#include "control/GazerixServer.h"
#include "control/GazerixTypeLibrary.h"
#include "platform/Message.h"
#include "platform/Release.h"

#include <QBuffer>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr const char* kUniverseLayout = "AstreonLayouts/One Universe.lay";

class GazerixCtrlTest : public ::testing::Test {
protected:
    // The control switches the whole process to the earlier release and keeps a pending
    // path for the process: both are put back for the other suites.
    ~GazerixCtrlTest() override
    {
        platform::setRelease(platform::Release::Current);
        ControlProcessState::setPendingPath("");
    }

    static QStringList buttonTexts(const GazerixCtrl& control)
    {
        QStringList texts;
        for (const QPushButton* button : control.displayWindow()->findChildren<QPushButton*>())
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
    EXPECT_EQ(ControlProcessState::pendingPath(), std::string(260, 'a')) << "cut to its first 260 bytes";
    control.LoadPage(QString());
    EXPECT_EQ(ControlProcessState::pendingPath().size(), 260u) << "a missing string keeps nothing";
    control.LoadPage(QString::fromLatin1(kUniverseLayout));
    EXPECT_EQ(control.displayWindow(), nullptr);

    control.ensurePolished();

    ASSERT_TRUE(control.isCreated());
    EXPECT_EQ(control.displayWindow()->objectName(), QStringLiteral("Observer Window Display"));
    EXPECT_EQ(control.displayWindow()->size(), QSize(100, 80)) << "a fifth of the control until the first resize";
    const QStringList buttons = buttonTexts(control);
    ASSERT_FALSE(buttons.isEmpty());
    EXPECT_EQ(buttons.front(), QStringLiteral("Init")) << "the earlier release's Restart";
    control.resize(640, 480);
    control.show(); // a hidden widget gets its size change when it shows
    EXPECT_EQ(control.displayWindow()->size(), QSize(640, 480));
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
