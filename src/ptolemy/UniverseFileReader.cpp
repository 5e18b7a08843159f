// The universe file reader.
#include "ptolemy/UniverseFile.h"

#include "documents/ColourArgument.h"
#include "platform/Text.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyUniverse.h"
#include "xml/NumberText.h"
#include "xml/XmlDocument.h"

#include <cmath>
#include <memory>
#include <optional>
#include <string>

namespace {

// A number's text quoted in a message is cut to this many characters.
constexpr std::size_t kLongestQuotedText = 40;

// The text of child `path`, or empty when it is missing or empty.
std::string optionalText(const XmlNode& node, const char* path)
{
    std::string text;
    if (FAILED(node.readText(path, text)))
        text.clear();
    return text;
}

bool hasChild(const XmlNode& node, const char* path)
{
    XmlNode probe(node.getCurrent());
    return SUCCEEDED(probe.select(path)) && !probe.getSelected().isNull();
}

// The colour of child element `path` (its "arg" children); `colour` keeps its
// default when the element is missing.
HRESULT readColour(const XmlNode& node, const char* path, ColourRef& colour, std::string& problem)
{
    XmlNode finder(node.getCurrent());
    HRESULT result = finder.select(path);
    if (FAILED(result) || finder.getSelected().isNull())
        return S_OK;
    XmlNode element(finder.getSelected());
    ColourRef parsed = 0;
    result = ParseColour(&element, &parsed, 0);
    if (SUCCEEDED(result))
        colour = parsed;
    else
        problem = platform::formatText(
            "<%s> is not a colour (arguments red=, green= and blue=, each a whole number from 0 to 255)", path);
    return result;
}

// One orb, carried by `carrier`. Every number must be present and non-empty. The
// name may be empty (the writer writes an empty name element for an unnamed orb)
// but must be present.
HRESULT readOrb(const XmlNode& node, std::unique_ptr<PtolemyOrbit>& chain, std::string& problem)
{
    HRESULT result = node.currentNameIs("PtolemyOrbit");
    if (FAILED(result))
        return result;
    std::string name;
    if (FAILED(node.readText("name", name))) {
        if (!hasChild(node, "name"))
            return E_INVALIDARG;
        name.clear();
    }
    double values[7] = { 0, 0, 0, 0, 0, 0, 0 };
    const char* const fields[7] = { "om", "r", "phi", "eccx", "eccy", "eqx", "eqy" };
    for (int k = 0; k < 7; ++k) {
        std::string text;
        result = node.readText(fields[k], text);
        if (FAILED(result)) {
            problem = platform::formatText("a cycle has no <%s>", fields[k]);
            return result;
        }
        // Only a number stores faithfully: "1e309" would be infinity, "nan" or "inf" nothing.
        const std::optional<double> value = xmltext::toDoubleWhole(text);
        if (!value || !std::isfinite(*value)) {
            problem = platform::formatText("<%s> holds \"%s\", which is not a finite number", fields[k],
                platform::cutText(text, kLongestQuotedText).c_str());
            return E_INVALIDARG;
        }
        values[k] = *value;
    }
    const double om = values[0], r = values[1], phi = values[2];
    chain = std::make_unique<PtolemyOrbit>(
        name.c_str(), phi, om, r, std::move(chain), values[3], values[4], values[5], values[6]);
    return S_OK;
}

HRESULT readSystem(const XmlNode& node, UniverseSystem& system, std::string& problem)
{
    HRESULT result = node.currentNameIs("PtolemyBody");
    if (FAILED(result))
        return result;
    system.name = optionalText(node, "name");
    system.match = optionalText(node, "match");
    system.bitmap = optionalText(node, "bitmap");
    if (system.bitmap.empty())
        system.bitmap = "planet";
    result = readColour(node, "orbitcolor", system.orbitColour, problem);
    if (FAILED(result))
        return result;
    result = readColour(node, "tracecolor", system.traceColour, problem);
    if (FAILED(result))
        return result;
    XmlNode orbs(node.getCurrent());
    result = orbs.select("PtolemyOrbit");
    if (FAILED(result))
        return result;
    for (; !orbs.getSelected().isNull(); orbs.next()) {
        XmlNode orb(orbs.getSelected());
        result = readOrb(orb, system.chain, problem);
        if (FAILED(result))
            return result;
    }
    return S_OK;
}

std::unique_ptr<PtolemyBody> makeBody(PtolemyUniverse& universe, const UniverseSystem& system)
{
    auto body = std::make_unique<PtolemyBody>(&universe);
    body->SetName(system.name.c_str());
    // A missing or unreadable trail leaves the system unmatched.
    body->LoadMatchTrail(system.match);
    body->SetChain(system.chain.get());
    body->SetBitmap(system.bitmap.c_str());
    body->SetTraceColour(system.traceColour);
    body->SetOrbitColour(system.orbitColour);
    return body;
}

} // namespace

HRESULT ReadUniverseSystems(
    XmlDocument& document, const std::function<void(UniverseSystem&)>& onSystem, UniverseFileReport* report)
{
    XmlNode root(document.getCurrent());
    HRESULT result = root.select("PtolemyUniverse");
    if (FAILED(result))
        return result;
    result = root.selectedNameIs("PtolemyUniverse");
    if (FAILED(result))
        return result;
    XmlNode systems(document.getCurrent());
    result = systems.select("PtolemyUniverse/PtolemyBody");
    if (FAILED(result))
        return result;
    for (; !systems.getSelected().isNull(); systems.next()) {
        XmlNode element(systems.getSelected());
        UniverseSystem system;
        std::string problem;
        result = readSystem(element, system, problem);
        if (FAILED(result)) {
            if (report && !problem.empty())
                report->problem = platform::formatText("system %d: ", report->systems + 1) + problem;
            return result;
        }
        if (report)
            ++report->systems;
        onSystem(system);
    }
    return S_OK;
}

HRESULT ReadUniverseBodies(
    PtolemyUniverse& universe, XmlDocument& document, BodyList& bodies, UniverseFileReport* report)
{
    bodies.RemoveAll();
    // A body is made (and its match trail loaded) as soon as its system is read, not after
    // the whole file, so that a trail's messages keep their place among the file's.
    const HRESULT result = ReadUniverseSystems(
        document,
        [&](const UniverseSystem& system) {
            // A universe holds at most BodyList::kMaxBodies systems; later ones are only read.
            if (bodies.IsFull())
                return;
            std::unique_ptr<PtolemyBody> body = makeBody(universe, system);
            if (report && !system.match.empty() && !body->matchTrail())
                report->unmatched.push_back(system.name);
            bodies.Add(std::move(body));
        },
        report);
    if (FAILED(result))
        bodies.RemoveAll();
    return result;
}

HRESULT ReadUniverseFile(PtolemyUniverse& universe, XmlDocument& document, std::int32_t* notAdded)
{
    BodyList read(&universe);
    const HRESULT result = ReadUniverseBodies(universe, document, read);
    if (FAILED(result))
        return result;
    universe.Lock();
    universe.LockClock();
    const std::int32_t left = universe.Bodies().AddWhileRoom(read);
    universe.UnlockClock();
    universe.Unlock();
    if (notAdded)
        *notAdded = left;
    return result;
}
