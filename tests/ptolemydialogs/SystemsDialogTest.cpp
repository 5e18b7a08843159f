#include "ptolemydialogs/EditSession.h"

#include <cstdlib>

using dialogs::DialogDriver;
using dialogs::TemplateDialog;

namespace {

constexpr int kDone = 1;
constexpr int kKind = 1003;
constexpr int kDeleteSelected = 1008;
constexpr int kHideAll = 1011;
constexpr int kDeleteAll = 1012;
constexpr int kList = 1014;
constexpr int kAddNew = 1017;
constexpr int kShowAll = 1027;
constexpr int kEditCycles = 1042;
constexpr int kEditDisplay = 1043;

class SystemsDialogTest : public testing_support::EditSession { };

int numberOf(const std::string& name) { return std::atoi(name.substr(name.find('#') + 1).c_str()); }

} // namespace

TEST_F(SystemsDialogTest, ListsInReverseAddsWhereSelectedDeletesAndOnlyDoneCloses)
{
    makeSystems({ "A", "B", "" });
    then("PTSYSTEMSDIALOG", [](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_EQ(
            rows(dialog, kList), (std::vector<std::string> { "System # 2 (visible)", "B (visible)", "A (visible)" }));
        EXPECT_EQ(dialog.selectedListRow(kList), 2) << "system 0 is selected";
        EXPECT_NE(dialog.isChecked(kEditCycles), dialog.isChecked(kEditDisplay));
        EXPECT_TRUE(driver.select(kKind, 0));
        EXPECT_TRUE(driver.close()) << "Escape is ignored";
        // System 1 selected: the new one goes to index 2, and stays selected.
        EXPECT_TRUE(driver.select(kList, 1));
        EXPECT_TRUE(driver.click(kAddNew));
        EXPECT_TRUE(driver.click(kAddNew));
    });
    then("PTSYSTEMSDIALOG", [this](DialogDriver& driver, TemplateDialog& dialog) {
        ASSERT_EQ(universe.Bodies().Count(), 5);
        EXPECT_EQ(system(1).GetName(), "B");
        EXPECT_EQ(numberOf(system(3).GetName()), numberOf(system(2).GetName()) + 1);
        EXPECT_EQ(system(2).GetName().rfind("Random #", 0), 0u);
        EXPECT_GE(system(3).OrbCount(), 4) << "a random system has cycles";
        EXPECT_EQ(dialog.selectedListRow(kList), 1) << "system 3 is selected";
        EXPECT_TRUE(driver.click(kHideAll));
        EXPECT_EQ(dialog.listItemText(kList, 4), "A (hidden)");
        EXPECT_TRUE(driver.click(kShowAll));
        EXPECT_TRUE(system(0).IsVisible());
        // Deleting the last system selects the new last one.
        EXPECT_TRUE(driver.select(kList, 0));
        EXPECT_TRUE(driver.click(kDeleteSelected));
        EXPECT_EQ(universe.Bodies().Count(), 4);
        EXPECT_EQ(dialog.selectedListRow(kList), 0);
        EXPECT_TRUE(driver.click(kDeleteAll));
        EXPECT_EQ(dialog.listCount(kList), 0);
        // With no systems Add New inserts at 0, here an empty one.
        EXPECT_TRUE(driver.select(kKind, 2));
        EXPECT_TRUE(driver.click(kAddNew));
        ASSERT_EQ(universe.Bodies().Count(), 1);
        EXPECT_EQ(system(0).GetName().rfind("Empty #", 0), 0u);
        EXPECT_EQ(system(0).OrbCount(), 0);
        EXPECT_EQ(dialog.selectedListRow(kList), 0);
        EXPECT_TRUE(driver.click(kEditDisplay));
        EXPECT_TRUE(driver.click(kDone));
    });
    EXPECT_EQ(edit(), S_OK);

    // The kind and the edit mode are remembered for the next opening.
    then("PTSYSTEMSDIALOG", [](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_EQ(dialog.text(kKind), "Empty");
        EXPECT_TRUE(dialog.isChecked(kEditDisplay));
        EXPECT_FALSE(dialog.isChecked(kEditCycles));
        EXPECT_TRUE(driver.click(kEditCycles));
        EXPECT_TRUE(driver.select(kKind, 0));
        EXPECT_TRUE(driver.click(kDone));
    });

    EXPECT_EQ(edit(), S_OK);
    EXPECT_EQ(recorder.count(), 0u) << recorder.last().text;
}

// A full list refuses Random and Empty silently and adds nothing of a file, saying so:
// the 32 systems all stay (the list's merge would have dropped them for the file's), and
// the selection stays where it was. With no system selected Add New adds nothing.
TEST_F(SystemsDialogTest, AFullListKeepsEverySystemAndItsSelection)
{
    makeSystems(std::vector<std::string>(BodyList::kMaxBodies, "S"));
    system(5).SetName("kept");
    chooser.answerFile(std::string(SKYLOOM_DATA_DIR) + "/AstreonFiles/Candy1.ptu");
    then("PTSYSTEMSDIALOG", [this](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_TRUE(driver.select(kList, 7));
        EXPECT_TRUE(driver.select(kKind, 0));
        EXPECT_TRUE(driver.click(kAddNew));
        EXPECT_EQ(universe.Bodies().Count(), BodyList::kMaxBodies);
        EXPECT_EQ(dialog.selectedListRow(kList), 7);
        EXPECT_EQ(recorder.count(), 0u);
        EXPECT_TRUE(driver.select(kKind, 1)); // From File
        EXPECT_TRUE(driver.click(kAddNew));
        EXPECT_EQ(universe.Bodies().Count(), BodyList::kMaxBodies);
        EXPECT_EQ(system(5).GetName(), "kept");
        EXPECT_EQ(recorder.last().text, "The universe holds 32 systems; 2 were not added.");
        EXPECT_EQ(dialog.selectedListRow(kList), 7);
        EXPECT_TRUE(driver.click(kDone));
    });
    EXPECT_EQ(edit(), S_OK);

    makeSystems({ "A", "B" });
    then("PTSYSTEMSDIALOG", [this](DialogDriver& driver, TemplateDialog& dialog) {
        dialog.selectListRow(kList, -1);
        EXPECT_TRUE(driver.select(kKind, 2)); // Empty
        EXPECT_TRUE(driver.click(kAddNew));
        EXPECT_EQ(universe.Bodies().Count(), 2);
        EXPECT_TRUE(driver.click(kDone));
    });
    EXPECT_EQ(edit(), S_OK);
}
