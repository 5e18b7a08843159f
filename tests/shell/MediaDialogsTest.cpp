// Layout > Export Picture and Layout > Record Animation worked as a person would: the
// window chosen from the list, the file through the Save As dialog, OK; a recording shows
// its progress, and the main window waits for it before it closes.
#include "display/DisplayManager.h"
#include "platform/Chooser.h"
#include "shell/MainWindow.h"
#include "shell/MediaCommands.h"
#include "shell/MediaDialog.h"
#include "support/TestFiles.h"
#include "windows/EventWait.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

class MediaDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(window.displayManager()->load("AstreonLayouts/PtolemyUniverse.lay", 1), S_OK);
        window.show();
    }

    // Sends `command` and works its dialog with `fill` once it is open; then presses OK.
    void runDialog(int command, const std::function<void(MediaDialog&)>& fill)
    {
        bool seen = false;
        QTimer::singleShot(0, &window, [&] {
            auto* const dialog = qobject_cast<MediaDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            seen = true;
            fill(*dialog);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        window.commandAction(command)->trigger();
        EXPECT_TRUE(seen);
    }

    // Every control of the dialog is named for screen readers and reached through a mnemonic.
    static void expectReachable(const MediaDialog& dialog)
    {
        for (const QWidget* control : dialog.findChildren<QWidget*>()) {
            const bool input = qobject_cast<const QComboBox*>(control) || qobject_cast<const QLineEdit*>(control)
                || qobject_cast<const QDoubleSpinBox*>(control);
            if (input && control->parent() == &dialog) {
                EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
            }
        }
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text().contains('&')) {
                EXPECT_TRUE(label->buddy()) << label->text().toStdString();
            }
        }
        EXPECT_LE(dialog.sizeHint().width(), 1024);
        EXPECT_LE(dialog.sizeHint().height(), 600);
    }

    testing_support::TemporaryFolder folder;
    MainWindow window;
};

} // namespace

TEST_F(MediaDialogsTest, ExportPictureWritesTheWindowChosenInTheListToTheFileChosenInTheSaveAsDialog)
{
    const std::string path = folder.file("universe.png");
    platform::ScriptedChooser chooser;
    const platform::ScopedChooser installed(chooser);
    chooser.answerFile(path);

    runDialog(kExportPictureCommand, [&](MediaDialog& dialog) {
        expectReachable(dialog);
        auto* const windows = dialog.findChild<QComboBox*>();
        ASSERT_EQ(windows->count(), 3) << "the whole layout, the universe and its buttons";
        EXPECT_EQ(windows->itemText(1).toStdString(), "Window 0: Ptolemaic universe: Mars (Almagest)");
        windows->setCurrentIndex(1);
        dialog.findChild<QPushButton*>(QStringLiteral("browse"))->click();
    });

    ASSERT_EQ(chooser.fileRequests().size(), 1u);
    EXPECT_EQ(chooser.fileRequests()[0].kind, platform::FileDialogKind::SaveAs);
    const QImage picture(QString::fromStdString(path));
    ASSERT_FALSE(picture.isNull()) << "no picture at " << path;
    EXPECT_LT(picture.width(), window.host()->width()) << "window 0, not the whole layout";
}

TEST_F(MediaDialogsTest, RecordAnimationShowsItsProgressAndAQuitWaitsForTheFile)
{
    const std::string path = folder.file("layout.gif");

    runDialog(kRecordAnimationCommand, [&](MediaDialog& dialog) {
        expectReachable(dialog);
        dialog.findChild<QLineEdit*>()->setText(QString::fromStdString(path));
        dialog.findChild<QDoubleSpinBox*>()->setValue(0.5);
    });
    ASSERT_TRUE(window.media()->isRecording());
    EXPECT_TRUE(window.findChild<QProgressDialog*>()->isVisible());
    window.quit();

    ASSERT_TRUE(testing_support::processEventsUntil([&] { return !window.isVisible(); }, 30000));
    EXPECT_FALSE(window.media()->isRecording());
    int error = 0;
    GifFileType* const file = DGifOpenFileName(path.c_str(), &error);
    ASSERT_TRUE(file) << "no animation at " << path;
    EXPECT_EQ(DGifSlurp(file), GIF_OK);
    EXPECT_EQ(file->ImageCount, 13) << "half a second at 25 frames a second";
    EXPECT_EQ(QSize(file->SWidth, file->SHeight), window.host()->size());
    DGifCloseFile(file, &error);
}
