#pragma once
// The process-wide shared trail: a copy of the last published observation trail,
// read by the Kepler universe's "Update Obs" button. Empty at start.
//
// Threading: any thread may publish or read; a mutex guards the stored copy, and
// readers receive a copy of their own, so nothing is shared after the call returns.
// See docs/threads.md.
#include "documents/ObservationTrail.h"

#include <memory>

// Stores a copy of `trail` as the shared trail; null empties it.
void setSharedTrail(const ObservationTrail* trail);

// A copy of the shared trail, owned by the caller; null when it is empty.
std::unique_ptr<ObservationTrail> sharedTrailCopy();
