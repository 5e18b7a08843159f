#pragma once
// What a Sun-centred view (see SunFrame) shows at one moment: the Earth and each visible
// system's planet, as places relative to the Sun system's planet, and the colour of each
// system's line of sight from the Earth (its trace colour).
#include "platform/Colour.h"
#include "ptolemy/PtolemyOrbit.h"

#include <string>
#include <vector>

struct SunCentredPlaces {
    struct Planet {
        std::string name;
        ModelPoint place;
        ColourRef colour = 0;
    };
    ModelPoint earth;
    std::vector<Planet> planets;
};
