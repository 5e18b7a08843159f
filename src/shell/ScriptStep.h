#pragma once
// One step of a skyloom script, and the parser of script text (one step a line).
#include <string>
#include <vector>

struct ScriptStep {
    enum class Kind {
        Wait,
        Menu,
        Press,
        AnswerFile,
        AnswerCancel,
        AnswerColour,
        AnswerColourCancel,
        Dialog,
        DialogClose,
        DialogShot,
        Screenshot,
        Quit
    };

    Kind kind = Kind::Quit;
    int lineNumber = 0;
    // Wait: milliseconds; Menu: command id; Press: window index; Dialog: control id;
    // AnswerColour: red in bits 0-7, green 8-15, blue 16-23.
    int number = 0;
    // Press: button label; AnswerFile, Screenshot and DialogShot: path; Dialog: the action
    // (click, dblclick, select, text).
    std::string text;
    std::string value; // Dialog: the row of select, the text of text
};

struct ParsedScript {
    std::vector<ScriptStep> steps;
    std::vector<std::string> errors; // one line each, for lines that are not steps
};

// Parses one line (without its line end). Blank lines and lines starting with '#' give
// no step and no error. Returns false with `error` set for a line that is not a step.
bool parseScriptLine(const std::string& line, int lineNumber, ScriptStep& step, bool& isStep, std::string& error);
// Parses a whole script; bad lines are reported in errors and left out.
ParsedScript parseScript(const std::string& text);
