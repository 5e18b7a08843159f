#include "ephemeris/LevenbergMarquardt.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace {

double sumOfSquares(const std::vector<double>& values)
{
    return std::inner_product(values.begin(), values.end(), values.begin(), 0.0);
}

// Solves the symmetric system `matrix` x = `right` by Gaussian elimination with partial
// pivoting; empty when the matrix is singular.
std::vector<double> solve(std::vector<std::vector<double>> matrix, std::vector<double> right)
{
    const std::size_t n = right.size();
    for (std::size_t column = 0; column < n; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column + 1; row < n; ++row)
            if (std::fabs(matrix[row][column]) > std::fabs(matrix[pivot][column]))
                pivot = row;
        if (!(std::fabs(matrix[pivot][column]) > 0))
            return {};
        std::swap(matrix[pivot], matrix[column]);
        std::swap(right[pivot], right[column]);
        for (std::size_t row = column + 1; row < n; ++row) {
            const double factor = matrix[row][column] / matrix[column][column];
            for (std::size_t k = column; k < n; ++k)
                matrix[row][k] -= factor * matrix[column][k];
            right[row] -= factor * right[column];
        }
    }
    std::vector<double> solution(n);
    for (std::size_t row = n; row-- > 0;) {
        double value = right[row];
        for (std::size_t k = row + 1; k < n; ++k)
            value -= matrix[row][k] * solution[k];
        solution[row] = value / matrix[row][row];
    }
    return solution;
}

} // namespace

LevenbergMarquardt::LevenbergMarquardt(ResidualFunction residuals, int maxIterations)
    : residuals_(std::move(residuals))
    , maxIterations_(maxIterations)
{
}

LevenbergMarquardt::Result LevenbergMarquardt::minimise(Parameters start) const
{
    // Damping grows while steps fail and shrinks while they succeed; the search ends when
    // a step no longer improves the fit by a relative millionth of a millionth.
    constexpr double kStartingDamping = 1e-3;
    constexpr double kSmallestImprovement = 1e-12;
    constexpr double kLargestDamping = 1e12;
    Result best { std::move(start), 0 };
    std::vector<double> residuals = residuals_(best.parameters);
    best.sumOfSquares = sumOfSquares(residuals);
    double damping = kStartingDamping;
    for (int iteration = 0; iteration < maxIterations_ && damping < kLargestDamping; ++iteration) {
        const std::vector<std::vector<double>> columns = jacobian(best.parameters, residuals);
        const Parameters step = dampedStep(columns, residuals, damping);
        if (step.empty()) {
            damping *= 10;
            continue;
        }
        Parameters trial = best.parameters;
        for (std::size_t j = 0; j < trial.size(); ++j)
            trial[j] += step[j];
        std::vector<double> trialResiduals = residuals_(trial);
        const double trialSum = sumOfSquares(trialResiduals);
        if (!(trialSum < best.sumOfSquares)) {
            damping *= 10;
            continue;
        }
        const bool converged = best.sumOfSquares - trialSum <= kSmallestImprovement * best.sumOfSquares;
        best = Result { std::move(trial), trialSum };
        residuals = std::move(trialResiduals);
        damping /= 10;
        if (converged)
            break;
    }
    return best;
}

std::vector<std::vector<double>> LevenbergMarquardt::jacobian(
    const Parameters& at, const std::vector<double>& residualsAt) const
{
    // A relative step of about the square root of the double's precision.
    constexpr double kRelativeStep = 1.5e-8;
    std::vector<std::vector<double>> columns(at.size());
    for (std::size_t j = 0; j < at.size(); ++j) {
        Parameters moved = at;
        const double h = kRelativeStep * std::max(1.0, std::fabs(at[j]));
        moved[j] += h;
        const std::vector<double> movedResiduals = residuals_(moved);
        columns[j].resize(residualsAt.size());
        for (std::size_t i = 0; i < residualsAt.size(); ++i)
            columns[j][i] = (movedResiduals[i] - residualsAt[i]) / h;
    }
    return columns;
}

LevenbergMarquardt::Parameters LevenbergMarquardt::dampedStep(
    const std::vector<std::vector<double>>& columns, const std::vector<double>& residuals, double damping)
{
    const std::size_t n = columns.size();
    std::vector<std::vector<double>> normal(n, std::vector<double>(n));
    std::vector<double> gradient(n);
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t k = 0; k <= j; ++k)
            normal[j][k] = normal[k][j]
                = std::inner_product(columns[j].begin(), columns[j].end(), columns[k].begin(), 0.0);
        gradient[j] = -std::inner_product(columns[j].begin(), columns[j].end(), residuals.begin(), 0.0);
    }
    // A parameter that moves nothing (the apogee of a centred circle) keeps a little
    // damping of its own, so that the system stays solvable and the parameter stays put.
    constexpr double kSmallestCurvature = 1e-12;
    for (std::size_t j = 0; j < n; ++j)
        normal[j][j] += damping * std::max(normal[j][j], kSmallestCurvature);
    return solve(std::move(normal), std::move(gradient));
}
