#pragma once
// Least squares by Levenberg and Marquardt: finds parameters that make the sum of the
// squared residuals smallest, from a start near enough to the minimum. Derivatives are
// taken by forward differences, so any residual function will do.
#include <functional>
#include <vector>

class LevenbergMarquardt {
public:
    using Parameters = std::vector<double>;
    using ResidualFunction = std::function<std::vector<double>(const Parameters&)>;

    struct Result {
        Parameters parameters;
        double sumOfSquares = 0;
    };

    LevenbergMarquardt(ResidualFunction residuals, int maxIterations);

    Result minimise(Parameters start) const;

private:
    // Column j holds the derivatives of the residuals by parameter j.
    std::vector<std::vector<double>> jacobian(const Parameters& at, const std::vector<double>& residualsAt) const;
    // The step that solves (J'J + damping diag(J'J)) step = -J'r; empty when singular.
    static Parameters dampedStep(
        const std::vector<std::vector<double>>& columns, const std::vector<double>& residuals, double damping);

    ResidualFunction residuals_;
    int maxIterations_;
};
