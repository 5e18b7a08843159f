#pragma once
// The display flags of a system of cycles. The bits are shared with the draw
// requests of observer windows that show a Ptolemy universe (bit 0 there is the
// statistics view); each flag's draw argument is "draw_" followed by its name.
#include <cstdint>

namespace ptolemy_flags {

constexpr std::int32_t kAnimated = 0x10000; // trail segments coloured in moving bands
constexpr std::int32_t kMatch = 0x20000; // draw the observation trail and test the planet against it
constexpr std::int32_t kDots = 0x40000; // a dot every dotInterval records of the trail
constexpr std::int32_t kCircles = 0x80000; // every orb's circle with eccentric and equant markers
constexpr std::int32_t kLines = 0x100000; // the trail as connected segments
constexpr std::int32_t kFullTrace = 0x200000; // the one-period trace instead of the running trail
constexpr std::int32_t kDrag = 0x400000; // count dots from the oldest shown record
constexpr std::int32_t kEarth = 0x800000; // the Earth sprite at the origin (drawn by the universe)
constexpr std::int32_t kFormatted = 0x1000000; // the draw request's flags rule every body
constexpr std::int32_t kPlanet = 0x2000000; // the planet sprite at the body's position
// Of the window's draw request only (draw arguments "sky", "labels", "residuals", "frame" and "sun"):
constexpr std::int32_t kSky = 0x4000000; // the sky seen from the centre instead of the plane
constexpr std::int32_t kLabels = 0x8000000; // each system's name by its planet, each cycle's by its centre
// model minus observed longitude against time instead of the plane or the sky (see ResidualPlot)
constexpr std::int32_t kResiduals = 0x10000000;
// The plane seen from the universe's Sun system instead of the Earth (draw argument
// "frame=sun"; see SunFrame). The sky strip and the residual plot stay as they are.
constexpr std::int32_t kSunFrame = 0x20000000;
// Which system is the Sun (draw argument "sun=NAME"): the number of the name among the
// universe's Sun names, 0 for "Sun". The bits sit below the flags, which leave them free.
constexpr std::int32_t kSunNameMask = 0xff00;
constexpr int kSunNameShift = 8;

// What a new system shows, and a universe's default draw request.
constexpr std::int32_t kDefaultFlags = kLines | kCircles | kMatch | kPlanet;

} // namespace ptolemy_flags
