#include "scripting/ScriptStep.h"

#include <charconv>
#include <sstream>

namespace {

// Splits off the first word of `rest` (after leading blanks); `rest` keeps what follows
// the blanks after that word.
std::string takeWord(std::string& rest)
{
    const std::size_t start = rest.find_first_not_of(" \t");
    if (start == std::string::npos) {
        rest.clear();
        return {};
    }
    const std::size_t end = rest.find_first_of(" \t", start);
    std::string word = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    const std::size_t next = end == std::string::npos ? std::string::npos : rest.find_first_not_of(" \t", end);
    rest = next == std::string::npos ? std::string() : rest.substr(next);
    return word;
}

bool parseNumber(const std::string& word, int& value)
{
    const char* const end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    return !word.empty() && error == std::errc() && stop == end;
}

std::string lineError(const ScriptingProgram& program, int lineNumber, const std::string& text)
{
    return program.name + ": script line " + std::to_string(lineNumber) + ": " + text;
}

// Steps with a number argument: wait MS (not negative), menu ID.
bool parseNumberStep(ScriptStep& step, const std::string& keyword, std::string& rest, std::string& error)
{
    const std::string word = takeWord(rest);
    if (!parseNumber(word, step.number) || (step.kind == ScriptStep::Kind::Wait && step.number < 0)) {
        error = keyword + " needs a number, not '" + word + "'";
        return false;
    }
    if (!rest.empty()) {
        error = keyword + " takes one number";
        return false;
    }
    return true;
}

bool parsePressStep(ScriptStep& step, std::string& rest, std::string& error)
{
    const std::string word = takeWord(rest);
    if (!parseNumber(word, step.number) || step.number < 0) {
        error = "press needs a window index, not '" + word + "'";
        return false;
    }
    step.text = rest;
    if (step.text.empty()) {
        error = "press needs a button label";
        return false;
    }
    return true;
}

bool parseTextStep(ScriptStep& step, const std::string& keyword, const std::string& rest, std::string& error)
{
    step.text = rest;
    if (step.text.empty()) {
        error = keyword + " needs a path";
        return false;
    }
    return true;
}

// answer-colour R G B, each 0 to 255.
bool parseColourStep(ScriptStep& step, std::string& rest, std::string& error)
{
    int parts[3] = {};
    for (int& part : parts) {
        const std::string word = takeWord(rest);
        if (!parseNumber(word, part) || part < 0 || part > 255) {
            error = "answer-colour needs red, green and blue from 0 to 255, not '" + word + "'";
            return false;
        }
    }
    if (!rest.empty()) {
        error = "answer-colour takes three numbers";
        return false;
    }
    step.number = parts[0] | (parts[1] << 8) | (parts[2] << 16);
    return true;
}

// dialog close | dialog ID click | dialog ID dblclick | dialog ID select N | dialog ID text VALUE
bool parseDialogStep(ScriptStep& step, std::string& rest, std::string& error)
{
    const std::string first = takeWord(rest);
    if (first == "close" && rest.empty()) {
        step.kind = ScriptStep::Kind::DialogClose;
        return true;
    }
    if (!parseNumber(first, step.number)) {
        error = "dialog needs 'close' or a control id, not '" + first + "'";
        return false;
    }
    step.text = takeWord(rest);
    step.value = rest;
    int row = 0;
    if ((step.text == "click" || step.text == "dblclick") && rest.empty())
        return true;
    if (step.text == "select" && parseNumber(rest, row) && row >= 0)
        return true;
    if (step.text == "text")
        return true;
    error = "dialog " + first + " needs click, dblclick, select ROW or text VALUE";
    return false;
}

bool parseBareStep(const std::string& keyword, const std::string& rest, std::string& error)
{
    if (rest.empty())
        return true;
    error = keyword + " takes nothing after it";
    return false;
}

const ProgramStep* findProgramStep(const ScriptingProgram& program, const std::string& keyword)
{
    for (const ProgramStep& candidate : program.programSteps)
        if (candidate.name == keyword)
            return &candidate;
    return nullptr;
}

bool parseProgramStep(ScriptStep& step, const ProgramStep& spec, std::string& rest, std::string& error)
{
    step.kind = ScriptStep::Kind::Program;
    step.text = spec.name;
    if (spec.takesPath && !rest.empty())
        step.words.push_back(rest);
    else if (!spec.takesPath)
        for (std::string word = takeWord(rest); !word.empty(); word = takeWord(rest))
            step.words.push_back(word);
    if (static_cast<int>(step.words.size()) == spec.argumentCount)
        return true;
    error = "use: " + spec.usage;
    return false;
}

bool parseKeyword(const std::string& keyword, ScriptStep::Kind& kind)
{
    static const std::pair<const char*, ScriptStep::Kind> keywords[] = {
        { "wait", ScriptStep::Kind::Wait },
        { "menu", ScriptStep::Kind::Menu },
        { "press", ScriptStep::Kind::Press },
        { "answer-file", ScriptStep::Kind::AnswerFile },
        { "answer-cancel", ScriptStep::Kind::AnswerCancel },
        { "answer-colour", ScriptStep::Kind::AnswerColour },
        { "answer-colour-cancel", ScriptStep::Kind::AnswerColourCancel },
        { "dialog", ScriptStep::Kind::Dialog },
        { "dialog-shot", ScriptStep::Kind::DialogShot },
        { "screenshot", ScriptStep::Kind::Screenshot },
        { "loadpage", ScriptStep::Kind::LoadPage },
        { "quit", ScriptStep::Kind::Quit },
    };
    for (const auto& [name, value] : keywords) {
        if (keyword == name) {
            kind = value;
            return true;
        }
    }
    return false;
}

bool parseArguments(ScriptStep& step, const std::string& keyword, std::string& rest, std::string& error)
{
    switch (step.kind) {
    case ScriptStep::Kind::Wait:
    case ScriptStep::Kind::Menu:
        return parseNumberStep(step, keyword, rest, error);
    case ScriptStep::Kind::Press:
        return parsePressStep(step, rest, error);
    case ScriptStep::Kind::AnswerFile:
    case ScriptStep::Kind::Screenshot:
    case ScriptStep::Kind::DialogShot:
    case ScriptStep::Kind::LoadPage:
        return parseTextStep(step, keyword, rest, error);
    case ScriptStep::Kind::AnswerColour:
        return parseColourStep(step, rest, error);
    case ScriptStep::Kind::Dialog:
    case ScriptStep::Kind::DialogClose:
        return parseDialogStep(step, rest, error);
    case ScriptStep::Kind::AnswerCancel:
    case ScriptStep::Kind::AnswerColourCancel:
    case ScriptStep::Kind::Quit:
        return parseBareStep(keyword, rest, error);
    case ScriptStep::Kind::Program:
        break;
    }
    return false;
}

} // namespace

bool parseScriptLine(const std::string& line, int lineNumber, ScriptStep& step, bool& isStep, std::string& error,
    const ScriptingProgram& program)
{
    isStep = false;
    std::string rest = line;
    if (!rest.empty() && rest.back() == '\r')
        rest.pop_back();
    const std::string keyword = takeWord(rest);
    if (keyword.empty() || keyword[0] == '#')
        return true;
    step = ScriptStep {};
    step.lineNumber = lineNumber;
    if (const ProgramStep* const spec = findProgramStep(program, keyword)) {
        std::string problem;
        if (!parseProgramStep(step, *spec, rest, problem)) {
            error = lineError(program, lineNumber, problem);
            return false;
        }
        isStep = true;
        return true;
    }
    if (!parseKeyword(keyword, step.kind) || (step.kind == ScriptStep::Kind::LoadPage && !program.hasLoadPageStep)) {
        error = lineError(program, lineNumber, "unknown step '" + keyword + "'");
        return false;
    }
    std::string problem;
    if (!parseArguments(step, keyword, rest, problem)) {
        error = lineError(program, lineNumber, problem);
        return false;
    }
    isStep = true;
    return true;
}

ParsedScript parseScript(const std::string& text, const ScriptingProgram& program)
{
    ParsedScript script;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        ScriptStep step;
        bool isStep = false;
        std::string error;
        if (!parseScriptLine(line, lineNumber, step, isStep, error, program))
            script.errors.push_back(error);
        else if (isStep)
            script.steps.push_back(step);
    }
    return script;
}

namespace {

std::string programStepsHelp(const ScriptingProgram& program)
{
    std::string help;
    for (const ProgramStep& step : program.programSteps)
        help += "                       " + step.usage + "\n";
    return help;
}

} // namespace

std::string scriptStepsHelp(const ScriptingProgram& program)
{
    return std::string("                       wait MS | menu ID | press WINDOW LABEL | answer-file PATH |\n"
                       "                       answer-cancel | answer-colour R G B | answer-colour-cancel |\n"
                       "                       dialog ID click | dialog ID dblclick | dialog ID select ROW |\n"
                       "                       dialog ID text VALUE | dialog close | dialog-shot PATH |\n")
        + (program.hasLoadPageStep ? "                       screenshot PATH | loadpage PATH | quit\n"
                                   : "                       screenshot PATH | quit\n")
        + programStepsHelp(program) + "                     blank lines and lines starting with # are skipped\n";
}
