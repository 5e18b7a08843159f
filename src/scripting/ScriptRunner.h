#pragma once
// Runs the steps of a script in order on the window thread, one event-loop
// turn apart (a wait step delays the next step by its milliseconds), so that the
// event loop keeps running between steps. A step that cannot be done is reported
// on the error stream and the script goes on.
// See docs/threads.md.
#include "scripting/ScriptStep.h"
#include "scripting/ScriptTarget.h"

#include <QObject>

#include <cstddef>
#include <ostream>
#include <vector>

namespace dialogs {
class DialogDriver;
}
class QPushButton;
class QWidget;
namespace platform {
class ScriptedChooser;
}

class ScriptRunner : public QObject {
    Q_OBJECT
public:
    // `target`, `chooser` and `errors` must outlive the runner; reports start with
    // `programName`.
    ScriptRunner(ScriptTarget& target, platform::ScriptedChooser& chooser, std::ostream& errors,
        std::string programName = "skyloom");

    // Starts running `steps` from the first, at the next turn of the event loop.
    void start(std::vector<ScriptStep> steps);
    bool isFinished() const { return finished_; }

    // Does one step at once; false (reported on the error stream) when it cannot be done.
    bool runStep(const ScriptStep& step);

    // The window of the layout on screen in `host` at `index` in creation order (oldest
    // first), or null.
    static QWidget* layoutWindow(const QWidget* host, int index);
    // The button labelled `label` in control window `window`, or null.
    static QPushButton* findButton(QWidget* window, const QString& label);

signals:
    void finished();

private:
    void runNext();
    void scheduleNext(int delayMilliseconds);
    void finish();
    bool press(const ScriptStep& step);
    bool screenshot(const ScriptStep& step);
    bool runProgramStep(const ScriptStep& step);
    // The dialog steps act on the innermost modal dialog that is running.
    bool workDialog(const ScriptStep& step);
    static bool actOnControl(dialogs::DialogDriver& driver, const ScriptStep& step);
    bool report(const ScriptStep& step, const std::string& problem);

    ScriptTarget& target_;
    platform::ScriptedChooser& chooser_;
    std::ostream& errors_;
    std::string programName_;
    std::vector<ScriptStep> steps_;
    std::size_t next_ = 0;
    bool finished_ = true;
};
