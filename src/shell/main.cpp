// The skyloom program: start-up in the simulator's order, the main window, the
// message loop and the shutdown of the window registry.
#include "host/EngineStartup.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "platform/ResourceLibrary.h"
#include "platform/ScreenColormap.h"
#include "scripting/CommandLine.h"
#include "scripting/DialogSeams.h"
#include "scripting/FocusRing.h"
#include "scripting/ProgramStart.h"
#include "scripting/ScriptRunner.h"
#include "scripting/Translations.h"
#include "scripting/UnattendedRun.h"
#include "shell/InitialLayoutPath.h"
#include "shell/LayoutWindows.h"
#include "shell/MainWindow.h"
#include "shell/MediaCommands.h"
#include "shell/SkyloomProgram.h"
#include "windows/WindowRegistry.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* const kTitle = "Skyloom Simulator";
// --record could not start or write its animation.
constexpr int kRecordingFailedExitCode = 1;

// Seeds rand with the millisecond field (0 to 999) of the current UTC time.
void seedRandomGenerator()
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    std::srand(static_cast<unsigned>(milliseconds));
}

std::string usageText()
{
    return "Usage: skyloom [options] [--] [layout path ...]\n"
           "Starts the Skyloom Simulator on the layout path (the words after the options,\n"
           "joined by single spaces), or on the shipped PtolemyUniverse layout.\n"
           "\n"
        + optionsHelp(skyloomProgram(), "the main window");
}

// --record SECONDS PATH: records the whole layout from the start; the program quits once
// the file is written (or, with --quit-after, then, but not before). `failed` becomes true
// when the recording cannot start or its file was not written.
void recordFromTheStart(MainWindow& window, const CommandLine& line, bool& failed)
{
    QString problem;
    if (!window.media()->record(LayoutWindows::kWholeLayout, line.recordSeconds, line.recordPath, problem)) {
        std::cerr << "skyloom: " << problem.toStdString() << '\n';
        failed = true;
        QTimer::singleShot(0, &window, &QWidget::close); // once the event loop runs, which it then ends
        return;
    }
    const bool quitWhenRecorded = !line.finishAfterMilliseconds();
    QObject::connect(
        window.media(), &MediaCommands::recordingEnded, &window,
        [&window, &failed, quitWhenRecorded](bool written) {
            failed = !written;
            if (quitWhenRecorded)
                window.close();
        },
        Qt::SingleShotConnection);
}

int run(const CommandLine& line, const std::optional<ParsedScript>& script)
{
    int argc = 1;
    char programName[] = "skyloom";
    char* argv[] = { programName, nullptr };
    unattended::prepareApplication(line);
    QApplication application(argc, argv);
    installTranslations(application);
    FocusRing::install(application);
    platform::ScreenColormap::install(application);
    static platform::ScriptedChooser scriptedChooser;
    installDialogSeams(line.usesBatchMode(), scriptedChooser);

    setInitialLayoutPath("");
    seedRandomGenerator();
    if (!EngineStartup::start()) {
        platform::showMessage("Could not load resource file " + platform::ResourceLibrary::fileName() + ".  Exiting.",
            kTitle, platform::MessageIcon::Error);
        return 0;
    }
    setInitialLayoutPath(chooseInitialLayout(line.tail).c_str());

    int exitCode = 0;
    bool recordFailed = false;
    {
        MainWindow window;
        window.show();
        if (line.demo)
            window.onCommand(kStartPoundingCommand);
        ScriptRunner runner(window, scriptedChooser, std::cerr);
        if (script)
            runner.start(script->steps);
        if (!line.recordPath.empty())
            recordFromTheStart(window, line, recordFailed);
        if (const std::optional<int> delay = line.finishAfterMilliseconds())
            unattended::finishAfter(*delay, window, line.screenshotPath, "skyloom");
        exitCode = application.exec();
    }
    if (recordFailed)
        exitCode = kRecordingFailedExitCode;
    WindowRegistry::instance().shutdown();
    return exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    const ProgramStart start = ProgramStart::read(argc, argv, skyloomProgram(), usageText(), SKYLOOM_VERSION);
    if (start.exitStatus)
        return *start.exitStatus;
    std::optional<ParsedScript> script;
    if (start.scriptText) {
        script = parseScript(*start.scriptText, skyloomProgram());
        for (const std::string& error : script->errors)
            std::cerr << error << '\n';
    }
    return run(start.line, script);
}
