#pragma once
// What the user changes in a universe's systems, told to whoever keeps the steps to undo
// (the program's undo stack, which implements this and installs itself): the systems
// before and after each change. The model and the editing dialogs tell it; until one is
// installed (a model test, the embeddable control) nothing is told and no state is taken.
//
// Threading: window thread only. A change is told with none of the universe's locks held,
// so that the listener may ask the windows for anything (docs/threads.md, rule 6).
#include "ptolemy/UniverseState.h"

#include <functional>
#include <string>

class PtolemyUniverse;

class UserChanges {
public:
    virtual ~UserChanges() = default;

    // `universe`'s systems went from `before` to `after` through the change `what` (a
    // translated name: "Random"). Changes in a row with the same non-empty `mergeKey` make
    // one step, as the drag of a slider does.
    virtual void changed(PtolemyUniverse& universe, const std::string& what, const UniverseState& before,
        const UniverseState& after, const std::string& mergeKey)
        = 0;

    // The installed listener, or null.
    static UserChanges* installed();
    // Installs `changes` (not owned); null removes the listener.
    static void install(UserChanges* changes);
    // Removes `changes` when it is the one installed.
    static void uninstall(UserChanges* changes);

    // Runs `change` (called with no lock held; it takes what it needs) and, when a listener
    // is installed and the systems differ afterwards, tells it.
    static void record(PtolemyUniverse& universe, const std::string& what, const std::function<void()>& change,
        const std::string& mergeKey = {});
};
