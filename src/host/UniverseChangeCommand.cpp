#include "host/UniverseChangeCommand.h"

#include <utility>

namespace {

// The id of steps that may merge (QUndoCommand::id); -1 means a step never merges.
constexpr int kMergingStep = 1;

} // namespace

UniverseChangeCommand::UniverseChangeCommand(
    Lookup lookup, int collection, const QString& text, UniverseState before, UniverseState after, std::string mergeKey)
    : QUndoCommand(text)
    , lookup_(std::move(lookup))
    , collection_(collection)
    , before_(std::move(before))
    , after_(std::move(after))
    , mergeKey_(std::move(mergeKey))
{
}

void UniverseChangeCommand::undo() { restore(before_); }

void UniverseChangeCommand::redo()
{
    if (std::exchange(made_, false))
        return;
    restore(after_);
}

void UniverseChangeCommand::restore(const UniverseState& state) const
{
    if (PtolemyUniverse* const universe = lookup_(collection_))
        state.restoreInto(*universe);
}

int UniverseChangeCommand::id() const { return mergeKey_.empty() ? -1 : kMergingStep; }

bool UniverseChangeCommand::mergeWith(const QUndoCommand* other)
{
    const auto* const next = dynamic_cast<const UniverseChangeCommand*>(other);
    if (!next || next->collection_ != collection_ || next->mergeKey_ != mergeKey_)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}
