#pragma once
// The steps to undo and redo of the universes of the layout on screen, for the Edit menu:
// it is the UserChanges that the model and the editing dialogs tell of each change the
// user makes to a universe's systems (Random, Load, the editing dialogs, the live cycles
// panel), and keeps them in a QUndoStack of at most kUndoLimit steps. Undo gives the
// universe back the systems it held before the step, redo those after.
//
// A step holds no pointer to its universe, only its collection's index (ScreenUniverses),
// and the stack is emptied as soon as another layout is on screen: before each undo, redo
// and step, and a few times a second so that the menu says so. Made, it installs itself as
// the UserChanges; it uninstalls itself as it goes.
//
// Threading: window thread only; told of changes with no lock held. See docs/threads.md.
#include "host/ScreenUniverses.h"
#include "ptolemy/UserChanges.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUndoStack>

#include <optional>

class LayoutHost;
class QAction;

class UniverseUndo : public QObject, public UserChanges {
    Q_OBJECT
public:
    static constexpr int kUndoLimit = 100;
    static constexpr int kFollowMilliseconds = 250;

    explicit UniverseUndo(LayoutHost& host, QObject* parent = nullptr);
    ~UniverseUndo() override;

    void changed(PtolemyUniverse& universe, const std::string& what, const UniverseState& before,
        const UniverseState& after, const std::string& mergeKey) override;

    // Keeps the actions' texts ("Undo Random") and their enabled states with the stack.
    void attachActions(QAction* undo, QAction* redo);
    // Nothing while a handler or a dialog is open (a script step may run inside one): the
    // editing dialogs hold on to the systems they edit.
    void undo();
    void redo();
    const QUndoStack& stack() const { return stack_; }
    // Empties the stack when another layout has come on screen since its steps were made.
    void followLayout();

private:
    QPointer<LayoutHost> host_;
    QUndoStack stack_;
    QTimer followTimer_;
    std::optional<ScreenUniverses::Count> layout_; // the layout the steps belong to
};
