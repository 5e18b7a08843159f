#include "platform/Chooser.h"
#include "platform/InteractiveChooser.h"

#include <gtest/gtest.h>

using platform::FileDialogKind;
using platform::FileDialogRequest;

TEST(ScriptedChooser, AnswersInOrderThenCancels)
{
    platform::ScriptedChooser chooser;
    chooser.answerFile("AstreonLayouts/One Universe.lay");
    chooser.answerCancel();
    FileDialogRequest request;
    request.defaultExtension = ".lay";
    EXPECT_EQ(chooser.chooseFile(request).value_or("none"), "AstreonLayouts/One Universe.lay");
    EXPECT_FALSE(chooser.chooseFile(request).has_value());
    EXPECT_FALSE(chooser.chooseFile(request).has_value());
    ASSERT_EQ(chooser.fileRequests().size(), 3u);
    EXPECT_EQ(chooser.fileRequests()[0].defaultExtension, ".lay");
}

TEST(ScriptedChooser, ColourAndFileAnswersDoNotCrossOver)
{
    platform::ScriptedChooser chooser;
    chooser.answerColour(0x00ff00);
    EXPECT_FALSE(chooser.chooseFile(FileDialogRequest {}).has_value());
    chooser.answerFile("x.ptu");
    EXPECT_FALSE(chooser.chooseColour(nullptr, 0).has_value());
    chooser.answerColour(0x123456);
    EXPECT_EQ(chooser.chooseColour(nullptr, 0).value_or(0), 0x123456u);
}

TEST(Chooser, ScopedInstallationRestoresTheDefault)
{
    platform::ScriptedChooser chooser;
    chooser.answerFile("chosen.obs");
    {
        platform::ScopedChooser scope(chooser);
        FileDialogRequest request;
        request.kind = FileDialogKind::SaveAs;
        EXPECT_EQ(platform::chooser().chooseFile(request).value_or(""), "chosen.obs");
    }
    EXPECT_NE(&platform::chooser(), &chooser);
    EXPECT_FALSE(platform::chooser().chooseFile(FileDialogRequest {}).has_value());
}

TEST(InteractiveChooserTest, TheFileTypeLineShowsItsPatternOnce)
{
    EXPECT_EQ(platform::InteractiveChooser::nameFilter("PTU files (*.PTU)", "*.ptu"), "PTU files (*.ptu)");
    EXPECT_EQ(platform::InteractiveChooser::nameFilter("Pictures", "*.bmp"), "Pictures (*.bmp)");
}
