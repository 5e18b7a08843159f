#include "dialogs/TemplateDialog.h"

#include "dialogs/DialogTestSupport.h"
#include "dialogs/InitialComboLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <map>

using testing_support::RecordingProcedure;
using testing_support::shippedResources;
using testing_support::shippedTemplate;

namespace {

// Kinds as the user meets them: D default button, P push button, C check box, R radio
// button, E edit, e read-only edit, L list box, B drop-down list.
struct ShippedTemplate {
    const char* name;
    const char* caption;
    int controlCount;
    std::map<int, char> identified;
};

const ShippedTemplate kShipped[] = {
    { "PTSYSTEMSDIALOG", "Current Ptolemaic Systems", 22,
        { { 1, 'D' }, { 1008, 'P' }, { 1012, 'P' }, { 1017, 'P' }, { 1014, 'L' }, { 1003, 'B' }, { 1011, 'P' },
            { 1027, 'P' }, { 1042, 'R' }, { 1043, 'R' } } },
    { "PTEDITDIALOG", "Edit Cycles", 16,
        { { 1, 'D' }, { 1008, 'P' }, { 1009, 'P' }, { 1014, 'L' }, { 1004, 'E' }, { 1026, 'P' }, { 1015, 'B' },
            { 1010, 'P' }, { 1033, 'C' }, { 1005, 'e' }, { 1011, 'P' }, { 1027, 'P' }, { 1012, 'P' } } },
    { "PTVIEWDIALOG", "Display Properties", 27,
        { { 1, 'D' }, { 1010, 'P' }, { 1013, 'e' }, { 1028, 'C' }, { 1029, 'C' }, { 1031, 'C' }, { 1035, 'C' },
            { 1003, 'B' }, { 1019, 'C' }, { 1015, 'B' }, { 1037, 'B' }, { 1038, 'B' }, { 1011, 'e' }, { 1012, 'P' },
            { 1032, 'C' }, { 1001, 'C' }, { 1030, 'C' }, { 1039, 'B' } } },
    { "PTORBITDIALOG", "Cycle Properties", 25,
        { { 1005, 'E' }, { 1006, 'E' }, { 1018, 'E' }, { 1007, 'E' }, { 1021, 'E' }, { 1023, 'E' }, { 1022, 'E' },
            { 1024, 'E' }, { 2, 'P' }, { 1025, 'P' }, { 1, 'D' }, { 1019, 'C' }, { 1001, 'C' } } },
};

char kindSeen(QWidget* widget)
{
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->isDefault() ? 'D' : 'P';
    if (qobject_cast<QCheckBox*>(widget))
        return 'C';
    if (qobject_cast<QRadioButton*>(widget))
        return 'R';
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->isReadOnly() ? 'e' : 'E';
    if (qobject_cast<QListWidget*>(widget))
        return 'L';
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->isEditable() ? '?' : 'B';
    return '?';
}

} // namespace

TEST(ShippedTemplates, EveryControlIsBuiltWithItsKindInsideTheDialog)
{
    if (!shippedResources())
        GTEST_SKIP() << "the resource library is not beside the test program";
    for (const ShippedTemplate& shipped : kShipped) {
        SCOPED_TRACE(shipped.name);
        const auto dialogTemplate = shippedTemplate(shipped.name);
        ASSERT_TRUE(dialogTemplate.has_value());
        RecordingProcedure procedure;
        dialogs::TemplateDialog dialog(*dialogTemplate, procedure, nullptr);

        EXPECT_EQ(dialog.windowTitle().toStdString(), shipped.caption);
        const dialogs::DialogUnits units = dialog.units();
        EXPECT_EQ(dialog.size(),
            QSize(units.toPixelsX(dialogTemplate->size().width()), units.toPixelsY(dialogTemplate->size().height())));
        const auto children = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        EXPECT_EQ(children.size(), shipped.controlCount);
        for (QWidget* child : children)
            EXPECT_TRUE(dialog.rect().contains(child->geometry())) << child->metaObject()->className();
        for (const auto& [id, kind] : shipped.identified)
            EXPECT_EQ(kindSeen(dialog.control(id)), kind) << "control " << id;
        EXPECT_EQ(procedure.inits, 0) << "building tells the procedure nothing";
    }
}

TEST(ShippedTemplates, ReadsTheInitialComboListsWithoutApplyingThem)
{
    if (!shippedResources())
        GTEST_SKIP() << "the resource library is not beside the test program";
    const auto lists = dialogs::InitialComboLists::load(shippedResources(), "PtEditDialog").lists();
    ASSERT_EQ(lists.count(1015), 1u);
    EXPECT_EQ(lists.at(1015), (std::vector<std::string> { "Empty", "Random", "From File" }));
    EXPECT_TRUE(dialogs::InitialComboLists::load(shippedResources(), "PTORBITDIALOG").lists().empty());

    RecordingProcedure procedure;
    dialogs::TemplateDialog dialog(*shippedTemplate("PTEDITDIALOG"), procedure, nullptr);
    EXPECT_EQ(dialog.comboCount(1015), 0);
}
