// skyloom-trail: observation trails of the Sun, the Moon and the planets as seen from the Earth.
#include "ephemeris/ObservedTrail.h"
#include "ephemeris/TrailCommandLine.h"

#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

int writeTrail(const TrailRequest& request)
{
    const std::unique_ptr<ObservationTrail> trail = observeTrail(request);
    if (request.outputPath.empty()) {
        std::cout << trail->FileText();
        return std::cout.good() ? 0 : 1;
    }
    std::error_code error;
    if (FAILED(trail->Save(request.outputPath, error))) {
        std::cerr << "skyloom-trail: cannot write '" << request.outputPath << "': " << error.message() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const TrailCommandLine line = TrailCommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::cerr << line.error << '\n';
        return TrailCommandLine::kUsageErrorExitCode;
    }
    if (line.help) {
        std::cout << TrailCommandLine::usage();
        return 0;
    }
    if (line.version) {
        std::cout << "skyloom-trail " << SKYLOOM_VERSION << '\n';
        return 0;
    }
    return writeTrail(*line.request);
}
