#include "documents/ObservationTrail.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>

namespace {

// Record number n has x = n and distinct other fields, so its origin can be told.
void appendNumbered(ObservationTrail& trail, int n) { trail.Append(n, 100.0 + n, 200.0 + n, 300.0 + n, 400.0 + n); }

void appendNumbered(ObservationTrail& trail, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        appendNumbered(trail, n);
    }
}

// The x values in logical order.
std::vector<double> logicalX(const ObservationTrail& trail)
{
    std::vector<double> values;
    for (std::int32_t i = 0; i < trail.count(); ++i) {
        values.push_back(trail.logical(i).x);
    }
    return values;
}

std::vector<double> numbers(int first, int last)
{
    std::vector<double> values;
    for (int n = first; n <= last; ++n) {
        values.push_back(n);
    }
    return values;
}

ObservationTrail trailOfCapacity(std::int32_t capacity)
{
    ObservationTrail trail(1);
    trail.Resize(capacity);
    return trail;
}

} // namespace

TEST(ObservationTrailRing, NewTrailIsEmpty)
{
    ObservationTrail trail(10);
    EXPECT_EQ(trail.capacity(), 10);
    EXPECT_EQ(trail.count(), 0);
    EXPECT_EQ(trail.start(), 0);
    EXPECT_EQ(trail.scale(), 0.0);
}

TEST(ObservationTrailRing, CapacityZeroHoldsNothing)
{
    ObservationTrail trail = trailOfCapacity(0);
    appendNumbered(trail, 1, 3);
    EXPECT_EQ(trail.capacity(), 0);
    EXPECT_EQ(trail.count(), 0);
    EXPECT_EQ(trail.start(), 0);
    EXPECT_EQ(trail.x(0), 0.0);
    EXPECT_EQ(trail.logical(0).x, 0.0);
}

TEST(ObservationTrailRing, CapacityOneKeepsTheNewestRecord)
{
    ObservationTrail trail(1);
    appendNumbered(trail, 1, 2);
    EXPECT_EQ(trail.count(), 1);
    EXPECT_EQ(trail.start(), 0);
    EXPECT_EQ(trail.x(0), 2.0);
    EXPECT_EQ(trail.t(0), 402.0);
}

TEST(ObservationTrailRing, FullRingDropsTheOldest)
{
    ObservationTrail trail = trailOfCapacity(10);
    appendNumbered(trail, 1, 12);
    EXPECT_EQ(trail.count(), 10);
    EXPECT_EQ(trail.start(), 2);
    EXPECT_EQ(logicalX(trail), numbers(3, 12));
    // The logical order is the storage walked from start.
    for (std::int32_t i = 0; i < trail.count(); ++i) {
        EXPECT_EQ(trail.x((trail.start() + i) % trail.capacity()), trail.logical(i).x);
    }
}

// Walks that hold the lock read records by logical position: at every place the ring
// can have wrapped to, they read what the locking accessor reads.
TEST(ObservationTrailRing, HeldWalksReadTheLogicalOrderAtEveryWrap)
{
    ObservationTrail trail = trailOfCapacity(7);
    for (int appended = 1; appended <= 16; ++appended) {
        appendNumbered(trail, appended);
        trail.Lock();
        for (std::int32_t i = 0; i < trail.count(); ++i)
            ASSERT_EQ(trail.heldLogical(i).x, trail.logical(i).x) << appended << " appended, position " << i;
        trail.Unlock();
    }
}

TEST(ObservationTrailRing, AccessorsReadEveryFieldOfAStorageSlot)
{
    ObservationTrail trail = trailOfCapacity(3);
    trail.Append(1.5, -2.5, 0.25, -0.75, 12.0);
    const Observation record = trail.record(0);
    EXPECT_EQ(record.x, 1.5);
    EXPECT_EQ(trail.x(0), 1.5);
    EXPECT_EQ(trail.y(0), -2.5);
    EXPECT_EQ(trail.az(0), 0.25);
    EXPECT_EQ(trail.el(0), -0.75);
    EXPECT_EQ(trail.t(0), 12.0);
}

TEST(ObservationTrailRing, AccessorsOutsideTheStorageReadZero)
{
    ObservationTrail trail = trailOfCapacity(2);
    appendNumbered(trail, 5, 6);
    EXPECT_EQ(trail.x(-1), 0.0);
    EXPECT_EQ(trail.y(2), 0.0);
    EXPECT_EQ(trail.az(1000), 0.0);
    EXPECT_EQ(trail.record(2).t, 0.0);
    EXPECT_EQ(trail.logical(2).x, 0.0);
    EXPECT_EQ(trail.logical(-1).x, 0.0);
}

TEST(ObservationTrailRing, ClearKeepsYearsScaleAndStorage)
{
    ObservationTrail trail = trailOfCapacity(10);
    trail.setYears(1600, 1620);
    trail.setScale(2.0);
    appendNumbered(trail, 1, 12);
    trail.Clear();
    EXPECT_EQ(trail.count(), 0);
    EXPECT_EQ(trail.start(), 0);
    EXPECT_EQ(trail.capacity(), 10);
    EXPECT_EQ(trail.startYear(), 1600);
    EXPECT_EQ(trail.endYear(), 1620);
    EXPECT_EQ(trail.scale(), 2.0);
    appendNumbered(trail, 20);
    EXPECT_EQ(logicalX(trail), numbers(20, 20));
}

TEST(ObservationTrailRing, CopyTakesEveryFieldAndTheWholeStorage)
{
    ObservationTrail original = trailOfCapacity(4);
    original.setYears(-50, 75);
    original.setScale(3.5);
    appendNumbered(original, 1, 6);
    const ObservationTrail copy(original);
    EXPECT_EQ(copy.capacity(), 4);
    EXPECT_EQ(copy.start(), original.start());
    EXPECT_EQ(copy.count(), 4);
    EXPECT_EQ(copy.startYear(), -50);
    EXPECT_EQ(copy.endYear(), 75);
    EXPECT_EQ(copy.scale(), 3.5);
    for (std::int32_t k = 0; k < 4; ++k) {
        EXPECT_EQ(copy.x(k), original.x(k));
        EXPECT_EQ(copy.t(k), original.t(k));
    }
    original.Clear();
    EXPECT_EQ(logicalX(copy), numbers(3, 6));
}

TEST(ObservationTrailResize, UnwrappedTrailThatShrinksKeepsItsNewest)
{
    ObservationTrail trail = trailOfCapacity(10);
    appendNumbered(trail, 1, 8);
    trail.Resize(5);
    EXPECT_EQ(trail.capacity(), 5);
    EXPECT_EQ(trail.start(), 0);
    EXPECT_EQ(trail.count(), 5);
    EXPECT_EQ(logicalX(trail), numbers(4, 8));
}

TEST(ObservationTrailResize, UnwrappedTrailThatGrowsKeepsEverything)
{
    ObservationTrail trail = trailOfCapacity(10);
    appendNumbered(trail, 1, 8);
    trail.Resize(20);
    EXPECT_EQ(trail.capacity(), 20);
    EXPECT_EQ(trail.count(), 8);
    EXPECT_EQ(logicalX(trail), numbers(1, 8));
    EXPECT_EQ(trail.t(7), 408.0);
}

TEST(ObservationTrailResize, WrappedTrailThatShrinksKeepsItsOldest)
{
    ObservationTrail trail = trailOfCapacity(10);
    appendNumbered(trail, 1, 12);
    trail.Resize(5);
    EXPECT_EQ(trail.capacity(), 5);
    EXPECT_EQ(trail.start(), 0);
    EXPECT_EQ(trail.count(), 5);
    EXPECT_EQ(logicalX(trail), numbers(3, 7));
}

TEST(ObservationTrailResize, WrappedTrailShrinkingWithinItsTail)
{
    ObservationTrail trail = trailOfCapacity(10);
    appendNumbered(trail, 1, 12); // start 2: the tail holds 8 records
    trail.Resize(9);
    EXPECT_EQ(trail.count(), 9);
    EXPECT_EQ(logicalX(trail), numbers(3, 11));
}

TEST(ObservationTrailResize, WrappedTrailThatGrowsKeepsEverythingInOrder)
{
    ObservationTrail trail = trailOfCapacity(10);
    appendNumbered(trail, 1, 17);
    trail.Resize(15);
    EXPECT_EQ(trail.start(), 0);
    EXPECT_EQ(trail.count(), 10);
    EXPECT_EQ(logicalX(trail), numbers(8, 17));
    appendNumbered(trail, 18, 23);
    EXPECT_EQ(logicalX(trail), numbers(9, 23));
}

TEST(ObservationTrailResize, SameCapacityChangesNothing)
{
    ObservationTrail trail = trailOfCapacity(10);
    appendNumbered(trail, 1, 13);
    trail.Resize(10);
    EXPECT_EQ(trail.start(), 3);
    EXPECT_EQ(logicalX(trail), numbers(4, 13));
}

TEST(ObservationTrailResize, ToZeroAndBack)
{
    ObservationTrail trail = trailOfCapacity(10);
    appendNumbered(trail, 1, 4);
    trail.Resize(0);
    EXPECT_EQ(trail.capacity(), 0);
    EXPECT_EQ(trail.count(), 0);
    trail.Resize(3);
    EXPECT_EQ(trail.count(), 0);
    appendNumbered(trail, 7);
    EXPECT_EQ(logicalX(trail), numbers(7, 7));
}

TEST(ObservationTrailResize, NegativeCapacityIsIgnored)
{
    ObservationTrail trail = trailOfCapacity(4);
    appendNumbered(trail, 1, 3);
    trail.Resize(-1);
    EXPECT_EQ(trail.capacity(), 4);
    EXPECT_EQ(logicalX(trail), numbers(1, 3));
}

TEST(ObservationTrailStep, DifferenceToTheNextStorageSlot)
{
    ObservationTrail trail = trailOfCapacity(3);
    trail.Append(1.0, 2.0, 0, 0, 0);
    trail.Append(4.0, 0.5, 0, 0, 0);
    const TrailStep step = trail.Step(0);
    EXPECT_EQ(step.x, 3.0);
    EXPECT_EQ(step.y, -1.5);
}

TEST(ObservationTrailStep, StepFromTheLastSlotOrOutsideIsZero)
{
    ObservationTrail trail = trailOfCapacity(3);
    appendNumbered(trail, 1, 3);
    for (std::int32_t index : { 2, 3, -1 }) {
        const TrailStep step = trail.Step(index);
        EXPECT_EQ(step.x, 0.0) << index;
        EXPECT_EQ(step.y, 0.0) << index;
    }
}

namespace {

// 4000 samples of a circle of radius `radius`, `perPeriod` samples to one turn.
ObservationTrail sampledCircle(int perPeriod, double radius)
{
    ObservationTrail trail = trailOfCapacity(4000);
    trail.setScale(radius);
    for (int i = 0; i < 4000; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / perPeriod;
        trail.Append(radius * std::cos(angle) + 3.0, radius * std::sin(angle) - 1.0, angle, 0.0, i);
    }
    return trail;
}

// The first multiple of the period from index 5 on, plus the record that starts the next period.
std::int32_t expectedTrimmedCount(int perPeriod)
{
    int firstRepeat = perPeriod;
    while (firstRepeat < 5) {
        firstRepeat += perPeriod;
    }
    return firstRepeat + 1;
}

} // namespace

class ObservationTrailTrim : public testing::TestWithParam<int> { };

TEST_P(ObservationTrailTrim, CircleIsCutAfterOnePeriod)
{
    const int perPeriod = GetParam();
    ObservationTrail trail = sampledCircle(perPeriod, 250.0);
    trail.TrimToPeriod();
    EXPECT_EQ(trail.count(), expectedTrimmedCount(perPeriod));
    EXPECT_GE(trail.count(), 6);
    EXPECT_EQ(trail.capacity(), 4000);
    EXPECT_EQ(trail.t(trail.count() - 1), trail.count() - 1.0);
}

INSTANTIATE_TEST_SUITE_P(SamplesPerPeriod, ObservationTrailTrim, testing::Values(1, 2, 3, 5, 6, 8, 50, 360, 1000));

TEST(ObservationTrailTrimEdges, ScaleZeroMatchesNothing)
{
    ObservationTrail trail = sampledCircle(100, 250.0);
    trail.setScale(0.0);
    trail.TrimToPeriod();
    EXPECT_EQ(trail.count(), 4000);
}

TEST(ObservationTrailTrimEdges, MotionThatNeverRepeatsIsLeftWhole)
{
    ObservationTrail trail = trailOfCapacity(400);
    trail.setScale(1.0);
    for (int i = 0; i < 400; ++i) {
        trail.Append(i, 0.5 * i * i, 0, 0, i);
    }
    trail.TrimToPeriod();
    EXPECT_EQ(trail.count(), 400);
}

TEST(ObservationTrailTrimEdges, ShortOrEmptyTrailsAreLeftAlone)
{
    ObservationTrail empty = trailOfCapacity(10);
    empty.setScale(1.0);
    empty.TrimToPeriod();
    EXPECT_EQ(empty.count(), 0);

    ObservationTrail line = trailOfCapacity(10);
    line.setScale(1.0);
    appendNumbered(line, 1, 6); // constant steps, but index 5 has no successor
    line.TrimToPeriod();
    EXPECT_EQ(line.count(), 6);
}

TEST(ObservationTrailConcurrency, ReadersAndCopiesSeeConsistentRecordsWhileAppending)
{
    ObservationTrail trail = trailOfCapacity(50);
    std::atomic<bool> done { false };
    std::thread writer([&] {
        for (int n = 0; n < 20000; ++n) {
            appendNumbered(trail, n);
            if (n % 1000 == 0) {
                trail.Resize(n % 2000 == 0 ? 60 : 50);
            }
        }
        done = true;
    });
    int inconsistent = 0;
    while (!done) {
        for (std::int32_t k = 0; k < 60; ++k) {
            const Observation record = trail.record(k);
            if (record.t != 0.0 && record.t != 400.0 + record.x) {
                ++inconsistent;
            }
        }
        const ObservationTrail copy(trail);
        if (copy.count() > copy.capacity()) {
            ++inconsistent;
        }
    }
    writer.join();
    EXPECT_EQ(inconsistent, 0);
}
