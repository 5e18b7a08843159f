#include "ptolemydialogs/CyclesDialog.h"

#include "dialogs/Notification.h"
#include "dialogs/TemplateDialog.h"
#include "platform/Release.h"
#include "platform/Text.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemydialogs/CyclePropertiesDialog.h"
#include "ptolemydialogs/EditingState.h"
#include "ptolemydialogs/PtolemyDialogs.h"

#include <algorithm>
#include <memory>
#include <string>

namespace ptolemy_dialogs {

namespace {

    namespace notification = dialogs::notification;

    constexpr int kDone = 1;
    constexpr int kName = 1004;
    constexpr int kMatchPath = 1005;
    constexpr int kAddNew = 1008;
    constexpr int kDeleteSelected = 1009;
    constexpr int kRandomize = 1010;
    constexpr int kBrowse = 1011;
    constexpr int kEditSelected = 1012;
    constexpr int kCycles = 1014;
    constexpr int kPosition = 1015;
    constexpr int kApply = 1025;
    constexpr int kDeleteAll = 1026;
    constexpr int kClear = 1027;
    constexpr int kMatchVisible = 1033;

    // Rows of the "where" drop-down.
    constexpr int kAtBottom = 0;
    constexpr int kAboveSelection = 1;
    constexpr int kAtTop = 2;

    constexpr int kDoneResult = 2;
    constexpr int kEscapeResult = 1;
    constexpr std::size_t kMaxNameLength = 254;

    EditingState& state() { return EditingState::instance(); }

    int chainLength() { return state().workingChain ? state().workingChain->ChainLength() : 0; }

    // The link that holds the cycle at `position` (the head pointer for 0).
    std::unique_ptr<PtolemyOrbit>* linkAt(int position)
    {
        std::unique_ptr<PtolemyOrbit>* link = &state().workingChain;
        for (int k = 0; k < position && *link; ++k)
            link = &(*link)->next;
        return link;
    }

    // The new cycle rides on the one that was at `position`; the one above now rides on it.
    void insertCycle(int position, std::unique_ptr<PtolemyOrbit> cycle)
    {
        std::unique_ptr<PtolemyOrbit>* link = linkAt(position);
        cycle->next = std::move(*link);
        *link = std::move(cycle);
    }

    // Only the cycle at `position` goes; the one above rides on its carrier instead.
    void deleteCycle(int position)
    {
        std::unique_ptr<PtolemyOrbit>* link = linkAt(position);
        if (!*link)
            return;
        std::unique_ptr<PtolemyOrbit> doomed = std::move(*link);
        *link = std::move(doomed->next);
    }

} // namespace

void CyclesDialog::init(dialogs::TemplateDialog& dialog, QWidget* parameter)
{
    parameter_ = parameter;
    std::string name;
    std::string matchPath;
    bool matchShown = false;
    state().withSystem([&](PtolemyBody& system) {
        name = system.GetName();
        matchPath = system.GetMatchPath();
        matchShown = (system.GetDisplayFlags() & ptolemy_flags::kMatch) != 0;
    });
    dialog.setText(kName, name);
    refill(dialog);
    dialog.selectListRow(kCycles, dialog.listCount(kCycles) - 1);
    dialog.setComboItems(
        kPosition, { "At bottom", platform::isEarlierRelease() ? "Above sel" : "Above selection", "At top" });
    dialog.selectComboRow(kPosition, state().insertionPosition);
    dialog.setText(kMatchPath, matchPath);
    dialog.setChecked(kMatchVisible, matchShown);
}

void CyclesDialog::command(dialogs::TemplateDialog& dialog, int id, int code)
{
    if (id == kCycles) {
        if (code == notification::kListDoubleClick)
            editSelected(dialog);
        return;
    }
    if (code != notification::kButtonClicked)
        return;
    switch (id) {
    case kAddNew:
        addNew(dialog);
        break;
    case kDeleteSelected:
        deleteSelected(dialog);
        break;
    case kDeleteAll:
        deleteAll(dialog);
        break;
    case kEditSelected:
        editSelected(dialog);
        break;
    case kRandomize:
        randomize(dialog);
        break;
    case kBrowse:
        browseMatchTrail(dialog);
        break;
    case kClear:
        clearMatchTrail(dialog);
        break;
    case kMatchVisible: {
        const bool shown = dialog.isChecked(kMatchVisible);
        state().withSystem([shown](PtolemyBody& system) { system.SetDisplayFlag(ptolemy_flags::kMatch, shown); });
        break;
    }
    case kApply:
        storeNameAndPosition(dialog);
        state().applyWorkingChain();
        state().steps.mark(EditingSteps::Step::Cycles);
        break;
    case kDone:
        storeNameAndPosition(dialog);
        dialog.end(kDoneResult);
        break;
    default:
        break;
    }
}

void CyclesDialog::closeRequested(dialogs::TemplateDialog& dialog)
{
    // Every cycle change is applied already; only the typed name is dropped.
    dialog.end(kEscapeResult);
}

void CyclesDialog::refill(dialogs::TemplateDialog& dialog)
{
    dialog.clearList(kCycles);
    for (const PtolemyOrbit* cycle = state().workingChain.get(); cycle; cycle = cycle->next.get())
        dialog.insertListItem(kCycles, -1, cycle->Name().empty() ? "Unnamed" : cycle->Name());
}

void CyclesDialog::storeNameAndPosition(dialogs::TemplateDialog& dialog)
{
    const std::string name = platform::cutText(dialog.text(kName), kMaxNameLength);
    state().withSystem([&name](PtolemyBody& system) { system.SetName(name.c_str()); });
    state().insertionPosition = std::max(0, dialog.selectedComboRow(kPosition));
}

void CyclesDialog::addNew(dialogs::TemplateDialog& dialog)
{
    const int length = chainLength();
    const int selected = dialog.selectedListRow(kCycles);
    int position = length;
    std::string name;
    switch (dialog.selectedComboRow(kPosition)) {
    case kAtTop:
        position = 0;
        name = state().nextName(EditingState::Counter::Top, "Top #%d");
        break;
    case kAboveSelection:
        position = selected >= 0 ? selected : length;
        name = state().nextName(EditingState::Counter::AboveSelection, "Above Sel #%d");
        break;
    case kAtBottom:
    default:
        name = state().nextName(EditingState::Counter::Bottom, "Bottom #%d");
        break;
    }
    std::unique_ptr<PtolemyOrbit> cycle = PtolemyOrbit::RandomOrb(nullptr);
    cycle->SetName(name.c_str());
    insertCycle(position, std::move(cycle));
    refill(dialog);
    dialog.selectListRow(kCycles, position);
    state().applyWorkingChain();
}

void CyclesDialog::deleteSelected(dialogs::TemplateDialog& dialog)
{
    const int row = dialog.selectedListRow(kCycles);
    if (row < 0)
        return;
    deleteCycle(row);
    refill(dialog);
    dialog.selectListRow(kCycles, std::min(row, dialog.listCount(kCycles) - 1));
    state().applyWorkingChain();
}

void CyclesDialog::deleteAll(dialogs::TemplateDialog& dialog)
{
    state().workingChain.reset();
    dialog.clearList(kCycles);
    state().steps.markAround(
        EditingSteps::Step::Cycles, EditingSteps::Step::DeleteAll, [] { state().applyWorkingChain(); });
}

void CyclesDialog::editSelected(dialogs::TemplateDialog& dialog)
{
    const int row = dialog.selectedListRow(kCycles);
    int cycleCount = 0;
    state().withSystem([&cycleCount](PtolemyBody& system) { cycleCount = system.OrbCount(); });
    if (row < 0 || row >= cycleCount)
        return;
    state().cycleIndex = row;
    state().steps.mark(EditingSteps::Step::Cycles);
    CyclePropertiesDialog properties;
    runEditingDialog(CyclePropertiesDialog::kTemplateName, &dialog, properties, parameter_);
    state().steps.mark(EditingSteps::Step::CycleProperties);
    refill(dialog);
    dialog.selectListRow(kCycles, row);
}

void CyclesDialog::randomize(dialogs::TemplateDialog& dialog)
{
    state().steps.markAround(EditingSteps::Step::Cycles, EditingSteps::Step::Randomize,
        [] { state().withSystem([](PtolemyBody& system) { system.Randomize(); }); });
    // The list and the working chain follow the new cycles, so that the next change
    // builds on what is shown rather than bringing the old cycles back.
    state().takeWorkingChain();
    refill(dialog);
    dialog.selectListRow(kCycles, dialog.listCount(kCycles) - 1);
}

void CyclesDialog::browseMatchTrail(dialogs::TemplateDialog& dialog)
{
    // Choosing opens a file dialog, so no lock may be held; the body locks for the load.
    if (PtolemyBody* system = state().systemForUnlockedCall())
        system->ChooseMatchTrail(state().systemsDialog ? static_cast<QWidget*>(state().systemsDialog) : &dialog);
    std::string path;
    state().withSystem([&path](PtolemyBody& system) { path = system.GetMatchPath(); });
    dialog.setText(kMatchPath, path);
}

void CyclesDialog::clearMatchTrail(dialogs::TemplateDialog& dialog)
{
    state().withSystem([](PtolemyBody& system) {
        system.SetMatchTrail(nullptr);
        system.SetMatchPath("");
    });
    dialog.setText(kMatchPath, "");
}

} // namespace ptolemy_dialogs
