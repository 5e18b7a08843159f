#pragma once
// Where a drawing puts the records of a trail: where they were recorded (the Earth-centred
// plane), or in a Sun-centred frame (see SunFrame), each record less the Sun at the record's
// own time. There the Sun system's own trail becomes the Earth's path: each of its records is
// the Sun seen from the Earth, so the Earth seen from the Sun is the record reflected.
#include "documents/ObservationTrail.h"
#include "platform/HashCombine.h"
#include "ptolemy/SunFrame.h"

#include <cstdint>

class PtolemyBody;

class RecordPlacement {
public:
    // As recorded.
    RecordPlacement() = default;
    // In `frame`, for the trail of `system`.
    RecordPlacement(const SunFrame& frame, const PtolemyBody& system)
        : frame_(&frame)
        , earthPath_(frame.isSun(system))
    {
    }

    ModelPoint at(const Observation& record) const
    {
        if (!frame_)
            return { record.x, record.y };
        if (earthPath_)
            return { -record.x, -record.y };
        return frame_->fromSun({ record.x, record.y }, record.t);
    }
    // Changes when the places of the same records do; 0 as recorded.
    std::uint64_t key() const
    {
        return frame_ ? platform::hashCombine(frame_->key(), std::uint64_t { earthPath_ }) : 0;
    }

private:
    const SunFrame* frame_ = nullptr;
    bool earthPath_ = false;
};
