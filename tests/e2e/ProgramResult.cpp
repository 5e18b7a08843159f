#include "ProgramResult.h"

#include <sstream>

std::vector<std::string> ProgramResult::errorLines() const
{
    std::vector<std::string> lines;
    std::istringstream text(errors);
    std::string line;
    while (std::getline(text, line))
        lines.push_back(line);
    return lines;
}
