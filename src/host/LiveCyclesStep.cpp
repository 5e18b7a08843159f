#include "host/LiveCyclesStep.h"

#include "host/LiveCyclesPanel.h"

#include <charconv>
#include <iterator>

namespace {

using Field = ptolemy_dialogs::CycleNumbers::Field;
using Point = ptolemy_dialogs::CycleChange::Point;

constexpr const char* kFieldWords[ptolemy_dialogs::CycleNumbers::kFieldCount]
    = { "r", "om", "phi", "eccx", "eccy", "eqx", "eqy" };

std::optional<Point> pointOf(Field field)
{
    if (field == Field::EccentricX || field == Field::EccentricY)
        return Point::Eccentric;
    if (field == Field::EquantX || field == Field::EquantY)
        return Point::Equant;
    return std::nullopt;
}

} // namespace

std::optional<int> LiveCyclesStep::indexOf(const std::string& word)
{
    int index = -1;
    const char* const end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, index);
    if (error != std::errc() || stop != end || index < 0)
        return std::nullopt;
    return index;
}

std::optional<Field> LiveCyclesStep::fieldNamed(const std::string& word)
{
    for (std::size_t index = 0; index < std::size(kFieldWords); ++index)
        if (word == kFieldWords[index])
            return ptolemy_dialogs::CycleNumbers::fieldAt(index);
    return std::nullopt;
}

bool LiveCyclesStep::run(LiveCyclesPanel& panel, const std::vector<std::string>& words, std::string& problem)
{
    if (words.size() != kWordCount) {
        problem = std::string("use ") + kUsage;
        return false;
    }
    problem.clear();
    panel.refresh();
    const std::optional<int> system = indexOf(words[0]);
    const std::optional<int> cycle = indexOf(words[1]);
    const std::optional<Field> field = fieldNamed(words[2]);
    if (!system || !cycle)
        problem = "live: SYSTEM and CYCLE are whole numbers from 0, not '" + words[system ? 1 : 0] + "'";
    else if (!field)
        problem = "live: FIELD is one of r, om, phi, eccx, eccy, eqx, eqy, not '" + words[2] + "'";
    else if (!panel.universe())
        problem = "live: the layout on screen shows no Ptolemy universe";
    else if (!panel.chooseSystem(*system))
        problem = "live: there is no system " + words[0] + " (the universe has " + std::to_string(panel.systemCount())
            + ")";
    else if (!panel.chooseCycle(*cycle))
        problem = "live: system " + words[0] + " has no cycle " + words[1] + " (it has "
            + std::to_string(panel.cycleCount()) + ")";
    if (!problem.empty())
        return false;
    if (const std::optional<Point> point = pointOf(*field))
        panel.setPointShown(*point, true);
    if (panel.enterNumber(*field, QString::fromStdString(words[3])))
        return true;
    problem = "live: " + words[2] + " " + words[3] + " refused: " + panel.message().toStdString();
    return false;
}
