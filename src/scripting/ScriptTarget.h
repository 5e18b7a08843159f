#pragma once
// What a script works on: the program's window with the layout on screen. The skyloom
// main window and the control's container each implement it.
// Threading: window thread only.
#include <string>
#include <vector>

class QWidget;

class ScriptTarget {
public:
    virtual ~ScriptTarget() = default;

    // Sends menu command `id`; false when the program has no menu.
    virtual bool sendMenuCommand(int id) = 0;
    // The widget whose children are the windows of the layout on screen.
    virtual QWidget* layoutHost() const = 0;
    // The window that screenshots grab.
    virtual QWidget* screenshotWindow() const = 0;
    // Loads the layout at `path` as the loadpage step asks; false when the program has no
    // such step.
    virtual bool loadPage(const std::string& path) = 0;
    // Ends the program.
    virtual void quit() = 0;
    // Carries out one of the program's own steps (ScriptingProgram::programSteps) with the
    // words that followed its name; false with `problem` set when it cannot be done.
    virtual bool runProgramStep(const std::string& name, const std::vector<std::string>& words, std::string& problem)
    {
        static_cast<void>(words);
        problem = "no " + name + " step here";
        return false;
    }
};
