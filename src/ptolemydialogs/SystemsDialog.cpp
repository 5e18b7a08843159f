#include "ptolemydialogs/SystemsDialog.h"

#include "dialogs/Notification.h"
#include "dialogs/TemplateDialog.h"
#include "documents/FileTypes.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseFile.h"
#include "ptolemy/UniverseLocks.h"
#include "ptolemydialogs/CyclesDialog.h"
#include "ptolemydialogs/DisplayDialog.h"
#include "ptolemydialogs/EditingState.h"
#include "ptolemydialogs/PtolemyDialogs.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"
#include "xml/XmlDocument.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace ptolemy_dialogs {

namespace {

    namespace notification = dialogs::notification;

    constexpr int kDone = 1;
    constexpr int kKind = 1003;
    constexpr int kDeleteSelected = 1008;
    constexpr int kHideAll = 1011;
    constexpr int kDeleteAll = 1012;
    constexpr int kSystems = 1014;
    constexpr int kAddNew = 1017;
    constexpr int kShowAll = 1027;
    constexpr int kEditCycles = 1042;
    constexpr int kEditDisplay = 1043;

    // Rows of the kind drop-down.
    constexpr int kRandomKind = 0;
    constexpr int kFromFileKind = 1;
    constexpr int kEmptyKind = 2;

    constexpr int kDoneResult = 2;

    EditingState& state() { return EditingState::instance(); }

    // The universe shown by the control window whose Edit opened the dialog.
    PtolemyUniverse* universeOf(QWidget* window)
    {
        WindowRecord* record = WindowRegistry::instance().findRecord(window);
        return record ? dynamic_cast<PtolemyUniverse*>(record->imageSource) : nullptr;
    }

    std::string rowText(const PtolemyBody& system, std::int32_t index)
    {
        const std::string name
            = system.GetName().empty() ? platform::formatText("System # %d", index) : system.GetName();
        return name + (system.IsVisible() ? " (visible)" : " (hidden)");
    }

    // The rows from top to bottom: the last system first.
    std::vector<std::string> rowTexts()
    {
        std::vector<std::string> rows;
        PtolemyUniverse* universe = state().universe;
        if (!universe)
            return rows;
        UniverseLock lock(universe);
        BodyList& systems = universe->Bodies();
        for (std::int32_t index = systems.Count() - 1; index >= 0; --index)
            rows.push_back(rowText(*systems.Get(index), index));
        return rows;
    }

    // Inserts a new default system at `index` under both locks; null when the list refuses it.
    PtolemyBody* insertSystem(std::int32_t index)
    {
        PtolemyUniverse* universe = state().universe;
        if (!universe)
            return nullptr;
        UniverseAndClockLock lock(universe);
        if (universe->Bodies().IsFull() || FAILED(universe->Bodies().Insert(index, nullptr)))
            return nullptr;
        return universe->Bodies().Get(index);
    }

} // namespace

SystemsDialog::~SystemsDialog()
{
    state().systemsDialog = nullptr;
    state().steps.end();
}

void SystemsDialog::init(dialogs::TemplateDialog& dialog, QWidget* parameter)
{
    state().window = parameter;
    state().universe = universeOf(parameter);
    state().systemsDialog = &dialog;
    state().steps.begin(state().universe);
    dialog.setComboItems(kKind, { "Random", "From File", "Empty" });
    dialog.selectComboRow(kKind, state().newSystemKind);
    refill(dialog);
    selectSystem(dialog, 0);
    chooseEditMode(dialog, state().editMode);
}

void SystemsDialog::command(dialogs::TemplateDialog& dialog, int id, int code)
{
    if (id == kSystems) {
        if (code == notification::kListDoubleClick)
            openEditor(dialog);
        return;
    }
    if (code != notification::kButtonClicked)
        return;
    switch (id) {
    case kEditCycles:
    case kEditDisplay:
        chooseEditMode(dialog, id == kEditCycles);
        break;
    case kAddNew:
        addNew(dialog);
        break;
    case kDeleteSelected:
        deleteSelected(dialog);
        break;
    case kDeleteAll:
        deleteAll(dialog);
        break;
    case kShowAll:
    case kHideAll:
        setAllVisible(dialog, id == kShowAll);
        break;
    case kDone:
        state().newSystemKind = std::max(0, dialog.selectedComboRow(kKind));
        dialog.end(kDoneResult);
        break;
    default:
        break;
    }
}

void SystemsDialog::closeRequested(dialogs::TemplateDialog&)
{
    // Only Done closes the systems dialog.
}

void SystemsDialog::refill(dialogs::TemplateDialog& dialog)
{
    // The selection is read from the list as it was, so a deleted last system
    // leaves the new last one selected.
    const std::int32_t selected = selectedIndex(dialog);
    const std::vector<std::string> rows = rowTexts();
    dialog.clearList(kSystems);
    for (const std::string& row : rows)
        dialog.insertListItem(kSystems, -1, row);
    const std::int32_t count = static_cast<std::int32_t>(rows.size());
    selectSystem(dialog, std::min(selected, count - 1));
}

std::int32_t SystemsDialog::selectedIndex(const dialogs::TemplateDialog& dialog)
{
    const int count = dialog.listCount(kSystems);
    const int row = dialog.selectedListRow(kSystems);
    return row < 0 ? count : count - 1 - row;
}

void SystemsDialog::selectSystem(dialogs::TemplateDialog& dialog, std::int32_t index)
{
    const int count = dialog.listCount(kSystems);
    dialog.selectListRow(kSystems, index >= 0 && index < count ? count - 1 - index : -1);
}

std::int32_t SystemsDialog::systemCount()
{
    PtolemyUniverse* universe = state().universe;
    if (!universe)
        return 0;
    UniverseLock lock(universe);
    return universe->Bodies().Count();
}

void SystemsDialog::addNew(dialogs::TemplateDialog& dialog)
{
    const std::int32_t count = systemCount();
    // Right after the selected system; with systems but none selected, nowhere.
    if (count > 0 && dialog.selectedListRow(kSystems) < 0)
        return;
    const std::int32_t index = count == 0 ? 0 : std::min(selectedIndex(dialog) + 1, count);
    switch (dialog.selectedComboRow(kKind)) {
    case kRandomKind:
        if (PtolemyBody* system = insertSystem(index)) {
            UniverseAndClockLock lock(state().universe);
            system->SetName(state().nextName(EditingState::Counter::Random, "Random #%d").c_str());
            system->Randomize();
        }
        break;
    case kEmptyKind:
        if (PtolemyBody* system = insertSystem(index)) {
            UniverseLock lock(state().universe);
            system->SetName(state().nextName(EditingState::Counter::Empty, "Empty #%d").c_str());
        }
        break;
    case kFromFileKind:
        addFromFile(dialog);
        break;
    default:
        return;
    }
    // A refused addition (a full list, a cancelled file) leaves the selection where it was.
    const bool added = systemCount() != count;
    refill(dialog);
    if (added)
        selectSystem(dialog, index);
}

void SystemsDialog::addFromFile(dialogs::TemplateDialog& dialog)
{
    PtolemyUniverse* universe = state().universe;
    if (!universe)
        return;
    // The Open dialog runs with no lock held; the reader merges under both locks.
    std::unique_ptr<XmlDocument> document;
    std::int32_t notAdded = 0;
    if (SUCCEEDED(universe->FileDialog().openDocument(document, &dialog, file_types::kUniverse)) && document)
        ReadUniverseFile(*universe, *document, &notAdded);
    if (notAdded > 0)
        platform::showMessage(
            QCoreApplication::translate("SystemsDialog", "The universe holds %1 systems; %2 were not added.")
                .arg(BodyList::kMaxBodies)
                .arg(notAdded)
                .toStdString(),
            "Astreon Error", platform::MessageIcon::Error);
}

void SystemsDialog::deleteSelected(dialogs::TemplateDialog& dialog)
{
    const std::int32_t index = selectedIndex(dialog);
    if (PtolemyUniverse* universe = state().universe) {
        UniverseAndClockLock lock(universe);
        universe->Bodies().Remove(index);
    }
    refill(dialog);
}

void SystemsDialog::deleteAll(dialogs::TemplateDialog& dialog)
{
    state().steps.markAround(EditingSteps::Step::Systems, EditingSteps::Step::DeleteAll, [] {
        if (PtolemyUniverse* universe = state().universe) {
            UniverseAndClockLock lock(universe);
            universe->Bodies().RemoveAll();
        }
    });
    refill(dialog);
}

void SystemsDialog::setAllVisible(dialogs::TemplateDialog& dialog, bool visible)
{
    if (PtolemyUniverse* universe = state().universe) {
        UniverseLock lock(universe);
        BodyList& systems = universe->Bodies();
        for (std::int32_t index = 0; index < systems.Count(); ++index)
            systems.Get(index)->SetVisible(visible);
    }
    refill(dialog);
}

void SystemsDialog::chooseEditMode(dialogs::TemplateDialog& dialog, bool editCycles)
{
    state().editMode = editCycles;
    dialog.setChecked(kEditCycles, editCycles);
    dialog.setChecked(kEditDisplay, !editCycles);
}

void SystemsDialog::openEditor(dialogs::TemplateDialog& dialog)
{
    const std::int32_t index = selectedIndex(dialog);
    if (index < 0 || index >= systemCount())
        return;
    state().systemIndex = index;
    state().takeWorkingChain();
    state().steps.mark(EditingSteps::Step::Systems);
    dialogs::DialogOutcome outcome;
    if (state().editMode) {
        CyclesDialog cycles;
        outcome = runEditingDialog(CyclesDialog::kTemplateName, &dialog, cycles, state().window);
    } else {
        DisplayDialog display;
        outcome = runEditingDialog(DisplayDialog::kTemplateName, &dialog, display, state().window);
    }
    state().dropWorkingChain();
    state().steps.mark(state().editMode ? EditingSteps::Step::Cycles : EditingSteps::Step::Display);
    if (outcome.failed())
        platform::showMessage(outcome.errorText, "Error", platform::MessageIcon::Information);
    refill(dialog);
}

} // namespace ptolemy_dialogs
