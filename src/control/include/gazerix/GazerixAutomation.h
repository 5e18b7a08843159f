#pragma once
// What the control's library offers a container program for runs without a person,
// beyond the control itself: message boxes on standard error and dialogs answered by a
// script, and the script steps of the skyloom program (plus loadpage) run on the control.
// The library exports GazerixAutomationInterface(), which returns its one instance.
// Threading: window thread only.
#include <string>

class QWidget;

class GazerixAutomation {
public:
    // Message boxes go to standard error, one line each; file and colour dialogs answer
    // from the script, else Cancel. Call before the first control is created.
    virtual void useBatchMode() = 0;
    // Runs `scriptText` (one step a line) on `control`, shown in `container`: screenshots
    // grab the container, quit closes it, loadpage calls the control's LoadPage. Bad lines
    // and steps that cannot be done are reported on standard error, each line starting
    // with `programName`; the steps start at the next turn of the event loop.
    virtual void runScript(
        const std::string& scriptText, QWidget& container, QWidget& control, const std::string& programName)
        = 0;

protected:
    ~GazerixAutomation() = default;
};

extern "C" {
// The name the container resolves in the library.
inline constexpr const char* kGazerixAutomationSymbol = "GazerixAutomationInterface";
using GazerixAutomationGetter = GazerixAutomation* (*)();
}
