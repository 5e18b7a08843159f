#include "ephemeris/CycleFitter.h"

#include "ephemeris/LevenbergMarquardt.h"

#include <algorithm>

namespace {

// Iterations of the short searches, how many of their best go on, and their iterations then.
constexpr int kSurveyIterations = 40;
constexpr std::size_t kFollowedFits = 4;
constexpr int kFinalIterations = 1000;

} // namespace

CycleFitter::CycleFitter(const CycleModel& model, const LongitudeComparison& comparison)
    : model_(model)
    , comparison_(comparison)
{
}

std::vector<double> CycleFitter::residuals(const CycleModel::Parameters& parameters) const
{
    return comparison_.residuals(*model_.chain(parameters));
}

FittedCycles CycleFitter::fit() const
{
    const auto residualsOf = [this](const CycleModel::Parameters& parameters) { return residuals(parameters); };
    const LevenbergMarquardt survey(residualsOf, kSurveyIterations);
    std::vector<LevenbergMarquardt::Result> surveyed;
    for (const CycleModel::Parameters& start : model_.starts())
        surveyed.push_back(survey.minimise(start));
    const auto byFit = [](const auto& a, const auto& b) { return a.sumOfSquares < b.sumOfSquares; };
    std::sort(surveyed.begin(), surveyed.end(), byFit);
    surveyed.resize(std::min(surveyed.size(), kFollowedFits));

    const LevenbergMarquardt finish(residualsOf, kFinalIterations);
    LevenbergMarquardt::Result best = finish.minimise(surveyed.front().parameters);
    for (std::size_t k = 1; k < surveyed.size(); ++k) {
        LevenbergMarquardt::Result followed = finish.minimise(surveyed[k].parameters);
        if (followed.sumOfSquares < best.sumOfSquares)
            best = std::move(followed);
    }
    const CycleModel::Parameters parameters = model_.normalised(best.parameters);
    return { parameters, comparison_.error(*model_.chain(parameters)) };
}
