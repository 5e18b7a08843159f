#include "ptolemy/PtolemyBody.h"

#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyFlags.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<PtolemyOrbit> circle(double r, double om, std::unique_ptr<PtolemyOrbit> next = nullptr)
{
    return std::make_unique<PtolemyOrbit>("circle", 0, om, r, std::move(next));
}

TEST(PtolemyBodyModel, NewBodyHasTheDefaults)
{
    PtolemyBody body(nullptr);
    EXPECT_EQ(body.GetName(), "Orbit System");
    EXPECT_EQ(body.OrbCount(), 0);
    EXPECT_EQ(body.CopyChain(), nullptr);
    EXPECT_EQ(body.GetDisplayFlags(),
        ptolemy_flags::kLines | ptolemy_flags::kCircles | ptolemy_flags::kMatch | ptolemy_flags::kPlanet);
    EXPECT_EQ(body.GetOrbitColour(), makeColour(0, 0, 0));
    EXPECT_EQ(body.GetTraceColour(), makeColour(255, 0, 0));
    EXPECT_EQ(body.GetTrailLength(), 200);
    EXPECT_EQ(body.FullTrace().capacity(), 4000);
    EXPECT_EQ(body.GetDotInterval(), 10);
    EXPECT_EQ(body.GetAnimationSpeed(), 100);
    EXPECT_EQ(body.GetBandWidth(), 10);
    EXPECT_TRUE(body.IsVisible());
    EXPECT_EQ(body.BitmapName(), "planet");
    EXPECT_EQ(body.MatchFile(), "");
    EXPECT_DOUBLE_EQ(body.ViewExtent(0), 1.0);
}

TEST(PtolemyBodyModel, SetChainKeepsItsOwnCopy)
{
    PtolemyBody body(nullptr);
    auto chain = circle(2, 3, circle(10, 1));
    body.SetChain(chain.get());
    chain->r = 50;
    EXPECT_EQ(body.OrbCount(), 2);
    EXPECT_DOUBLE_EQ(body.ViewExtent(0), 5 + 10 + 2);
    auto copy = body.CopyChain();
    ASSERT_NE(copy, nullptr);
    EXPECT_DOUBLE_EQ(copy->r, 2);
    copy->r = 7;
    EXPECT_DOUBLE_EQ(body.Chain()->r, 2);
    body.SetChain(nullptr);
    EXPECT_EQ(body.OrbCount(), 0);
    EXPECT_EQ(body.FullTrace().count(), 0);
    EXPECT_DOUBLE_EQ(body.ViewExtent(0), 1.0);
}

TEST(PtolemyBodyModel, FullTraceHoldsOnePeriod)
{
    PtolemyBody body(nullptr);
    // One turn per unit of time: 2000 samples of 0.0005 make one period.
    const auto chain = circle(10, 1);
    body.SetChain(chain.get());
    const ObservationTrail& trace = body.FullTrace();
    EXPECT_GT(trace.count(), 9);
    EXPECT_LT(trace.count(), 4000);
    EXPECT_EQ(trace.start(), 0);
    EXPECT_NEAR(trace.scale(), 15, 1e-12);
    const Observation first = trace.record(0);
    EXPECT_DOUBLE_EQ(first.x, 10);
    EXPECT_DOUBLE_EQ(first.t, 0);
    const Observation last = trace.record(trace.count() - 1);
    EXPECT_NEAR(last.t, 1.0, 0.01);
    const Observation second = trace.record(1);
    EXPECT_DOUBLE_EQ(second.t, 0.0005);
    EXPECT_DOUBLE_EQ(second.az, std::atan2(second.y, second.x));
    EXPECT_DOUBLE_EQ(second.el, 0);
}

TEST(PtolemyBodyModel, SlowMotionDoublesTheStepUntilAPeriodFits)
{
    PtolemyBody body(nullptr);
    // A period of 4 time units. At steps of 0.0005 and 0.001 successive steps differ
    // by less than the tolerance (extent 15 x 0.00001), so the trace is cut after 6
    // records and the step doubles; at 0.002 the whole period (2000 steps) fits.
    const auto chain = circle(10, 0.25);
    body.SetChain(chain.get());
    const ObservationTrail& trace = body.FullTrace();
    EXPECT_DOUBLE_EQ(trace.record(1).t, 0.002);
    EXPECT_NEAR(trace.count(), 2001, 2);
}

TEST(PtolemyBodyModel, StandingChainEndsWithAFewRecords)
{
    PtolemyBody body(nullptr);
    const auto chain = circle(3, 0, circle(10, 0));
    body.SetChain(chain.get());
    const ObservationTrail& trace = body.FullTrace();
    EXPECT_LE(trace.count(), 9);
    EXPECT_GT(trace.count(), 0);
    // The last of the twelve attempts (step 1.024) stays.
    EXPECT_DOUBLE_EQ(trace.record(1).t, 1.024);
}

TEST(PtolemyBodyModel, FullTraceFollowsTheLatestChain)
{
    PtolemyBody body(nullptr);
    const auto slow = circle(10, 0.25);
    body.SetChain(slow.get());
    const auto fast = circle(3, 1);
    body.SetChain(fast.get());
    const ObservationTrail& trace = body.FullTrace();
    EXPECT_NEAR(trace.scale(), 8, 1e-12);
    EXPECT_DOUBLE_EQ(trace.record(0).x, 3);
    EXPECT_DOUBLE_EQ(trace.record(1).t, 0.0005);
    EXPECT_NEAR(trace.record(trace.count() - 1).t, 1.0, 0.01);
    body.SetChain(nullptr);
    EXPECT_EQ(body.FullTrace().count(), 0);
}

TEST(PtolemyBodyModel, AppendPositionRecordsThePlanetAndStopsAtLengthZero)
{
    PtolemyBody body(nullptr);
    body.AppendPosition(0.1);
    EXPECT_EQ(body.RunningTrail().count(), 0);
    const auto chain = circle(10, 1);
    body.SetChain(chain.get());
    body.AppendPosition(0.25);
    ASSERT_EQ(body.RunningTrail().count(), 1);
    const Observation record = body.RunningTrail().record(0);
    EXPECT_NEAR(record.y, 10, 1e-9);
    EXPECT_DOUBLE_EQ(record.t, 0.25);
    body.SetTrailLength(0);
    body.AppendPosition(0.5);
    EXPECT_EQ(body.RunningTrail().count(), 0);
    EXPECT_EQ(body.GetTrailLength(), 0);
    body.SetTrailLength(-4);
    EXPECT_EQ(body.GetTrailLength(), 0);
    body.SetTrailLength(2000);
    EXPECT_EQ(body.GetTrailLength(), 2000);
}

TEST(PtolemyBodyModel, SettersIgnoreValuesOutOfRange)
{
    PtolemyBody body(nullptr);
    body.SetDotInterval(0);
    body.SetAnimationSpeed(-1);
    body.SetBandWidth(0);
    EXPECT_EQ(body.GetDotInterval(), 10);
    EXPECT_EQ(body.GetAnimationSpeed(), 100);
    EXPECT_EQ(body.GetBandWidth(), 10);
    body.SetDotInterval(25);
    body.SetAnimationSpeed(499);
    body.SetBandWidth(1);
    EXPECT_EQ(body.GetDotInterval(), 25);
    EXPECT_EQ(body.GetAnimationSpeed(), 499);
    EXPECT_EQ(body.GetBandWidth(), 1);
    body.SetDisplayFlag(ptolemy_flags::kDots, true);
    body.SetDisplayFlag(ptolemy_flags::kLines, false);
    EXPECT_TRUE(body.GetDisplayFlags() & ptolemy_flags::kDots);
    EXPECT_FALSE(body.GetDisplayFlags() & ptolemy_flags::kLines);
    body.SetName(nullptr);
    EXPECT_EQ(body.GetName(), "");
}

TEST(PtolemyBodyModel, SettingListsOfferTheStatedValues)
{
    EXPECT_EQ(PtolemyBody::kTrailLengths[6].value, 2000);
    EXPECT_STREQ(PtolemyBody::kAnimationSpeeds[4].label, "fastest");
    EXPECT_EQ(PtolemyBody::kAnimationSpeeds[4].value, 499);
    EXPECT_EQ(PtolemyBody::kBandWidths[4].value, 25);
    EXPECT_STREQ(PtolemyBody::kBitmapNames[10], "earth");
}

TEST(PtolemyBodyModel, RandomizeIsRepeatableWithASeed)
{
    PtolemyBody first(nullptr);
    PtolemyBody second(nullptr);
    std::srand(42);
    first.Randomize();
    std::srand(42);
    second.Randomize();
    const PtolemyOrbit* a = first.Chain();
    const PtolemyOrbit* b = second.Chain();
    ASSERT_NE(a, nullptr);
    for (; a && b; a = a->next.get(), b = b->next.get()) {
        EXPECT_EQ(a->name, "Random Orb");
        EXPECT_DOUBLE_EQ(a->r, b->r);
        EXPECT_DOUBLE_EQ(a->om, b->om);
        EXPECT_DOUBLE_EQ(a->eqx, b->eqx);
    }
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
}

TEST(PtolemyBodyModel, RandomizeGivesFourToSevenOrbs)
{
    PtolemyBody body(nullptr);
    std::srand(5);
    bool seen[8] = {};
    for (int k = 0; k < 60; ++k) {
        body.Randomize();
        const int count = body.OrbCount();
        ASSERT_GE(count, 4);
        ASSERT_LE(count, 7);
        seen[count] = true;
    }
    EXPECT_TRUE(seen[4] && seen[5] && seen[6] && seen[7]);
}

TEST(PtolemyBodyModel, RandomizeDrawsTheOrbCountFirst)
{
    std::srand(9);
    const int expected = 4 + std::rand() % 4;
    PtolemyBody body(nullptr);
    std::srand(9);
    body.Randomize();
    EXPECT_EQ(body.OrbCount(), expected);
}

TEST(BodyListModel, InsertRemoveAndMerge)
{
    BodyList list(nullptr);
    EXPECT_EQ(list.Insert(1, nullptr), E_FAIL);
    ASSERT_EQ(list.Add(nullptr), S_OK);
    auto named = std::make_unique<PtolemyBody>(nullptr);
    named->SetName("first");
    ASSERT_EQ(list.Insert(0, std::move(named)), S_OK);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0)->GetName(), "first");
    EXPECT_EQ(list.Get(1)->GetName(), "Orbit System");
    EXPECT_EQ(list.Get(2), nullptr);
    EXPECT_EQ(list.Remove(2), E_FAIL);
    EXPECT_EQ(list.Remove(0), S_OK);
    EXPECT_EQ(list.Get(0)->GetName(), "Orbit System");

    BodyList other(nullptr);
    other.Add(nullptr);
    other.Get(0)->SetName("moved");
    PtolemyBody* moved = other.Get(0);
    list.MergeFrom(other);
    EXPECT_EQ(other.Count(), 0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(1), moved);
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0);
}

TEST(BodyListModel, FullListRefusesAndMergeReplacesWhenTooMany)
{
    BodyList list(nullptr);
    for (int k = 0; k < BodyList::kMaxBodies; ++k)
        ASSERT_EQ(list.Add(nullptr), S_OK);
    EXPECT_TRUE(list.IsFull());
    EXPECT_EQ(list.Add(nullptr), E_FAIL);
    EXPECT_EQ(list.Insert(0, std::make_unique<PtolemyBody>(nullptr)), E_FAIL);
    EXPECT_EQ(list.Count(), BodyList::kMaxBodies);

    BodyList incoming(nullptr);
    incoming.Add(nullptr);
    incoming.Get(0)->SetName("newcomer");
    list.MergeFrom(incoming);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0)->GetName(), "newcomer");
}

} // namespace
