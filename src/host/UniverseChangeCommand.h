#pragma once
// One step to undo: a change the user made to the systems of one universe on screen,
// held as its systems before and after. Undoing gives the universe back the systems
// before, redoing those after. The universe is looked up by its collection each time
// (see UniverseUndo), never kept. A step is pushed once its change is made, so its first
// redo does nothing. Steps in a row with the same merge key make one (the drag of a
// slider): the first one's systems before, the last one's after; a step whose systems are
// then the same before and after goes away.
//
// Threading: window thread only; restoring takes the universe's locks (UniverseState).
#include "ptolemy/UniverseState.h"

#include <QUndoCommand>

#include <functional>
#include <string>

class PtolemyUniverse;

class UniverseChangeCommand : public QUndoCommand {
public:
    // The universe collection `collection` of the layout on screen shows, or null.
    using Lookup = std::function<PtolemyUniverse*(int collection)>;

    UniverseChangeCommand(Lookup lookup, int collection, const QString& text, UniverseState before, UniverseState after,
        std::string mergeKey);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void restore(const UniverseState& state) const;

    Lookup lookup_;
    int collection_;
    UniverseState before_;
    UniverseState after_;
    std::string mergeKey_;
    bool made_ = true; // the change is on screen already: the first redo has nothing to do
};
