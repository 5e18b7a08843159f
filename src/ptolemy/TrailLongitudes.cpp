#include "ptolemy/TrailLongitudes.h"

#include "ptolemy/SkyStrip.h"

#include <algorithm>

void TrailLongitudes::follow(const ObservationTrail& trail)
{
    const std::uint64_t epoch = trail.appendEpoch();
    // A slot for each record the trail can hold: a record's slot is its number modulo that.
    const auto slots = static_cast<std::size_t>(std::max(trail.capacity(), 1));
    if (epoch != epoch_ || slots != sequences_.size()) {
        epoch_ = epoch;
        sequences_.assign(slots, -1);
        degrees_.assign(slots, 0.0);
    }
    firstSequence_ = trail.firstSequence();
}

double TrailLongitudes::at(std::int32_t i, const Observation& record)
{
    const std::int64_t sequence = firstSequence_ + i;
    if (sequence < 0 || sequences_.empty())
        return SkyStrip::longitudeDegrees(record.x, record.y);
    const auto slot = static_cast<std::size_t>(sequence % static_cast<std::int64_t>(sequences_.size()));
    if (sequences_[slot] != sequence) {
        sequences_[slot] = sequence;
        degrees_[slot] = SkyStrip::longitudeDegrees(record.x, record.y);
    }
    return degrees_[slot];
}
