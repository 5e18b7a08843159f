#pragma once
// Angles in radians, brought into range and shown in degrees.
#include <cmath>
#include <numbers>

namespace angles {

constexpr double kFullTurn = 2 * std::numbers::pi;

inline double degrees(double radians) { return radians * 180 / std::numbers::pi; }
inline double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The angle in -pi ... pi: the difference of two longitudes on either side of 0 is small.
inline double withinHalfTurn(double angle) { return std::remainder(angle, kFullTurn); }

// The angle in 0 ... 2 pi.
inline double withinTurn(double angle)
{
    const double reduced = std::fmod(angle, kFullTurn);
    return reduced < 0 ? reduced + kFullTurn : reduced;
}

} // namespace angles
