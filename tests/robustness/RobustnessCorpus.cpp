#include "RobustnessCorpus.h"

#include "platform/Registry.h"
#include "support/TestFiles.h"

#include <algorithm>

namespace robustness {

std::vector<std::filesystem::path> shippedFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(platform::programDataDir()) / folder)) {
        if (entry.is_regular_file() && entry.path().extension() == extension)
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string readFile(const std::filesystem::path& path)
{
    return testing_support::readWholeFile(path.string());
}

std::string nested(const std::string& name, std::size_t depth, const std::string& inner)
{
    const std::string open = "<" + name + ">";
    const std::string close = "</" + name + ">";
    std::string text;
    text.reserve(depth * (open.size() + close.size()) + inner.size());
    for (std::size_t level = 0; level < depth; ++level)
        text += open;
    text += inner;
    for (std::size_t level = 0; level < depth; ++level)
        text += close;
    return text;
}

std::string trailText(const std::string& declared, int written, const std::string& value)
{
    std::string text = "<?xml version='1.0'?>\n<ObservationTrail>\n<startYear>1600</startYear>\n"
                       "<endYear>1610</endYear>\n<numObservations>"
        + declared + "</numObservations>\n";
    for (int k = 0; k < written; ++k) {
        text += "<Observation><x>" + value + "</x><y>" + value + "</y><az>" + value + "</az><el>" + value
            + "</el><t>" + value + "</t></Observation>\n";
    }
    return text + "</ObservationTrail>\n";
}

std::string universeText(const std::string& value, const std::string& extraBodyContent)
{
    std::string orb = "<PtolemyOrbit><name>Orb</name>";
    for (const char* field : {"phi", "om", "r", "eccx", "eccy", "eqx", "eqy"})
        orb += std::string("<") + field + ">" + value + "</" + field + ">";
    orb += "</PtolemyOrbit>";
    return "<?xml version='1.0'?>\n<PtolemyUniverse><PtolemyBody><name>Extreme</name><bitmap>planet</bitmap>"
           "<match></match>"
        + extraBodyContent + orb + "</PtolemyBody></PtolemyUniverse>\n";
}

} // namespace robustness
