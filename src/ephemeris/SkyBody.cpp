#include "ephemeris/SkyBody.h"

#include <array>

namespace {

// Distances and periods are the mean elements of the planets (J2000) and of the
// Moon; the colours are those of the shipped Almagest universes, each at least 3:1 on white.
const std::array<SkyBody, 7> kBodies { {
    { SkyBodyId::Mercury, "mercury", "Mercury", SkyBodyKind::InnerPlanet, 1.0, 0.387098, 0.240846, "mercury",
        makeColour(130, 130, 130) },
    { SkyBodyId::Venus, "venus", "Venus", SkyBodyKind::InnerPlanet, 1.0, 0.723332, 0.615198, "venus",
        makeColour(30, 120, 200) },
    { SkyBodyId::Mars, "mars", "Mars", SkyBodyKind::OuterPlanet, 1.523679, 1.523679, 1.880848, "mars",
        makeColour(200, 40, 20) },
    { SkyBodyId::Jupiter, "jupiter", "Jupiter", SkyBodyKind::OuterPlanet, 5.202603, 5.202603, 11.862615, "jupiter",
        makeColour(200, 110, 20) },
    { SkyBodyId::Saturn, "saturn", "Saturn", SkyBodyKind::OuterPlanet, 9.554909, 9.554909, 29.447498, "saturn",
        makeColour(120, 90, 30) },
    { SkyBodyId::Sun, "sun", "Sun", SkyBodyKind::Sun, 1.0, 1.0, 1.000017, "sun", makeColour(190, 110, 0) },
    { SkyBodyId::Moon, "moon", "Moon", SkyBodyKind::Moon, 384400.0, 0.0, 0.074803, "moon", makeColour(110, 110, 110) },
} };

} // namespace

double SkyBody::planeScale() const
{
    constexpr double kDeferentRadius = 60.0;
    return kDeferentRadius / deferentDistance;
}

std::span<const SkyBody> skyBodies() { return kBodies; }

const SkyBody* findSkyBody(const std::string& name)
{
    for (const SkyBody& body : kBodies)
        if (name == body.name)
            return &body;
    return nullptr;
}

std::string skyBodyNames()
{
    std::string names;
    for (const SkyBody& body : kBodies)
        names += (names.empty() ? "" : ", ") + std::string(body.name);
    return names;
}
