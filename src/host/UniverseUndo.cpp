#include "host/UniverseUndo.h"

#include "host/LayoutHost.h"
#include "host/UniverseChangeCommand.h"
#include "platform/HandlerScope.h"

#include <QAction>

UniverseUndo::UniverseUndo(LayoutHost& host, QObject* parent)
    : QObject(parent)
    , host_(&host)
{
    stack_.setUndoLimit(kUndoLimit);
    layout_ = ScreenUniverses::countOf(host_);
    connect(&followTimer_, &QTimer::timeout, this, &UniverseUndo::followLayout);
    followTimer_.start(kFollowMilliseconds);
    UserChanges::install(this);
}

UniverseUndo::~UniverseUndo() { UserChanges::uninstall(this); }

void UniverseUndo::changed(PtolemyUniverse& universe, const std::string& what, const UniverseState& before,
    const UniverseState& after, const std::string& mergeKey)
{
    followLayout();
    const std::optional<int> collection = ScreenUniverses::collectionOf(host_, universe);
    if (!collection)
        return;
    stack_.push(new UniverseChangeCommand([this](int index) { return ScreenUniverses::at(host_, index); }, *collection,
        QString::fromStdString(what), before, after, mergeKey));
}

void UniverseUndo::attachActions(QAction* undo, QAction* redo)
{
    const auto showUndo = [this, undo] {
        undo->setEnabled(stack_.canUndo());
        undo->setText(stack_.canUndo() ? tr("&Undo %1").arg(stack_.undoText()) : tr("&Undo"));
    };
    const auto showRedo = [this, redo] {
        redo->setEnabled(stack_.canRedo());
        redo->setText(stack_.canRedo() ? tr("&Redo %1").arg(stack_.redoText()) : tr("&Redo"));
    };
    connect(&stack_, &QUndoStack::indexChanged, undo, showUndo);
    connect(&stack_, &QUndoStack::indexChanged, redo, showRedo);
    connect(&stack_, &QUndoStack::undoTextChanged, undo, showUndo);
    connect(&stack_, &QUndoStack::redoTextChanged, redo, showRedo);
    showUndo();
    showRedo();
}

void UniverseUndo::undo()
{
    followLayout();
    if (!platform::HandlerScope::active())
        stack_.undo();
}

void UniverseUndo::redo()
{
    followLayout();
    if (!platform::HandlerScope::active())
        stack_.redo();
}

void UniverseUndo::followLayout()
{
    const std::optional<ScreenUniverses::Count> now = ScreenUniverses::countOf(host_);
    if (now == layout_)
        return;
    layout_ = now;
    stack_.clear();
}
