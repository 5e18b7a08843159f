#pragma once
// One step of a script, and the parser of script text (one step a line).
#include "scripting/ScriptingProgram.h"

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
        LoadPage,
        Program,
        Quit
    };

    Kind kind = Kind::Quit;
    int lineNumber = 0;
    // Wait: milliseconds; Menu: command id; Press: window index; Dialog: control id;
    // AnswerColour: red in bits 0-7, green 8-15, blue 16-23.
    int number = 0;
    // Press: button label; AnswerFile, Screenshot, DialogShot and LoadPage: path; Dialog: the action
    // (click, dblclick, select, text).
    std::string text;
    std::string value; // Dialog: the row of select, the text of text
    std::vector<std::string> words; // Program: the words after the step's name (in text)
};

struct ParsedScript {
    std::vector<ScriptStep> steps;
    std::vector<std::string> errors; // one line each, for lines that are not steps
};

// Parses one line (without its line end) of a script for `program`. Blank lines and
// lines starting with '#' give no step and no error. Returns false with `error` set for
// a line that is not a step (a loadpage step too, unless the program has it).
bool parseScriptLine(const std::string& line, int lineNumber, ScriptStep& step, bool& isStep, std::string& error,
    const ScriptingProgram& program = {});
// Parses a whole script; bad lines are reported in errors and left out.
ParsedScript parseScript(const std::string& text, const ScriptingProgram& program = {});

// The lines of the --help text that list the steps `program` understands.
std::string scriptStepsHelp(const ScriptingProgram& program);
