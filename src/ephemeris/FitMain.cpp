// skyloom-fit: fits a body's Ptolemaic system to its observed trail and writes the universe.
//   skyloom-fit --body NAME --trail TRAIL.obs --output UNIVERSE.ptu
//   skyloom-fit --help
// The trail's path is written into the universe as its match, exactly as given: run it
// from the content's root directory with paths under it (scripts/fit-universes does).
#include "ephemeris/CycleFitter.h"
#include "ephemeris/FittedUniverse.h"
#include "platform/ResourceLibrary.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kUsageErrorExitCode = 2;
constexpr int kFailureExitCode = 1;
// A fit whose longitudes miss the observations by more than this (RMS) fits nothing: the
// trail is of another body, or the cycles cannot follow it.
constexpr double kMeaningfulRmsDegrees = 5.0;
// Observations needed per parameter fitted.
constexpr std::size_t kObservationsPerParameter = 2;
constexpr const char* kUsage = "Usage: skyloom-fit --body NAME --trail TRAIL.obs --output UNIVERSE.ptu\n";
constexpr const char* kHelp
    = "Fits the Ptolemaic system of cycles of a body (deferent, eccentric, equant, epicycle)\n"
      "to the observations of a trail by least squares, writes it as a universe file that\n"
      "names the trail as its match, and prints the error in longitude.\n"
      "\n"
      "  --body NAME         the body (see below)\n"
      "  --trail TRAIL.obs   the observed trail (skyloom-trail writes one)\n"
      "  --output FILE.ptu   the universe file written\n"
      "  --help              this text\n"
      "\n"
      "Exit status: 0 when fitted, 1 when the trail cannot be read, holds too few observations\n"
      "(fewer than twice the parameters fitted) or a value that is not finite, or when the fit\n"
      "misses by more than 5 degrees RMS (no universe is written then), 2 for a usage error.\n";

// The values of --body, --trail and --output; empty when the line is not of that form.
std::map<std::string, std::string> readOptions(int argc, char** argv)
{
    std::map<std::string, std::string> values;
    for (int k = 1; k + 1 < argc; k += 2)
        values[argv[k]] = argv[k + 1];
    const bool complete = argc == 7 && values.size() == 3 && values.contains("--body") && values.contains("--trail")
        && values.contains("--output");
    return complete ? values : std::map<std::string, std::string> {};
}

// The planet pictures come from the resource library; without it the universe names the
// default picture, so the library must be found.
bool loadPictures()
{
    static const std::unique_ptr<platform::ResourceLibrary> library = platform::ResourceLibrary::load();
    platform::ResourceLibrary::setCurrent(library.get());
    if (!library)
        std::cerr << "skyloom-fit: cannot load the resource library: " << platform::ResourceLibrary::lastLoadError()
                  << '\n';
    return library != nullptr;
}

bool allFinite(const ObservationTrail& trail)
{
    for (std::int32_t k = 0; k < trail.count(); ++k) {
        const Observation record = trail.logical(k);
        for (const double value : { record.x, record.y, record.az, record.el, record.t })
            if (!std::isfinite(value))
                return false;
    }
    return true;
}

int fitAndWrite(const SkyBody& body, const std::string& trailPath, const std::string& universePath)
{
    FittedUniverse universe(body);
    if (FAILED(universe.matchTrail(trailPath)) || !universe.trail()) {
        std::cerr << "skyloom-fit: cannot read the trail '" << trailPath << "'\n";
        return kFailureExitCode;
    }
    if (!allFinite(*universe.trail())) {
        std::cerr << "skyloom-fit: the trail '" << trailPath << "' holds a value that is not a finite number\n";
        return kFailureExitCode;
    }
    const CycleModel model(body);
    const LongitudeComparison comparison(*universe.trail());
    const std::size_t needed = kObservationsPerParameter * model.parameterCount();
    if (comparison.count() < needed) {
        std::cerr << "skyloom-fit: the trail '" << trailPath << "' has too few observations (" << comparison.count()
                  << ") to fit " << model.parameterCount() << " parameters: at least " << needed << " are needed\n";
        return kFailureExitCode;
    }
    const FittedCycles fitted = CycleFitter(model, comparison).fit();
    if (!(fitted.error.rmsDegrees <= kMeaningfulRmsDegrees)) {
        std::cerr << "skyloom-fit: the fit misses by " << fitted.error.rmsDegrees << " degrees RMS (more than "
                  << kMeaningfulRmsDegrees << "): is the trail of " << body.title << "? Nothing was written\n";
        return kFailureExitCode;
    }
    universe.setChain(*model.chain(fitted.parameters));
    std::error_code error;
    if (FAILED(universe.write(universePath, error))) {
        std::cerr << "skyloom-fit: cannot write '" << universePath << "': " << error.message() << '\n';
        return kFailureExitCode;
    }
    std::printf("%s: %zu observations, longitude error RMS %.3f deg, largest %.3f deg\n%s", body.title,
        comparison.count(), fitted.error.rmsDegrees, fitted.error.largestDegrees,
        model.describe(fitted.parameters).c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::cout << kUsage << '\n' << kHelp << "\nBodies: " << skyBodyNames() << '\n';
        return 0;
    }
    std::map<std::string, std::string> options = readOptions(argc, argv);
    if (options.empty()) {
        std::cerr << kUsage;
        return kUsageErrorExitCode;
    }
    const SkyBody* body = findSkyBody(options["--body"]);
    if (!body) {
        std::cerr << "skyloom-fit: unknown body '" << options["--body"] << "' (one of " << skyBodyNames() << ")\n";
        return kUsageErrorExitCode;
    }
    if (!loadPictures())
        return kFailureExitCode;
    return fitAndWrite(*body, options["--trail"], options["--output"]);
}
