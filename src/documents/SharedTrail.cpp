#include "documents/SharedTrail.h"

#include "platform/CriticalSection.h"

namespace {

// The stored copy under a lock of its own, a leaf of the lock order: nothing is taken
// inside it but the copied trail's own lock. No worker takes it today.
struct SharedTrailStore {
    platform::CriticalSection lock;
    std::unique_ptr<ObservationTrail> trail GUARDED_BY(lock);
};

SharedTrailStore& store()
{
    static SharedTrailStore shared;
    return shared;
}

} // namespace

void setSharedTrail(const ObservationTrail* trail)
{
    // Copy outside the mutex: the copy takes the source trail's own lock.
    std::unique_ptr<ObservationTrail> copy = trail ? std::make_unique<ObservationTrail>(*trail) : nullptr;
    SharedTrailStore& shared = store();
    platform::CriticalSectionGuard guard(shared.lock);
    shared.trail.swap(copy);
}

std::unique_ptr<ObservationTrail> sharedTrailCopy()
{
    SharedTrailStore& shared = store();
    platform::CriticalSectionGuard guard(shared.lock);
    return shared.trail ? std::make_unique<ObservationTrail>(*shared.trail) : nullptr;
}
