#pragma once
// The steps to undo of one run of the editing dialogs: every dialog that closes, every
// Apply, Randomize and Delete All is one step. It keeps the universe's systems as the last
// step left them; marking a step compares them with the systems now and tells the
// installed UserChanges of a difference. While none is installed nothing is taken.
//
// Threading: window thread only, with no lock held; taking the systems holds the universe
// lock for the copy alone. See docs/threads.md.
#include "ptolemy/UniverseState.h"

#include <functional>
#include <optional>
#include <string>

class PtolemyUniverse;

namespace ptolemy_dialogs {

class EditingSteps {
public:
    // What a step did: the dialog whose changes it holds, or the one action (names in nameOf).
    enum class Step { Systems, Cycles, CycleProperties, Display, Randomize, DeleteAll };

    // The systems dialog opened over `universe` (null: none).
    void begin(PtolemyUniverse* universe);
    // What changed since the last step is one step, named after `step`.
    void mark(Step step);
    // Marks what was done in `dialog` so far, then runs `action` and marks it as a step of its own.
    void markAround(Step dialog, Step action, const std::function<void()>& run);
    // The systems dialog closed: its last changes are a step and the run ends.
    void end();

    // The name the Edit menu shows for a step ("Undo Edit Cycles").
    static std::string nameOf(Step step);

private:
    PtolemyUniverse* universe_ = nullptr;
    std::optional<UniverseState> last_;
};

} // namespace ptolemy_dialogs
