#pragma once
// What the Ptolemy editing dialogs share while one set of them is open: the control
// window whose Edit opened them, its universe, the system and cycle being edited, the
// working chain (a private copy of the system's chain that the cycle dialogs change
// and apply), the edit mode and the remembered drop-down choices. The choices and the
// five name counters last for the whole process, so names never repeat.
//
// Threading: window thread only. The state holds no lock; each change of the model
// takes the universe's locks for itself (universe lock, then clock lock), so that no
// lock is held while a dialog runs. See docs/threads.md.
#include "ptolemydialogs/EditingSteps.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class PtolemyBody;
class PtolemyOrbit;
class PtolemyUniverse;
class QWidget;

namespace dialogs {
class TemplateDialog;
}

namespace ptolemy_dialogs {

class EditingState {
public:
    // The name counters: new systems, then new cycles by where they go.
    enum class Counter { Empty, Random, Top, AboveSelection, Bottom, Count };

    // The one state of the process.
    static EditingState& instance();

    QWidget* window = nullptr;
    PtolemyUniverse* universe = nullptr;
    std::int32_t systemIndex = 0;
    std::int32_t cycleIndex = 0;
    // True: a double-click on a system opens the cycles dialog; false: the display dialog.
    bool editMode = true;
    // Remembered rows of the systems dialog's "kind" and the cycles dialog's "where" drop-downs.
    int newSystemKind = 0;
    int insertionPosition = 0;
    // The open systems dialog, so that the display dialog can refresh its list.
    dialogs::TemplateDialog* systemsDialog = nullptr;
    // Owned while the cycles or display dialog is open.
    std::unique_ptr<PtolemyOrbit> workingChain;
    // The steps to undo of the dialogs' run.
    EditingSteps steps;

    // The next name of `format` (one %d) with its counter, counting from 1.
    std::string nextName(Counter counter, const char* format);

    // Calls `change` with the system being edited under the universe lock; false (and
    // nothing called) when there is no such system any more.
    bool withSystem(const std::function<void(PtolemyBody&)>& change) const;
    // The system being edited, read without a lock: for the calls that take the locks
    // themselves and must not be called under one (choosing a match trail opens a dialog).
    PtolemyBody* systemForUnlockedCall() const;

    // Copies the system's chain into the working chain.
    void takeWorkingChain();
    // The system keeps a copy of the working chain (clock lock held for the change).
    void applyWorkingChain();
    void dropWorkingChain();

private:
    EditingState() = default;

    int counters_[static_cast<int>(Counter::Count)] = {};
};

} // namespace ptolemy_dialogs
