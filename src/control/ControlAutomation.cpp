#include "control/ControlAutomation.h"

#include "control/ContainerScriptTarget.h"
#include "scripting/DialogSeams.h"
#include "scripting/ScriptRunner.h"
#include "scripting/ScriptStep.h"

#include <iostream>

ControlAutomation::ControlAutomation() = default;
ControlAutomation::~ControlAutomation() = default;

ControlAutomation& ControlAutomation::instance()
{
    // Lives for the whole process, like the library that holds it.
    static ControlAutomation* const automation = new ControlAutomation();
    return *automation;
}

void ControlAutomation::useBatchMode() { installDialogSeams(true, chooser_); }

void ControlAutomation::runScript(
    const std::string& scriptText, QWidget& container, QWidget& control, const std::string& programName)
{
    const ParsedScript script = parseScript(scriptText, ScriptingProgram { programName, false, true, {} });
    for (const std::string& error : script.errors)
        std::cerr << error << '\n';
    runner_.reset();
    target_ = std::make_unique<ContainerScriptTarget>(container, control);
    runner_ = std::make_unique<ScriptRunner>(*target_, chooser_, std::cerr, programName);
    runner_->start(script.steps);
}
