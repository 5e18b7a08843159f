#include "ptolemydialogs/CycleChange.h"

#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseLocks.h"

#include <QCoreApplication>

#include <memory>

namespace ptolemy_dialogs {

CycleChange::CycleChange(PtolemyUniverse& universe, int systemIndex, int cycleIndex)
    : universe_(universe)
    , systemIndex_(systemIndex)
    , cycleIndex_(cycleIndex)
{
}

std::optional<std::string> CycleChange::setNumber(CycleNumbers::Field field, const std::optional<double>& reading)
{
    return change([field, &reading](Edit& edit) {
        edit.readings[static_cast<std::size_t>(field)] = reading;
        if (field == CycleNumbers::Field::EccentricX || field == CycleNumbers::Field::EccentricY)
            edit.hasEccentric = true;
        if (field == CycleNumbers::Field::EquantX || field == CycleNumbers::Field::EquantY)
            edit.hasEquant = true;
    });
}

std::optional<std::string> CycleChange::setPointShown(Point point, bool shown)
{
    return change(
        [point, shown](Edit& edit) { (point == Point::Eccentric ? edit.hasEccentric : edit.hasEquant) = shown; });
}

std::optional<std::string> CycleChange::change(const std::function<void(Edit&)>& edit)
{
    PtolemyUniverse* const universe = &universe_;
    UniverseLock lock(universe);
    PtolemyBody* const system = universe->Bodies().Get(systemIndex_);
    const std::unique_ptr<PtolemyOrbit> chain = system ? system->CopyChain() : nullptr;
    PtolemyOrbit* const cycle = cycleInFileOrder(chain.get(), cycleIndex_);
    if (!cycle)
        return QCoreApplication::translate("CycleChange", "That cycle is gone: the universe has changed.")
            .toStdString();
    const CycleNumbers before = CycleNumbers::of(*cycle);
    Edit edited { CycleNumbersCheck::readingsOf(before), cycle->hasEccentric, cycle->hasEquant };
    edit(edited);
    const CycleNumbersCheck::Outcome outcome = CycleNumbersCheck::check(edited.readings);
    if (!outcome.numbers)
        return outcome.refusal;
    outcome.numbers->storeInto(*cycle, edited.hasEccentric, edited.hasEquant);
    // A new chain clears the running trail: only a real change makes one.
    if (CycleNumbers::of(*cycle) != before)
        system->SetChain(chain.get());
    return std::nullopt;
}

PtolemyOrbit* CycleChange::cycleInFileOrder(PtolemyOrbit* head, int index)
{
    const int fromHead = (head ? head->ChainLength() : 0) - 1 - index;
    if (index < 0 || fromHead < 0)
        return nullptr;
    PtolemyOrbit* cycle = head;
    for (int step = 0; step < fromHead; ++step)
        cycle = cycle->next.get();
    return cycle;
}

} // namespace ptolemy_dialogs
