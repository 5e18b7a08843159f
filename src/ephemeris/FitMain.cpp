// skyloom-fit: fits a body's Ptolemaic system to its observed trail and writes the universe.
//   skyloom-fit --body NAME --trail TRAIL.obs --output UNIVERSE.ptu
// The trail's path is written into the universe as its match, exactly as given: run it
// from the content's root directory with paths under it (scripts/fit-universes does).
#include "ephemeris/CycleFitter.h"
#include "ephemeris/FittedUniverse.h"
#include "platform/ResourceLibrary.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kUsageErrorExitCode = 2;
constexpr const char* kUsage = "Usage: skyloom-fit --body NAME --trail TRAIL.obs --output UNIVERSE.ptu\n";

// The values of --body, --trail and --output; empty when the line is not of that form.
std::map<std::string, std::string> readOptions(int argc, char** argv)
{
    std::map<std::string, std::string> values;
    for (int k = 1; k + 1 < argc; k += 2)
        values[argv[k]] = argv[k + 1];
    const bool complete = argc == 7 && values.size() == 3 && values.contains("--body") && values.contains("--trail")
        && values.contains("--output");
    return complete ? values : std::map<std::string, std::string>{};
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

int fitAndWrite(const SkyBody& body, const std::string& trailPath, const std::string& universePath)
{
    FittedUniverse universe(body);
    if (FAILED(universe.matchTrail(trailPath)) || !universe.trail()) {
        std::cerr << "skyloom-fit: cannot read the trail '" << trailPath << "'\n";
        return 1;
    }
    const CycleModel model(body);
    const LongitudeComparison comparison(*universe.trail());
    const FittedCycles fitted = CycleFitter(model, comparison).fit();
    universe.setChain(*model.chain(fitted.parameters));
    std::error_code error;
    if (FAILED(universe.write(universePath, error))) {
        std::cerr << "skyloom-fit: cannot write '" << universePath << "': " << error.message() << '\n';
        return 1;
    }
    std::printf("%s: %zu observations, longitude error RMS %.3f deg, largest %.3f deg\n%s", body.title,
                comparison.count(), fitted.error.rmsDegrees, fitted.error.largestDegrees,
                model.describe(fitted.parameters).c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
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
        return 1;
    return fitAndWrite(*body, options["--trail"], options["--output"]);
}
