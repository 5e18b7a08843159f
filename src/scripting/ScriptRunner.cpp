#include "scripting/ScriptRunner.h"

#include "dialogs/DialogDriver.h"
#include "dialogs/DialogRuntime.h"
#include "platform/Chooser.h"
#include "platform/DataPath.h"
#include "platform/DisplayText.h"
#include "scripting/WidgetGrab.h"
#include "windows/ControlWindow.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <vector>

ScriptRunner::ScriptRunner(
    ScriptTarget& target, platform::ScriptedChooser& chooser, std::ostream& errors, std::string programName)
    : target_(target)
    , chooser_(chooser)
    , errors_(errors)
    , programName_(std::move(programName))
{
}

void ScriptRunner::start(std::vector<ScriptStep> steps)
{
    steps_ = std::move(steps);
    next_ = 0;
    finished_ = false;
    scheduleNext(0);
}

void ScriptRunner::scheduleNext(int delayMilliseconds)
{
    QTimer::singleShot(delayMilliseconds, this, &ScriptRunner::runNext);
}

void ScriptRunner::runNext()
{
    if (finished_)
        return;
    if (next_ >= steps_.size())
        return finish();
    const ScriptStep step = steps_[next_++];
    if (step.kind == ScriptStep::Kind::Quit) {
        runStep(step);
        return finish();
    }
    // Scheduled before the step runs: a step that opens a modal dialog returns only when
    // the dialog closes, and the steps after it are what works the dialog.
    scheduleNext(step.kind == ScriptStep::Kind::Wait ? step.number : 0);
    runStep(step);
}

void ScriptRunner::finish()
{
    finished_ = true;
    emit finished();
}

bool ScriptRunner::runStep(const ScriptStep& step)
{
    switch (step.kind) {
    case ScriptStep::Kind::Wait:
        return true;
    case ScriptStep::Kind::Menu:
        return target_.sendMenuCommand(step.number) || report(step, programName_ + " has no menu");
    case ScriptStep::Kind::Press:
        return press(step);
    case ScriptStep::Kind::AnswerFile:
        chooser_.answerFile(platform::resolveStartPath(step.text));
        return true;
    case ScriptStep::Kind::AnswerCancel:
    case ScriptStep::Kind::AnswerColourCancel:
        chooser_.answerCancel();
        return true;
    case ScriptStep::Kind::AnswerColour:
        chooser_.answerColour(static_cast<std::uint32_t>(step.number));
        return true;
    case ScriptStep::Kind::Dialog:
    case ScriptStep::Kind::DialogClose:
    case ScriptStep::Kind::DialogShot:
        return workDialog(step);
    case ScriptStep::Kind::Screenshot:
        return screenshot(step);
    case ScriptStep::Kind::LoadPage:
        return target_.loadPage(step.text) || report(step, programName_ + " has no loadpage step");
    case ScriptStep::Kind::Program:
        return runProgramStep(step);
    case ScriptStep::Kind::Quit:
        target_.quit();
        return true;
    }
    return false;
}

QWidget* ScriptRunner::layoutWindow(const QWidget* host, int index)
{
    // The registry keeps the newest window at its head: creation order is the reverse.
    std::vector<QWidget*> created;
    for (WindowRecord* record : WindowRegistry::instance().records()) {
        if (record->window() && record->parent() == host)
            created.insert(created.begin(), record->window());
    }
    if (index < 0 || static_cast<std::size_t>(index) >= created.size())
        return nullptr;
    return created[static_cast<std::size_t>(index)];
}

QPushButton* ScriptRunner::findButton(QWidget* window, const QString& label)
{
    auto* control = qobject_cast<ControlWindow*>(window);
    if (!control)
        return nullptr;
    for (int index = 0; index < control->buttonCount(); ++index) {
        if (control->button(index)->text() == label)
            return control->button(index);
    }
    return nullptr;
}

bool ScriptRunner::press(const ScriptStep& step)
{
    QWidget* const target = layoutWindow(target_.layoutHost(), step.number);
    if (!target)
        return report(step, "no window " + std::to_string(step.number) + " in the layout on screen");
    QPushButton* const button = findButton(target, platform::displayText(step.text));
    if (!button)
        return report(step, "window " + std::to_string(step.number) + " has no button '" + step.text + "'");
    button->click();
    return true;
}

bool ScriptRunner::workDialog(const ScriptStep& step)
{
    dialogs::TemplateDialog* const dialog = dialogs::DialogRuntime::topmost();
    if (!dialog)
        return report(step, "no dialog is open");
    dialogs::DialogDriver driver(*dialog);
    if (step.kind == ScriptStep::Kind::DialogClose)
        return driver.close() || report(step, "the dialog cannot be closed");
    if (step.kind == ScriptStep::Kind::DialogShot)
        return driver.saveImage(platform::resolveStartPath(step.text))
            || report(step, "could not write the dialog picture '" + step.text + "'");
    if (!actOnControl(driver, step))
        return report(step, "control " + std::to_string(step.number) + " cannot " + step.text);
    return true;
}

bool ScriptRunner::actOnControl(dialogs::DialogDriver& driver, const ScriptStep& step)
{
    if (step.text == "click")
        return driver.click(step.number);
    if (step.text == "dblclick")
        return driver.doubleClick(step.number);
    if (step.text == "select")
        return driver.select(step.number, std::stoi(step.value));
    return driver.setEditText(step.number, step.value);
}

bool ScriptRunner::runProgramStep(const ScriptStep& step)
{
    std::string problem;
    if (target_.runProgramStep(step.text, step.words, problem))
        return true;
    return report(step, problem.empty() ? programName_ + " has no " + step.text + " step" : problem);
}

bool ScriptRunner::screenshot(const ScriptStep& step)
{
    if (!grabToPng(*target_.screenshotWindow(), step.text))
        return report(step, "could not write the screenshot '" + step.text + "'");
    return true;
}

bool ScriptRunner::report(const ScriptStep& step, const std::string& problem)
{
    errors_ << programName_ << ": script line " << step.lineNumber << ": " << problem << '\n';
    errors_.flush();
    return false;
}
