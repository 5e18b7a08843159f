#include "ptolemy/TrailLongitudes.h"

#include "ptolemy/SkyStrip.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Every record's longitude as a walk reads it, against the arc tangent of the record itself.
void expectEveryLongitudeRight(TrailLongitudes& longitudes, const ObservationTrail& trail)
{
    trail.Lock();
    longitudes.follow(trail);
    for (std::int32_t i = 0; i < trail.count(); ++i) {
        const Observation& record = trail.heldLogical(i);
        ASSERT_EQ(longitudes.at(i, record), SkyStrip::longitudeDegrees(record.x, record.y)) << "record " << i;
    }
    trail.Unlock();
}

void append(ObservationTrail& trail, double angle) { trail.Append(std::cos(angle), std::sin(angle), 0, 0, angle); }

} // namespace

// A kept longitude is the record's own however the trail moves on: appended past its
// capacity (records dropped, slots reused), cleared and filled with other records under the
// same numbers, resized, or walked while another trail is followed in between.
TEST(TrailLongitudes, KeptLongitudesFollowTheRecordsThroughAppendsClearsAndResizes)
{
    ObservationTrail trail(8);
    ObservationTrail other(3);
    append(other, 2.5);
    TrailLongitudes longitudes;
    for (int k = 0; k < 5; ++k)
        append(trail, 0.1 * k);
    expectEveryLongitudeRight(longitudes, trail);
    trail.Clear();
    for (int k = 0; k < 6; ++k)
        append(trail, -0.3 * k);
    expectEveryLongitudeRight(longitudes, trail);
    for (int k = 5; k < 21; ++k) {
        append(trail, 0.1 * k);
        expectEveryLongitudeRight(longitudes, trail);
    }
    expectEveryLongitudeRight(longitudes, other);
    trail.Resize(5);
    append(trail, 3.0);
    expectEveryLongitudeRight(longitudes, trail);
}
