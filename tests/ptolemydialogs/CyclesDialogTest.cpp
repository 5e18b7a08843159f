#include "ptolemydialogs/EditSession.h"
#include "support/TestFiles.h"

#include <cmath>

using dialogs::DialogDriver;
using dialogs::TemplateDialog;

namespace {

constexpr int kDone = 1;
constexpr int kCancel = 2;
constexpr int kSystems = 1014;
constexpr int kName = 1004;
constexpr int kAddNew = 1008;
constexpr int kDeleteSelected = 1009;
constexpr int kEditSelected = 1012;
constexpr int kCycles = 1014;
constexpr int kPosition = 1015;
constexpr int kMatchVisible = 1033;
constexpr int kAtTop = 2;
constexpr int kAtBottom = 0;

// Cycle properties.
constexpr int kOk = 1;
constexpr int kCycleName = 1005;
constexpr int kRadius = 1006;
constexpr int kPhi = 1007;
constexpr int kOmega = 1018;
constexpr int kEquantX = 1021;
constexpr int kEccentricX = 1022;
constexpr int kEccentricY = 1024;
constexpr int kHasEccentric = 1001;
constexpr int kMatchPath = 1005;
constexpr int kBrowse = 1011;
constexpr int kClear = 1027;
constexpr int kApply = 1025;

class CyclesDialogTest : public testing_support::EditSession {
protected:
    void SetUp() override
    {
        EditSession::SetUp();
        makeSystems({ "Mars" });
        auto deferent = std::make_unique<PtolemyOrbit>("Deferent", 0.0, 1.0, 10.0, nullptr);
        const PtolemyOrbit head("Epi", 0.123456, 2.0, 3.0, std::move(deferent));
        system(0).SetChain(&head);
    }

    // Opens the cycles dialog of the only system.
    void openCycles()
    {
        then("PTSYSTEMSDIALOG", [](DialogDriver& driver, TemplateDialog&) {
            EXPECT_TRUE(driver.click(1042));
            EXPECT_TRUE(driver.doubleClick(kSystems));
        });
    }
    void closeSystems()
    {
        then("PTSYSTEMSDIALOG", [](DialogDriver& driver, TemplateDialog&) { EXPECT_TRUE(driver.click(kDone)); });
    }
};

} // namespace

TEST_F(CyclesDialogTest, NewCyclesGoWhereChosenAndEachChangeIsAppliedAtOnce)
{
    openCycles();
    then("PTEDITDIALOG", [this](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_EQ(dialog.text(kName), "Mars");
        EXPECT_EQ(rows(dialog, kCycles), (std::vector<std::string> { "Epi", "Deferent" }));
        EXPECT_EQ(dialog.selectedListRow(kCycles), 1);
        EXPECT_TRUE(dialog.isChecked(kMatchVisible));
        EXPECT_TRUE(driver.select(kPosition, kAtTop));
        EXPECT_TRUE(driver.click(kAddNew));
        EXPECT_EQ(dialog.selectedListRow(kCycles), 0);
        const std::vector<std::string> afterTop = cycleNames(0);
        ASSERT_EQ(afterTop.size(), 3u);
        EXPECT_EQ(afterTop[0].rfind("Top #", 0), 0u) << "the new cycle is the outermost";
        EXPECT_EQ(dialog.listItemText(kCycles, 0), afterTop[0]);
        // At bottom: the new deferent, the old one rides on it.
        EXPECT_TRUE(driver.select(kPosition, kAtBottom));
        EXPECT_TRUE(driver.click(kAddNew));
        const std::vector<std::string> afterBottom = cycleNames(0);
        ASSERT_EQ(afterBottom.size(), 4u);
        EXPECT_EQ(afterBottom[2], "Deferent");
        EXPECT_EQ(afterBottom[3].rfind("Bottom #", 0), 0u);
        EXPECT_EQ(dialog.selectedListRow(kCycles), 3);
        // Deleting the bottom row selects the new bottom row.
        EXPECT_TRUE(driver.click(kDeleteSelected));
        EXPECT_EQ(cycleNames(0), (std::vector<std::string> { afterTop[0], "Epi", "Deferent" }));
        EXPECT_EQ(dialog.selectedListRow(kCycles), 2);
        EXPECT_TRUE(driver.click(kMatchVisible));
        EXPECT_FALSE(system(0).GetDisplayFlags() & ptolemy_flags::kMatch);
        // Escape keeps the cycles but not the typed name.
        EXPECT_TRUE(driver.setEditText(kName, "Venus"));
        EXPECT_TRUE(driver.close());
    });
    openCycles();
    then("PTEDITDIALOG", [](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_EQ(dialog.text(kName), "Mars");
        EXPECT_EQ(dialog.listCount(kCycles), 3);
        EXPECT_TRUE(driver.setEditText(kName, "Venus"));
        EXPECT_TRUE(driver.click(kDone));
    });
    closeSystems();

    EXPECT_EQ(edit(), S_OK);
    EXPECT_EQ(system(0).GetName(), "Venus");
    EXPECT_EQ(system(0).OrbCount(), 3);
}

TEST_F(CyclesDialogTest, CyclePropertiesRefuseBadNumbersAndStoreWhatIsShown)
{
    openCycles();
    then("PTEDITDIALOG", [](DialogDriver& driver, TemplateDialog&) {
        EXPECT_TRUE(driver.select(kCycles, 0));
        EXPECT_TRUE(driver.click(kEditSelected));
    });
    then("PTORBITDIALOG", [this](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_EQ(dialog.text(kCycleName), "Epi");
        EXPECT_EQ(dialog.text(kRadius), "3.0");
        EXPECT_EQ(dialog.text(kPhi), "0.1235");
        const auto refusedWith = [&](const char* text) {
            EXPECT_TRUE(driver.click(kOk));
            EXPECT_FALSE(dialog.hasEnded());
            EXPECT_EQ(recorder.last().text, text);
            EXPECT_EQ(recorder.last().caption, "Bad Parameter");
        };
        EXPECT_TRUE(driver.setEditText(kRadius, "abc"));
        refusedWith("Orbit radius must be a positive number");
        EXPECT_TRUE(driver.setEditText(kRadius, "0.0001"));
        refusedWith("Orbit radius must be a positive number");
        EXPECT_TRUE(driver.setEditText(kRadius, "5"));
        EXPECT_TRUE(driver.setEditText(kEccentricX, "3"));
        EXPECT_TRUE(driver.setEditText(kEccentricY, "4"));
        refusedWith("Eccentric outside orb radius");
        EXPECT_TRUE(driver.setEditText(kEccentricY, "3.9"));
        EXPECT_TRUE(driver.setEditText(kEquantX, "6")); // its box is not ticked
        refusedWith("Equant outside orb radius");
        EXPECT_EQ(cycleNames(0)[0], "Epi") << "nothing changed while refused";
        EXPECT_TRUE(driver.setEditText(kEquantX, "1"));
        EXPECT_TRUE(driver.click(kHasEccentric));
        EXPECT_TRUE(driver.setEditText(kCycleName, "a\"b"));
        EXPECT_TRUE(driver.click(kApply));
        EXPECT_FALSE(dialog.hasEnded());
        EXPECT_EQ(cycleNames(0)[0], "a'b") << "Apply changes the running system";
        EXPECT_TRUE(driver.click(kCancel));
    });
    then("PTEDITDIALOG", [this](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_EQ(dialog.listItemText(kCycles, 0), "a'b");
        EXPECT_EQ(dialog.selectedListRow(kCycles), 0);
        const std::unique_ptr<PtolemyOrbit> chain = system(0).CopyChain();
        EXPECT_DOUBLE_EQ(chain->r, 5);
        EXPECT_DOUBLE_EQ(chain->phi, 0.1235) << "stored as shown";
        // The ticked eccentric is kept; the unticked equant's coordinates are cleared, so
        // the copy the system keeps (which knows both only by their coordinates) agrees.
        EXPECT_TRUE(chain->hasEccentric);
        EXPECT_DOUBLE_EQ(chain->eccy, 3.9);
        EXPECT_FALSE(chain->hasEquant);
        EXPECT_DOUBLE_EQ(chain->eqx, 0);
        EXPECT_TRUE(driver.click(kDone));
    });
    closeSystems();

    EXPECT_EQ(edit(), S_OK);
    EXPECT_EQ(recorder.count(), 4u);
}

// What cannot be stored faithfully is refused by name: a number too large for the model's
// arithmetic (1e309 reads as infinity), a text that holds no number; a decimal comma is a
// decimal point, and a name is cut between characters, never inside one.
TEST_F(CyclesDialogTest, CyclePropertiesRefuseWhatCannotBeStoredFaithfully)
{
    openCycles();
    then("PTEDITDIALOG", [](DialogDriver& driver, TemplateDialog&) {
        EXPECT_TRUE(driver.select(kCycles, 0));
        EXPECT_TRUE(driver.click(kEditSelected));
    });
    const std::string longName = std::string(30, 'x') + "\xC3\xA9";
    then("PTORBITDIALOG", [&](DialogDriver& driver, TemplateDialog& dialog) {
        const auto refusedWith = [&](int id, const char* value, const char* text) {
            EXPECT_TRUE(driver.setEditText(id, value));
            EXPECT_TRUE(driver.click(kOk));
            EXPECT_FALSE(dialog.hasEnded()) << value;
            EXPECT_EQ(recorder.last().text, text) << value;
            EXPECT_EQ(recorder.last().caption, "Bad Parameter");
        };
        refusedWith(kRadius, "1e309", "Radius must lie between -1000000 and 1000000");
        EXPECT_TRUE(driver.setEditText(kRadius, "5"));
        refusedWith(kOmega, "fast", "Omega must be a number");
        refusedWith(kOmega, "1e308", "Omega must lie between -10000 and 10000");
        refusedWith(kOmega, "2 turns", "Omega must be a number");
        EXPECT_TRUE(driver.setEditText(kOmega, " 0,532 "));
        refusedWith(kPhi, "abc", "Phi must be a number");
        EXPECT_TRUE(driver.setEditText(kPhi, "3,14"));
        refusedWith(kEccentricX, "", "Eccentric X must be a number");
        EXPECT_TRUE(driver.setEditText(kEccentricX, "1"));
        EXPECT_TRUE(driver.setEditText(kCycleName, longName));
        EXPECT_TRUE(driver.click(kOk));
        EXPECT_TRUE(dialog.hasEnded());
    });
    then("PTEDITDIALOG", [&](DialogDriver& driver, TemplateDialog&) {
        const std::unique_ptr<PtolemyOrbit> chain = system(0).CopyChain();
        EXPECT_DOUBLE_EQ(chain->r, 5);
        EXPECT_DOUBLE_EQ(chain->om, 0.532);
        EXPECT_DOUBLE_EQ(chain->phi, 3.14);
        EXPECT_EQ(chain->Name(), longName) << "31 characters, the last two bytes long, kept whole";
        EXPECT_TRUE(driver.click(kDone));
    });
    closeSystems();
    EXPECT_EQ(edit(), S_OK);
}

// Browse loads with every message shown and a file that does not load keeps the trail
// and the file the universe names; Clear forgets both, so a save no longer names it.
TEST_F(CyclesDialogTest, BrowseKeepsTheTrailOnABadFileAndClearForgetsIt)
{
    testing_support::TemporaryFolder folder;
    const std::string good = folder.write("good.obs",
        "<ObservationTrail><startYear>0</startYear><endYear>1</endYear><numObservations>1</numObservations>"
        "<Observation><x>1</x><y>2</y><az>0.5</az><el>0.1</el><t>0.2</t></Observation></ObservationTrail>");
    const std::string bad = folder.write("bad.obs", "<ObservationTrail>");
    ASSERT_EQ(system(0).LoadMatchTrail(good), S_OK);
    chooser.answerFile(bad);
    openCycles();
    then("PTEDITDIALOG", [&](DialogDriver& driver, TemplateDialog& dialog) {
        EXPECT_TRUE(driver.click(kBrowse));
        EXPECT_EQ(dialog.text(kMatchPath), good) << "a file that does not load changes nothing";
        EXPECT_EQ(system(0).MatchFile(), good);
        EXPECT_EQ(recorder.count(), 1u) << "the XML layer says why the file did not load";
        EXPECT_TRUE(driver.click(kClear));
        EXPECT_EQ(dialog.text(kMatchPath), "");
        EXPECT_EQ(system(0).MatchFile(), "") << "a save no longer names the cleared trail";
        EXPECT_TRUE(driver.click(kDone));
    });
    closeSystems();

    EXPECT_EQ(edit(), S_OK);
}
