#include "ptolemydialogs/EditingSteps.h"

#include "ptolemy/UserChanges.h"

#include <QCoreApplication>

namespace ptolemy_dialogs {

void EditingSteps::begin(PtolemyUniverse* universe)
{
    universe_ = universe;
    last_.reset();
    if (universe_ && UserChanges::installed())
        last_ = UniverseState::of(*universe_);
}

void EditingSteps::mark(Step step)
{
    UserChanges* const listener = UserChanges::installed();
    if (!universe_ || !last_ || !listener)
        return;
    UniverseState now = UniverseState::of(*universe_, &*last_);
    if (now == *last_)
        return;
    listener->changed(*universe_, nameOf(step), *last_, now, {});
    last_ = std::move(now);
}

void EditingSteps::markAround(Step dialog, Step action, const std::function<void()>& run)
{
    mark(dialog);
    run();
    mark(action);
}

void EditingSteps::end()
{
    mark(Step::Systems);
    universe_ = nullptr;
    last_.reset();
}

std::string EditingSteps::nameOf(Step step)
{
    // In the order of Step.
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("EditingSteps", "Edit Systems"),
        QT_TRANSLATE_NOOP("EditingSteps", "Edit Cycles"),
        QT_TRANSLATE_NOOP("EditingSteps", "Cycle Properties"),
        QT_TRANSLATE_NOOP("EditingSteps", "Display Settings"),
        QT_TRANSLATE_NOOP("EditingSteps", "Randomize"),
        QT_TRANSLATE_NOOP("EditingSteps", "Delete All"),
    };
    return QCoreApplication::translate("EditingSteps", names[static_cast<std::size_t>(step)]).toStdString();
}

} // namespace ptolemy_dialogs
