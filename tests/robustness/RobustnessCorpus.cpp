#include "RobustnessCorpus.h"

namespace robustness {

const std::vector<std::string>& extremeNumbers()
{
    static const std::vector<std::string> numbers = { "1e400", "-1e400", "1e-400", "nan", "NaN", "inf", "-inf",
        "infinity", "1e308", "-1e308", "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967296",
        "99999999999999999999999999", "-1", "0", "-0", "", " ", "0x10", "1e", "+", "-", ".", "1.7976931348623157e309",
        "4.9e-324", "00000000000000000000000000000000001", "1,5", "12abc" };
    return numbers;
}

const std::vector<std::string>& awkwardPaths()
{
    static const std::vector<std::string> paths = { "", ".", "/", "/dev/zero", "/dev/null", "AstreonFiles",
        "AstreonBitmaps/", "no such file.ptu", "AstreonLayouts/One Universe.lay", "AstreonFiles/ObsTrailData.dtd",
        std::string(300, 'p'), std::string(258, 'q') + ".bmp", "../../../../../../../../etc/passwd",
        "AstreonFiles/%s%n%x.ptu", "\\\\server\\share\\file.ptu" };
    return paths;
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
        text += "<Observation><x>" + value + "</x><y>" + value + "</y><az>" + value + "</az><el>" + value + "</el><t>"
            + value + "</t></Observation>\n";
    }
    return text + "</ObservationTrail>\n";
}

std::string universeText(const std::string& value, const std::string& extraBodyContent)
{
    std::string orb = "<PtolemyOrbit><name>Orb</name>";
    for (const char* field : { "phi", "om", "r", "eccx", "eccy", "eqx", "eqy" })
        orb += std::string("<") + field + ">" + value + "</" + field + ">";
    orb += "</PtolemyOrbit>";
    return "<?xml version='1.0'?>\n<PtolemyUniverse><PtolemyBody><name>Extreme</name><bitmap>planet</bitmap>"
           "<match></match>"
        + extraBodyContent + orb + "</PtolemyBody></PtolemyUniverse>\n";
}

} // namespace robustness
