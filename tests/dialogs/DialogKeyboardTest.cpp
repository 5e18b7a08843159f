// Dialogs built from templates, worked from the keyboard and read by a screen reader: Tab
// reaches every field in reading order, each named after its label, and Enter in a list
// opens its row as a double-click does.
#include "dialogs/DialogTestSupport.h"
#include "dialogs/Notification.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing_support::RecordingProcedure;
using testing_support::shippedTemplate;

namespace {

// The controls Tab reaches from the dialog's first, in order, as "role:name".
std::vector<std::string> tabWalk(QWidget& dialog)
{
    std::vector<std::string> walk;
    QWidget* first = nullptr;
    for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog && widget != first;
         widget = widget->nextInFocusChain()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() || !widget->isVisibleTo(&dialog))
            continue;
        if (!first)
            first = widget;
        QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(widget);
        const bool text = accessible->role() == QAccessible::EditableText;
        walk.push_back((text ? "text:" : "") + accessible->text(QAccessible::Name).toStdString());
    }
    return walk;
}

TEST(DialogKeyboard, TabReachesEveryCycleFieldByNameInReadingOrder)
{
    const auto orbitTemplate = shippedTemplate("PTORBITDIALOG");
    if (!orbitTemplate)
        GTEST_SKIP() << "the resource library is not beside the test program";
    RecordingProcedure procedure;
    dialogs::TemplateDialog dialog(*orbitTemplate, procedure, nullptr);
    const std::vector<std::string> expected
        = { "text:Cycle Name", "text:Radius", "text:Omega", "text:Phi", "Has equant with",
              "text:Has equant with x-coordinate", "text:Has equant with y-coordinate", "Has eccentric with",
              "text:Has eccentric with x-coordinate", "text:Has eccentric with y-coordinate", "Cancel", "Apply", "OK" };
    EXPECT_EQ(tabWalk(dialog), expected);
    QAccessibleInterface* const radius = QAccessible::queryAccessibleInterface(dialog.control(1006));
    EXPECT_EQ(radius->text(QAccessible::Description), "radius in dimensionless units");
}

TEST(DialogKeyboard, EnterInAListOpensItsRowWithoutClosingTheDialog)
{
    const auto systemsTemplate = shippedTemplate("PTSYSTEMSDIALOG");
    if (!systemsTemplate)
        GTEST_SKIP() << "the resource library is not beside the test program";
    RecordingProcedure procedure;
    dialogs::TemplateDialog dialog(*systemsTemplate, procedure, nullptr);
    dialog.insertListItem(1014, 0, "Mars");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(dialog.control(1014), &enter);
    EXPECT_TRUE(procedure.commands.empty()) << "no row chosen, nothing opens";
    dialog.selectListRow(1014, 0);
    QApplication::sendEvent(dialog.control(1014), &enter);
    ASSERT_EQ(procedure.commands.size(), 1u);
    EXPECT_EQ(procedure.commands.front(), std::make_pair(1014, dialogs::notification::kListDoubleClick));
    EXPECT_FALSE(dialog.hasEnded());
}

} // namespace
