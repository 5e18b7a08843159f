#include "ephemeris/FittedUniverse.h"

#include "ptolemy/PtolemyBody.h"
#include "ptolemy/UniverseFile.h"
#include "ptolemy/UniverseLocks.h"

#include <memory>

namespace {

constexpr ColourRef kCircleColour = makeColour(90, 90, 90);

} // namespace

FittedUniverse::FittedUniverse(const SkyBody& body)
{
    auto system = std::make_unique<PtolemyBody>(&universe_);
    system->SetName(body.title);
    // Keeps "planet" when the resource library is not loaded.
    system->SetBitmap(body.bitmap);
    system->SetOrbitColour(kCircleColour);
    system->SetTraceColour(body.traceColour);
    system_ = system.get();
    // A new universe starts with a random system of its own: this one replaces it.
    UniverseAndClockLock lock(&universe_);
    universe_.Bodies().RemoveAll();
    universe_.Bodies().Add(std::move(system));
}

HRESULT FittedUniverse::matchTrail(const std::string& path) { return system_->LoadMatchTrail(path, 1); }

const ObservationTrail* FittedUniverse::trail() const { return system_->matchTrail(); }

void FittedUniverse::setChain(const PtolemyOrbit& chain) { system_->SetChain(&chain); }

HRESULT FittedUniverse::write(const std::string& path, std::error_code& error)
{
    return WriteUniverseFile(universe_, path, error);
}
