#pragma once
// A universe of one system, named after its body, matched against the body's observed
// trail and written by the engine's own universe writer.
#include "ephemeris/SkyBody.h"
#include "platform/Result.h"
#include "ptolemy/PtolemyUniverse.h"

#include <string>
#include <system_error>

class ObservationTrail;
class PtolemyBody;
class PtolemyOrbit;

class FittedUniverse {
public:
    explicit FittedUniverse(const SkyBody& body);

    // Reads the trail as a universe file's match does; `path` is written to the file as
    // given, so give it as the universe's readers will look for it.
    HRESULT matchTrail(const std::string& path);
    // The trail read by matchTrail, or null.
    const ObservationTrail* trail() const;
    void setChain(const PtolemyOrbit& chain);
    HRESULT write(const std::string& path, std::error_code& error);

private:
    PtolemyUniverse universe_;
    PtolemyBody* system_;
};
