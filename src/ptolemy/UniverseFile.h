#pragma once
// The universe file (.ptu): the systems of cycles of a Ptolemy universe as XML.
// For each system: name, planet bitmap, match trail path, orbit and trace colours,
// and its orbs from the deferent outwards. Display settings are not stored.
#include "platform/Colour.h"
#include "platform/Result.h"
#include "ptolemy/PtolemyOrbit.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

class BodyList;
class PtolemyUniverse;
class XmlDocument;

// Writes every system of `universe` to `path`. The text goes to a temporary file
// beside `path` that replaces it only once complete, so a failed save leaves an
// existing file as it was. E_FAIL when the file cannot be written; on success the
// universe's shown file becomes `path`. Numbers are written with '.' whatever the locale.
HRESULT WriteUniverseFile(PtolemyUniverse& universe, const std::string& path);
// As above; on failure `error` says why.
HRESULT WriteUniverseFile(PtolemyUniverse& universe, const std::string& path, std::error_code& error);
// The text WriteUniverseFile writes, for writers that keep it elsewhere (a lesson); E_FAIL,
// with `error` saying why, when a number cannot be written. The shown file stays.
HRESULT WriteUniverseText(PtolemyUniverse& universe, std::string& text, std::error_code& error);

// What a universe file says about one system, before a body is made of it.
struct UniverseSystem {
    std::string name;
    std::string match;
    std::string bitmap; // "planet" when the file names none
    ColourRef orbitColour = makeColour(0, 0, 0);
    ColourRef traceColour = makeColour(255, 0, 0);
    std::unique_ptr<PtolemyOrbit> chain; // the outermost orb; null without orbs
};

// What a read tells beyond its result: the systems the file holds that were read (all of
// them on success, also those a full universe cannot take), the systems left unmatched, and,
// when a number refused the file, which one.
struct UniverseFileReport {
    std::int32_t systems = 0;
    std::string problem;
    // The names of the systems made whose match trail (named in the file) did not load.
    std::vector<std::string> unmatched;
};

// Reads the systems of a loaded universe document in file order and hands each to
// `onSystem` as soon as it is read; stops at the first system that does not read and
// returns its failure. Only reads: no body is made, no trail loaded, no trace computed,
// so checking a file costs no more than parsing it.
// A number that is not a finite number ("1e309", "nan", "12abc") refuses the file.
HRESULT ReadUniverseSystems(
    XmlDocument& document, const std::function<void(UniverseSystem&)>& onSystem, UniverseFileReport* report = nullptr);

// Reads the systems of a loaded universe document into `bodies` (new bodies owned
// by `universe`). On failure `bodies` is left empty and the failure code returned.
HRESULT ReadUniverseBodies(
    PtolemyUniverse& universe, XmlDocument& document, BodyList& bodies, UniverseFileReport* report = nullptr);

// Reads the systems of a loaded universe document and appends them to the universe's list
// while there is room; its own systems all stay, and `notAdded` (when given) receives how
// many of the file's did not fit. On failure the universe's list is not touched.
HRESULT ReadUniverseFile(PtolemyUniverse& universe, XmlDocument& document, std::int32_t* notAdded = nullptr);
