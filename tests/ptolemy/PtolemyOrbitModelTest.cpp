#include "ptolemy/PtolemyOrbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {

constexpr double kPi = 3.14159265358979323846;

std::unique_ptr<PtolemyOrbit> orb(double r, double om = 0, double phi = 0, std::unique_ptr<PtolemyOrbit> next = nullptr,
    double eccx = 0, double eccy = 0, double eqx = 0, double eqy = 0)
{
    return std::make_unique<PtolemyOrbit>("orb", phi, om, r, std::move(next), eccx, eccy, eqx, eqy);
}

// The time at which an orb with om = 1 and phi = 0 has turned by `angle`.
double timeOfAngle(double angle) { return angle / PtolemyOrbit::kTurn; }

TEST(PtolemyOrbitModel, PlainCircleTurnsByTheWrittenTurnConstant)
{
    const auto single = orb(10, 1, 0);
    const ModelPoint start = single->Position(0);
    EXPECT_DOUBLE_EQ(start.x, 10);
    EXPECT_DOUBLE_EQ(start.y, 0);
    const ModelPoint quarter = single->Position(0.25);
    EXPECT_NEAR(quarter.x, -0.00000023, 0.00000002);
    EXPECT_NEAR(quarter.y, 10, 1e-9);
    EXPECT_DOUBLE_EQ(single->Angle(0.25), 0.25 * 6.2831854);
}

TEST(PtolemyOrbitModel, EquantPointsLieOnTheCircleAndTurnAboutTheEquant)
{
    const auto withEquant = orb(10, 1, 0, nullptr, 0, 0, 2, 0);
    EXPECT_TRUE(withEquant->hasEquant);
    const ModelPoint zero = withEquant->Position(0);
    EXPECT_NEAR(zero.x, 10, 1e-9);
    EXPECT_NEAR(zero.y, 0, 1e-9);
    const ModelPoint up = withEquant->Position(timeOfAngle(kPi / 2));
    EXPECT_NEAR(up.x, 2, 1e-6);
    EXPECT_NEAR(up.y, 9.797959, 1e-6);
    const ModelPoint back = withEquant->Position(timeOfAngle(kPi));
    EXPECT_NEAR(back.x, -10, 1e-6);
    EXPECT_NEAR(back.y, 0, 1e-6);
    for (int k = 0; k < 36; ++k) {
        const ModelPoint p = withEquant->Position(k * 0.0277);
        EXPECT_NEAR(std::hypot(p.x, p.y), 10, 1e-9) << "at step " << k;
    }
}

TEST(PtolemyOrbitModel, EquantOutsideTheCircleGivesFinitePositions)
{
    const auto farEquant = orb(2, 1, 0, nullptr, 0, 0, 5, 0);
    for (int k = 0; k < 100; ++k) {
        const ModelPoint p = farEquant->Position(k * 0.01);
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "at step " << k;
    }
    // Looking straight up from (5, 0) the sight line misses the circle: the point of
    // nearest approach, on the line, is taken.
    const ModelPoint up = farEquant->Position(timeOfAngle(kPi / 2));
    EXPECT_NEAR(up.x, 5, 1e-9);
    EXPECT_NEAR(up.y, 0, 1e-6);
}

TEST(PtolemyOrbitModel, EquantAtTheCentreIsNoEquant)
{
    const auto centred = orb(10, 1, 0.3, nullptr, 0, 0, 0, 0);
    EXPECT_FALSE(centred->hasEquant);
    EXPECT_FALSE(centred->hasEccentric);
    const ModelPoint p = centred->Position(0.1);
    const double theta = 0.1 * PtolemyOrbit::kTurn + 0.3;
    EXPECT_DOUBLE_EQ(p.x, 10 * std::cos(theta));
    EXPECT_DOUBLE_EQ(p.y, 10 * std::sin(theta));
}

TEST(PtolemyOrbitModel, EccentricDeferentCarriesEpicycle)
{
    const auto chain = orb(2, 0, kPi / 2, orb(10, 0, 0, nullptr, 1, 0));
    const ModelPoint planet = chain->Position(0);
    EXPECT_NEAR(planet.x, 11, 1e-9);
    EXPECT_NEAR(planet.y, 2, 1e-9);
    const ModelPoint carrier = chain->CarrierPosition(0);
    EXPECT_NEAR(carrier.x, 11, 1e-9);
    EXPECT_NEAR(carrier.y, 0, 1e-9);
    EXPECT_DOUBLE_EQ(chain->Extent(), 5 + 10 + 1 + 2);
    EXPECT_EQ(chain->ChainLength(), 2);
}

TEST(PtolemyOrbitModel, ExtentCountsEccentricsButNotEquants)
{
    const auto chain = orb(3, 0, 0, nullptr, 3, 4, 7, 7);
    EXPECT_DOUBLE_EQ(chain->Extent(), 5 + 3 + 5);
}

TEST(PtolemyOrbitModel, CopyIsDeepAndKeepsNamesAndFlags)
{
    auto original = std::make_unique<PtolemyOrbit>(
        "outer", 0.5, 2, 3, std::make_unique<PtolemyOrbit>("inner", 0, 1, 10, nullptr, 1, 0, 0, 2));
    const auto copy = original->Copy();
    original->next->r = 99;
    original->next->name = "changed";
    ASSERT_NE(copy->next, nullptr);
    EXPECT_NE(copy->next.get(), original->next.get());
    EXPECT_EQ(copy->name, "outer");
    EXPECT_EQ(copy->next->name, "inner");
    EXPECT_DOUBLE_EQ(copy->next->r, 10);
    EXPECT_TRUE(copy->next->hasEccentric);
    EXPECT_TRUE(copy->next->hasEquant);
    EXPECT_EQ(copy->next->next, nullptr);
}

TEST(PtolemyOrbitModel, NamesAreCutTo32Characters)
{
    const std::string forty(40, 'n');
    PtolemyOrbit named(forty.c_str(), 0, 0, 1, nullptr);
    EXPECT_EQ(named.Name(), std::string(32, 'n'));
    named.SetName(nullptr);
    EXPECT_EQ(named.Name(), "");
    named.SetName("Deferent");
    EXPECT_EQ(named.Name(), "Deferent");
}

TEST(PtolemyOrbitModel, LongChainsNeitherRecurseNorLoseOrbs)
{
    std::unique_ptr<PtolemyOrbit> chain;
    for (int k = 0; k < 200000; ++k)
        chain = orb(1, 0, 0, std::move(chain));
    EXPECT_EQ(chain->ChainLength(), 200000);
    EXPECT_NEAR(chain->Position(0).x, 200000, 1e-6);
    const auto copy = chain->Copy();
    EXPECT_EQ(copy->ChainLength(), 200000);
}

TEST(PtolemyOrbitModel, HugeValuesNeverGiveNotANumber)
{
    const double huge = std::numeric_limits<double>::max();
    const auto wild = orb(huge, 1, 0, nullptr, 0, 0, huge, huge);
    const ModelPoint p = wild->Position(0.3);
    EXPECT_FALSE(std::isnan(p.x));
    EXPECT_FALSE(std::isnan(p.y));
}

TEST(PtolemyOrbitModel, RandomOrbDrawsInTheStatedOrder)
{
    // Replay the draws by hand with the same seed.
    std::srand(1234);
    auto randomReal = [](double lo, double hi) {
        const int c = 1 + std::rand() % 8;
        return lo + static_cast<double>(std::rand() % (c + 1)) / c * (hi - lo);
    };
    const double r = randomReal(0.1, 50);
    const bool offsets = std::rand() % 4 == 0;
    double values[4] = { 0, 0, 0, 0 };
    if (offsets) {
        for (double& v : values) {
            const int c = 1 + std::rand() % 8;
            v = r * -0.3472222222222222 + static_cast<double>(std::rand() % (c + 1)) / c * (r * 0.6944444444444444);
        }
    }
    const double om = randomReal(-25, 25);
    const double phi = randomReal(0, 6.2831854);

    std::srand(1234);
    const auto random = PtolemyOrbit::RandomOrb(nullptr);
    EXPECT_EQ(random->name, "Random Orb");
    EXPECT_DOUBLE_EQ(random->r, r);
    EXPECT_DOUBLE_EQ(random->om, om);
    EXPECT_DOUBLE_EQ(random->phi, phi);
    EXPECT_DOUBLE_EQ(random->eccx, values[0]);
    EXPECT_DOUBLE_EQ(random->eccy, values[1]);
    EXPECT_DOUBLE_EQ(random->eqx, values[2]);
    EXPECT_DOUBLE_EQ(random->eqy, values[3]);
}

TEST(PtolemyOrbitModel, RandomOrbsStayInTheirRanges)
{
    std::srand(77);
    int withOffsets = 0;
    for (int k = 0; k < 400; ++k) {
        const auto random = PtolemyOrbit::RandomOrb(nullptr);
        EXPECT_GE(random->r, 0.1);
        EXPECT_LE(random->r, 50);
        EXPECT_GE(random->om, -25);
        EXPECT_LE(random->om, 25);
        EXPECT_GE(random->phi, 0);
        EXPECT_LE(random->phi, 6.2831854);
        EXPECT_LE(std::fabs(random->eccx), random->r * 25 / 72 + 1e-12);
        if (random->hasEccentric || random->hasEquant)
            ++withOffsets;
    }
    // One in four on average: far from none and far from all.
    EXPECT_GT(withOffsets, 40);
    EXPECT_LT(withOffsets, 200);
}

} // namespace
