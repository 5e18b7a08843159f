// Layout > Recent as a person works it: the layouts opened come first, at most eight, each
// under its number; the list outlives the window; a layout whose file is gone is said to be
// gone and taken off, and the layout on screen stays.
#include "shell/RecentLayouts.h"

#include "display/DisplayManager.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "shell/DemoRoot.h"
#include "shell/InitialLayoutPath.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <gtest/gtest.h>

#include <filesystem>

using testing_support::DemoRoot;

namespace {

// Each test starts with no recent layouts.
class RecentLayoutsTest : public testing::Test {
protected:
    void SetUp() override { QSettings(QSettings::IniFormat, QSettings::UserScope, "Astreon", "skyloom").clear(); }

    // The demonstration layout `index` as the list names it.
    QString demo(int index) const
    {
        return QFileInfo(QString::fromStdString(root.folder().file(MainWindow::demoLayoutPath(index))))
            .absoluteFilePath();
    }

    // Opens `path` with Layout > Load.
    static void load(MainWindow& window, platform::ScriptedChooser& chooser, const std::string& path)
    {
        chooser.answerFile(path);
        window.onCommand(kLoadCommand);
    }

    // The entries Layout > Recent shows, as the menu reads them.
    static QStringList shownEntries(MainWindow& window)
    {
        QStringList shown;
        for (const QAction* menu : window.menuBar()->actions())
            for (const QAction* item : menu->menu() ? menu->menu()->actions() : QList<QAction*>())
                if (item->menu() && item->menu()->title() == "Recen&t")
                    for (const QAction* entry : item->menu()->actions())
                        if (entry->isVisible())
                            shown << entry->text();
        return shown;
    }

    DemoRoot root;
    platform::ScriptedChooser chooser;
    platform::ScopedChooser installed { chooser };
};

} // namespace

TEST_F(RecentLayoutsTest, TheLastEightOpenedComeFirstUnderTheirNumbersAndOutliveTheWindow)
{
    setInitialLayoutPath(MainWindow::demoLayoutPath(0));
    {
        MainWindow window;
        for (int index = 1; index < MainWindow::kDemoLayoutCount; ++index)
            load(window, chooser, MainWindow::demoLayoutPath(index));
        load(window, chooser, root.folder().write("AstreonLayouts/Extra & More.lay", DemoRoot::colourLayout(0)));
        load(window, chooser, MainWindow::demoLayoutPath(2));
        EXPECT_EQ(window.recentLayouts()->paths().size(), RecentLayouts::kMostEntries);
        EXPECT_EQ(window.recentLayouts()->paths().front(), demo(2)) << "opened again: first, once";
        EXPECT_EQ(window.recentLayouts()->paths().back(), demo(0));
        const QStringList shown = shownEntries(window);
        ASSERT_EQ(shown.size(), RecentLayouts::kMostEntries);
        EXPECT_EQ(shown[0], "&1 " + QFileInfo(demo(2)).fileName());
        EXPECT_EQ(shown[1], "&2 Extra && More.lay");
    }

    const std::string newest = root.folder().write("AstreonLayouts/Newest.lay", DemoRoot::colourLayout(0));
    setInitialLayoutPath(newest.c_str());
    MainWindow again;
    const QStringList kept = again.recentLayouts()->paths();
    EXPECT_EQ(kept.front().toStdString(), newest) << "the layout the program started on";
    EXPECT_EQ(kept[1], demo(2));
    EXPECT_FALSE(kept.contains(demo(0))) << "the ninth goes";
    EXPECT_EQ(kept.size(), RecentLayouts::kMostEntries);

    EXPECT_TRUE(again.recentLayouts()->open(1));
    EXPECT_EQ(again.displayManager()->appliedColour(), DemoRoot::colourOf(2));
    EXPECT_EQ(again.recentLayouts()->paths().front(), demo(2));
}

TEST_F(RecentLayoutsTest, ALayoutWhoseFileIsGoneIsSaidAndTakenOff)
{
    platform::MessageRecorder messages;
    setInitialLayoutPath(MainWindow::demoLayoutPath(1));
    MainWindow window;
    const std::string gone = root.folder().write("AstreonLayouts/Gone.lay", DemoRoot::colourLayout(0));
    load(window, chooser, gone);
    load(window, chooser, MainWindow::demoLayoutPath(3));
    std::filesystem::remove(gone);

    EXPECT_FALSE(window.recentLayouts()->open(1));

    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().caption, "Recent");
    EXPECT_EQ(messages.last().text,
        QFileInfo(QString::fromStdString(gone)).absoluteFilePath().toStdString()
            + " is no longer there; it is taken off the Recent list.");
    EXPECT_EQ(window.recentLayouts()->paths(), QStringList({ demo(3), demo(1) }));
    EXPECT_EQ(window.displayManager()->appliedColour(), DemoRoot::colourOf(3)) << "the layout on screen stays";
}
