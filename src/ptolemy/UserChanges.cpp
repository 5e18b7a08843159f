#include "ptolemy/UserChanges.h"

#include <atomic>

namespace {

std::atomic<UserChanges*> installedChanges { nullptr };

} // namespace

UserChanges* UserChanges::installed() { return installedChanges.load(); }

void UserChanges::install(UserChanges* changes) { installedChanges.store(changes); }

void UserChanges::uninstall(UserChanges* changes)
{
    UserChanges* expected = changes;
    installedChanges.compare_exchange_strong(expected, nullptr);
}

void UserChanges::record(PtolemyUniverse& universe, const std::string& what, const std::function<void()>& change,
    const std::string& mergeKey)
{
    UserChanges* const listener = installed();
    if (!listener) {
        change();
        return;
    }
    const UniverseState before = UniverseState::of(universe);
    change();
    const UniverseState after = UniverseState::of(universe, &before);
    if (!(after == before))
        listener->changed(universe, what, before, after, mergeKey);
}
