#pragma once
// The library's GazerixAutomation: the batch seams and the script runner of the control's
// engine, which lives inside the library.
// Threading: window thread only.
#include "platform/Chooser.h"

#include <gazerix/GazerixAutomation.h>

#include <memory>

class ContainerScriptTarget;
class ScriptRunner;

class ControlAutomation : public GazerixAutomation {
public:
    static ControlAutomation& instance();

    void useBatchMode() override;
    void runScript(
        const std::string& scriptText, QWidget& container, QWidget& control, const std::string& programName) override;

private:
    ControlAutomation();
    ~ControlAutomation();

    platform::ScriptedChooser chooser_;
    std::unique_ptr<ContainerScriptTarget> target_;
    std::unique_ptr<ScriptRunner> runner_;
};
