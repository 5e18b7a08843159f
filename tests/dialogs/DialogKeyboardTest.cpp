// Dialogs built from templates, worked from the keyboard and read by a screen reader: Tab
// reaches every field in reading order, each named after its label, and Enter in a list
// opens its row as a double-click does.
#include "dialogs/DialogTestSupport.h"
#include "dialogs/Notification.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>

#include <gtest/gtest.h>

#include <map>
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

// A list is read beside the buttons of its first row, so that Tab from a list reaches the
// button that acts on its chosen row, never one that throws every row away.
TEST(DialogKeyboard, TabFromAListNeverLandsOnAButtonThatEmptiesIt)
{
    const std::map<std::string, std::string> afterList
        = { { "PTSYSTEMSDIALOG", "Delete Selected" }, { "PTEDITDIALOG", "Edit Selected" } };
    for (const auto& [name, expected] : afterList) {
        const auto listTemplate = shippedTemplate(name);
        if (!listTemplate)
            GTEST_SKIP() << "the resource library is not beside the test program";
        RecordingProcedure procedure;
        dialogs::TemplateDialog dialog(*listTemplate, procedure, nullptr);
        QWidget* next = dialog.control(1014)->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        const auto* button = qobject_cast<QAbstractButton*>(next);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text().toStdString(), expected) << name;
    }
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

// A group box's frame runs through the middle of its title, above the first field the
// template puts inside it, not through that field.
TEST(DialogLook, AGroupsFrameRunsThroughItsTitleAboveItsFirstField)
{
    const auto editTemplate = shippedTemplate("PTEDITDIALOG");
    if (!editTemplate)
        GTEST_SKIP() << "the resource library is not beside the test program";
    RecordingProcedure procedure;
    dialogs::TemplateDialog dialog(*editTemplate, procedure, nullptr);
    QGroupBox* name = nullptr;
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (box->title() == QStringLiteral("Name"))
            name = box;
    ASSERT_NE(name, nullptr);
    const QImage shown = name->grab().toImage();
    const QColor frame = name->palette().color(QPalette::Dark);
    const int x = shown.width() - 4;
    int top = 0;
    while (top < shown.height() && shown.pixelColor(x, top).rgb() != frame.rgb())
        ++top;
    EXPECT_EQ(top, name->fontMetrics().height() / 2);
    EXPECT_LT(name->y() + top, dialog.control(1004)->y()) << "above the name field";
}

} // namespace
