#include "ptolemydialogs/EditSession.h"

#include "ptolemy/PtolemyFlags.h"
#include "ptolemydialogs/ColourChoice.h"

#include <QColorDialog>

using dialogs::DialogDriver;
using dialogs::TemplateDialog;

namespace {

constexpr int kDone = 1;
constexpr int kSystems = 1014;
constexpr int kEditDisplay = 1043;
constexpr int kTraceColourButton = 1010;
constexpr int kTraceColourText = 1013;
constexpr int kLines = 1028;
constexpr int kVisible = 1019;
constexpr int kSpeed = 1038;
constexpr int kTrailLength = 1015;

class DisplayDialogTest : public testing_support::EditSession { };

} // namespace

TEST_F(DisplayDialogTest, ShowsAndChangesTheSystemsLook)
{
    makeSystems({ "Mars" });
    system(0).SetAnimationSpeed(75);
    system(0).SetTraceColour(makeColour(0x12, 0xab, 0x05));
    chooser.answerColour(makeColour(1, 2, 3));
    then("PTSYSTEMSDIALOG", [](DialogDriver& driver, TemplateDialog&) {
        EXPECT_TRUE(driver.click(kEditDisplay));
        EXPECT_TRUE(driver.doubleClick(kSystems));
    });
    then("PTVIEWDIALOG", [this](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_EQ(dialog.text(kTraceColourText), "12, ab, 05");
        EXPECT_EQ(dialog.text(kSpeed), "slowest") << "no entry has 75";
        EXPECT_EQ(dialog.text(kTrailLength), "200");
        EXPECT_TRUE(dialog.isChecked(kLines));
        EXPECT_TRUE(driver.select(kSpeed, 2));
        EXPECT_EQ(system(0).GetAnimationSpeed(), 100);
        EXPECT_TRUE(driver.select(kTrailLength, 1));
        EXPECT_EQ(system(0).GetTrailLength(), 50);
        EXPECT_TRUE(driver.click(kLines));
        EXPECT_FALSE(system(0).GetDisplayFlags() & ptolemy_flags::kLines);
        // Hiding refreshes the systems list underneath.
        EXPECT_TRUE(driver.click(kVisible));
        EXPECT_FALSE(system(0).IsVisible());
        EXPECT_TRUE(driver.click(kTraceColourButton));
        EXPECT_EQ(system(0).GetTraceColour(), makeColour(1, 2, 3));
        EXPECT_EQ(dialog.text(kTraceColourText), "01, 02, 03");
        EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 0, 0));
        EXPECT_EQ(QColorDialog::customColor(15), QColor(105, 15, 150));
        // A cancelled choice changes nothing.
        EXPECT_TRUE(driver.click(kTraceColourButton));
        EXPECT_EQ(system(0).GetTraceColour(), makeColour(1, 2, 3));
        EXPECT_TRUE(driver.close()) << "Escape is ignored";
        EXPECT_TRUE(driver.click(kDone));
    });
    then("PTSYSTEMSDIALOG", [](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_EQ(dialog.listItemText(kSystems, 0), "Mars (hidden)");
        EXPECT_TRUE(driver.click(kDone));
    });

    EXPECT_EQ(edit(), S_OK);
    EXPECT_EQ(recorder.count(), 0u);
}
