#include "documents/SharedTrail.h"

#include <mutex>

namespace {

struct SharedTrailStore {
    std::mutex mutex;
    std::unique_ptr<ObservationTrail> trail; // guarded by mutex
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
    std::lock_guard<std::mutex> guard(shared.mutex);
    shared.trail.swap(copy);
}

std::unique_ptr<ObservationTrail> sharedTrailCopy()
{
    SharedTrailStore& shared = store();
    std::lock_guard<std::mutex> guard(shared.mutex);
    return shared.trail ? std::make_unique<ObservationTrail>(*shared.trail) : nullptr;
}
