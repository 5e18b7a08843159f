// A universe given back a state holds everything a user changed exactly as it was: what a
// Save writes (every number to the last bit, beyond the file's six decimals), the display
// settings no file keeps and the observations it is matched against.
#include "ptolemy/UniverseState.h"

#include "documents/ObservationTrail.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseFile.h"
#include "ptolemy/UniverseLocks.h"

#include <gtest/gtest.h>

namespace {

std::string fileText(PtolemyUniverse& universe)
{
    std::string text;
    std::error_code error;
    EXPECT_TRUE(SUCCEEDED(WriteUniverseText(universe, text, error))) << error.message();
    return text;
}

PtolemyBody& system(PtolemyUniverse& universe, std::int32_t index)
{
    UniverseLock lock(&universe);
    return *universe.Bodies().Get(index);
}

std::int32_t systemCount(PtolemyUniverse& universe)
{
    UniverseLock lock(&universe);
    return universe.Bodies().Count();
}

} // namespace

TEST(UniverseStateModel, AUniverseGivenBackAStateHoldsEverythingAsItWas)
{
    PtolemyUniverse universe;
    {
        UniverseAndClockLock lock(&universe);
        universe.Bodies().Add(nullptr);
    }
    PtolemyBody& second = system(universe, 1);
    second.SetName("Mars");
    second.SetChain(PtolemyOrbit("deferent", 0.1234567891, 1, 60, nullptr, 1.0e-9).Copy().get());
    second.SetTraceColour(makeColour(12, 34, 56));
    second.SetDisplayFlags(ptolemy_flags::kLines | ptolemy_flags::kDots);
    second.SetVisible(false);
    second.SetTrailLength(500);
    second.SetDotInterval(3);
    ObservationTrail observed(4);
    observed.Append(1, 2, 0.5, 0.25, 0.75);
    second.SetMatchTrail(&observed);
    second.SetMatchFile("AstreonFiles/Mars Observed.obs");
    universe.SetShownFile("AstreonFiles/Mars.ptu");
    const UniverseState before = UniverseState::of(universe);
    const std::string savedBefore = fileText(universe);

    universe.RandomizeAll();
    second.SetMatchTrail(nullptr);
    second.SetVisible(true);
    second.SetTrailLength(20);
    {
        UniverseAndClockLock lock(&universe);
        universe.Bodies().Remove(0);
    }
    ASSERT_FALSE(UniverseState::of(universe) == before);

    before.restoreInto(universe);

    EXPECT_TRUE(UniverseState::of(universe) == before);
    EXPECT_EQ(fileText(universe), savedBefore);
    ASSERT_EQ(systemCount(universe), 2);
    PtolemyBody& given = system(universe, 1);
    EXPECT_EQ(given.Chain()->phi, 0.1234567891) << "beyond the file's six decimals";
    EXPECT_EQ(given.Chain()->eccx, 1.0e-9);
    EXPECT_EQ(given.GetDisplayFlags(), ptolemy_flags::kLines | ptolemy_flags::kDots);
    EXPECT_FALSE(given.IsVisible());
    EXPECT_EQ(given.GetTrailLength(), 500);
    EXPECT_EQ(given.GetDotInterval(), 3);
    ASSERT_NE(given.matchTrail(), nullptr);
    EXPECT_EQ(given.matchTrail()->logical(0).t, 0.75);
    EXPECT_EQ(universe.ShownFile(), "AstreonFiles/Mars.ptu");
}
