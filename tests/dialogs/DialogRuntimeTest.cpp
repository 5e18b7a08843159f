#include "dialogs/DialogRuntime.h"

#include "dialogs/DialogDriver.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/Notification.h"
#include "platform/Message.h"
#include "ptolemy/PtolemyUniverse.h"

#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using dialogs::DialogDriver;
using dialogs::DialogRuntime;
using dialogs::TemplateDialog;
using testing_support::RecordingProcedure;
using testing_support::shippedResources;
using testing_support::shippedTemplate;
namespace notification = dialogs::notification;

namespace {

constexpr int kGaveUp = -99;

class DialogRuntimeTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!shippedResources())
            GTEST_SKIP() << "the resource library is not beside the test program";
    }

    // Acts on the running dialog from inside its modal loop, as a person would; a dialog
    // still open after five seconds is ended so that a fault fails the test, not hangs it.
    // The timers belong to this test: they go with it and never reach a later one.
    void whileRunning(std::function<void(DialogDriver&)> actions)
    {
        QTimer::singleShot(0, &timers_, [actions = std::move(actions)] {
            TemplateDialog* dialog = DialogRuntime::topmost();
            ASSERT_NE(dialog, nullptr);
            DialogDriver driver(*dialog);
            actions(driver);
        });
        QTimer::singleShot(5000, &timers_, [] {
            if (TemplateDialog* dialog = DialogRuntime::topmost())
                dialog->end(kGaveUp);
        });
    }

    QWidget owner;
    RecordingProcedure procedure;
    QObject timers_;
};

} // namespace

TEST_F(DialogRuntimeTest, TheProcedureHearsTheUserAndEndsTheDialogWithItsCode)
{
    std::pair<bool, bool> radiosAtDoubleClick;
    procedure.onInit = [](TemplateDialog& dialog) {
        dialog.insertListItem(1014, 0, "B (visible)");
        dialog.insertListItem(1014, 0, "A (visible)");
        dialog.selectListRow(1014, 0);
        dialog.setChecked(1042, true);
    };
    procedure.onCommand = [&](TemplateDialog& dialog, int id, int code) {
        if (id == 1014 && code == notification::kListDoubleClick) {
            radiosAtDoubleClick = { dialog.isChecked(1042), dialog.isChecked(1043) };
            dialog.end(dialog.selectedListRow(1014) + 10);
        }
    };
    whileRunning([](DialogDriver& driver) {
        EXPECT_TRUE(driver.click(1043));
        EXPECT_TRUE(driver.select(1014, 1));
        EXPECT_FALSE(driver.grab().isNull());
        EXPECT_TRUE(driver.doubleClick(1014));
    });

    const dialogs::DialogOutcome outcome
        = DialogRuntime::run(shippedResources(), "PtSystemsDialog", &owner, procedure, &owner);

    EXPECT_EQ(outcome.result, 11);
    EXPECT_TRUE(outcome.errorText.empty());
    EXPECT_EQ(procedure.inits, 1);
    EXPECT_EQ(procedure.parameter, &owner);
    // The procedure's own filling and checking notify nothing; the user's actions do.
    const std::vector<std::pair<int, int>> expected = { { 1043, notification::kButtonClicked },
        { 1014, notification::kListSelectionChange }, { 1014, notification::kListDoubleClick } };
    EXPECT_EQ(procedure.commands, expected);
    EXPECT_EQ(radiosAtDoubleClick, std::make_pair(false, true)) << "the two radios exclude each other";
    EXPECT_EQ(DialogRuntime::topmost(), nullptr);
}

TEST_F(DialogRuntimeTest, EscapeAndTheCloseBoxOnlyAskTheProcedure)
{
    bool openAfterEscape = false;
    procedure.onClose = [](TemplateDialog& dialog) {
        if (dialog.property("asked").toBool())
            dialog.end(1);
        dialog.setProperty("asked", true);
    };
    whileRunning([&](DialogDriver& driver) {
        EXPECT_TRUE(driver.close());
        openAfterEscape = DialogRuntime::topmost() && DialogRuntime::topmost()->isVisible();
        DialogRuntime::topmost()->close(); // the close box
    });

    const dialogs::DialogOutcome outcome
        = DialogRuntime::run(shippedResources(), "PTVIEWDIALOG", &owner, procedure, nullptr);

    EXPECT_TRUE(openAfterEscape) << "a procedure that ignores Escape keeps its dialog";
    EXPECT_EQ(procedure.closeRequests, 2);
    EXPECT_EQ(outcome.result, 1);
}

TEST_F(DialogRuntimeTest, RechoosingTheShownEntryOfADropDownNotifiesAgain)
{
    TemplateDialog dialog(*shippedTemplate("PTSYSTEMSDIALOG"), procedure, &owner);
    dialog.setComboItems(1003, { "Random", "From File", "Empty" });
    dialog.selectComboRow(1003, 1);
    DialogDriver driver(dialog);

    EXPECT_TRUE(driver.select(1003, 1));
    EXPECT_TRUE(driver.select(1003, 1));

    const std::vector<std::pair<int, int>> expected(2, { 1003, notification::kComboSelectionChange });
    EXPECT_EQ(procedure.commands, expected);
    EXPECT_EQ(dialog.text(1003), "From File");
}

TEST_F(DialogRuntimeTest, PositionedInsertsKeepTheirRowsInASortedStyleList)
{
    TemplateDialog dialog(*shippedTemplate("PTEDITDIALOG"), procedure, &owner);

    EXPECT_EQ(dialog.insertListItem(1014, 0, "Zeta"), 0);
    EXPECT_EQ(dialog.insertListItem(1014, -1, "Alpha"), 1);
    EXPECT_EQ(dialog.insertListItem(1014, 0, "Mid"), 0);
    EXPECT_EQ(dialog.insertListItem(1014, 1, "Beta"), 1);
    EXPECT_EQ(dialog.insertListItem(1014, 9, "Nowhere"), -1);

    ASSERT_EQ(dialog.listCount(1014), 4);
    const char* rows[] = { "Mid", "Beta", "Zeta", "Alpha" };
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(dialog.listItemText(1014, row), rows[row]);
}

TEST_F(DialogRuntimeTest, TextsShowDecodedAndReadBackTheirOwnBytes)
{
    TemplateDialog dialog(*shippedTemplate("PTEDITDIALOG"), procedure, &owner);
    const std::string latin1 = "\xE9t\xE9", utf8 = "\xC3\xA9t\xC3\xA9";
    dialog.setText(1004, latin1);
    EXPECT_EQ(dialog.text(1004), latin1);
    dialog.setText(1005, utf8);
    EXPECT_EQ(dialog.text(1005), utf8);
    dialog.insertListItem(1014, -1, latin1);
    EXPECT_EQ(dialog.listItemText(1014, 0), latin1);

    auto* const edit = qobject_cast<QLineEdit*>(dialog.control(1004));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("\u00E9t\u00E9"));
    edit->setText(edit->text() + QLatin1Char('!')); // a changed text comes back in UTF-8
    EXPECT_EQ(dialog.text(1004), utf8 + "!");
}

TEST_F(DialogRuntimeTest, AMissingTemplateFailsWithTheSystemTextShownAsAnError)
{
    platform::MessageRecorder recorder;
    const platform::ResourceLibrary* previous = platform::ResourceLibrary::current();
    platform::ResourceLibrary::setCurrent(shippedResources());
    PtolemyUniverse::setSystemsDialogRunner([this](QWidget* parent) {
        const dialogs::DialogOutcome outcome
            = DialogRuntime::run(shippedResources(), "PTNOSUCHDIALOG", parent, procedure, parent);
        return SystemsDialogOutcome { outcome.result, outcome.errorText };
    });
    PtolemyUniverse universe;

    const HRESULT edit = universe.OnCommand(&owner, 5, 0);

    PtolemyUniverse::setSystemsDialogRunner(nullptr);
    platform::ResourceLibrary::setCurrent(previous);
    EXPECT_TRUE(FAILED(edit));
    EXPECT_EQ(procedure.inits, 0);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "The specified resource name cannot be found in the image file.");
    EXPECT_EQ(recorder.last().caption, "Error");
}
