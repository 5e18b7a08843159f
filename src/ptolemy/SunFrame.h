#pragma once
// The Sun-centred frame of a universe's plane (draw argument "frame=sun"): every system seen
// from the planet of the universe's Sun system, with the Earth going round it. A point p of
// the Earth-centred plane at model time t lies at p - sun(t) in this frame, sun(t) being the
// Sun system's planet at t; the Earth, the Earth-centred origin, lies at -sun(t).
//
// A value made for one paint from the Sun system and its chain, which the caller keeps still
// (it holds the universe lock while it uses the frame).
#include "ptolemy/PtolemyOrbit.h"

#include <cstdint>

class PtolemyBody;

class SunFrame {
public:
    SunFrame(const PtolemyBody& system, const PtolemyOrbit& chain);

    // The Sun's place in the Earth-centred plane at t.
    ModelPoint sunAt(double t) const;
    // The Earth's place in this frame at t.
    ModelPoint earthAt(double t) const;
    // The place in this frame of the Earth-centred point `point` at t.
    ModelPoint fromSun(ModelPoint point, double t) const;
    // How far the Sun goes from the Earth at most, with the room a chain's extent leaves.
    double sunReach() const;
    bool isSun(const PtolemyBody& system) const { return &system == &system_; }
    // Changes when the Sun's motion does.
    std::uint64_t key() const;

private:
    const PtolemyBody& system_;
    const PtolemyOrbit& chain_;
};
