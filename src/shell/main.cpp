// The skyloom program: start-up in the simulator's order, the main window, the
// message loop and the shutdown of the window registry.
#include "host/EngineStartup.h"
#include "platform/Chooser.h"
#include "platform/InteractiveChooser.h"
#include "platform/InteractiveMessageSink.h"
#include "platform/Message.h"
#include "platform/RawFile.h"
#include "platform/ResourceLibrary.h"
#include "shell/CommandLine.h"
#include "shell/InitialLayoutPath.h"
#include "shell/MainWindow.h"
#include "shell/ScriptRunner.h"
#include "windows/WindowRegistry.h"

#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QtGlobal>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kTitle = "Skyloom Simulator";
constexpr int kUsageErrorExitCode = 2;

// Seeds rand with the millisecond field (0 to 999) of the current UTC time.
void seedRandomGenerator()
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    std::srand(static_cast<unsigned>(milliseconds));
}

std::optional<std::string> readScript(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

QtMessageHandler previousMessageHandler = nullptr;

// In batch runs standard error carries one line per message box. Qt adds notices of its
// own that say nothing about the program and would break that one-line-per-message
// contract, so they are dropped: a window-system plugin (offscreen, for one) warns about
// window requests it does not implement ("This plugin does not support
// propagateSizeHints()"), and QStandardPaths reports that it chose a runtime folder
// ("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to ...").
bool isPlatformNotice(QtMsgType type, const QString& text)
{
    return type == QtWarningMsg
        && (text.startsWith(QLatin1String("This plugin does not support "))
            || text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")));
}

void dropPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (isPlatformNotice(type, text))
        return;
    if (previousMessageHandler)
        previousMessageHandler(type, context, text);
    else
        std::cerr << qFormatLogMessage(type, context, text).toLocal8Bit().constData() << '\n';
}

bool hasEnvironment(const char* name) { return !qEnvironmentVariableIsEmpty(name); }

// A run that only scripts, grabs or times itself needs no screen: without a display to
// connect to, it draws offscreen rather than failing to start. A platform the user chose
// is kept.
void chooseOffscreenWithoutADisplay(const CommandLine& line)
{
    const bool unattended = line.usesBatchMode() || line.finishAfterMilliseconds().has_value();
    if (unattended && !hasEnvironment("QT_QPA_PLATFORM") && !hasEnvironment("DISPLAY")
        && !hasEnvironment("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Message boxes and file dialogs: batch runs (and scripts) never wait for a person.
void installDialogs(const CommandLine& line, platform::ScriptedChooser& scripted)
{
    static platform::InteractiveMessageSink interactiveMessages;
    static platform::InteractiveChooser interactiveChooser;
    if (line.usesBatchMode()) {
        platform::setMessageSink(nullptr);
        platform::setChooser(&scripted);
    } else {
        platform::setMessageSink(&interactiveMessages);
        platform::setChooser(&interactiveChooser);
    }
}

// Grabs the main window (when a screenshot was asked for) and closes it.
void finishAfter(int milliseconds, MainWindow& window, const std::string& screenshotPath)
{
    QTimer::singleShot(milliseconds, &window, [&window, screenshotPath] {
        QFile file;
        if (!screenshotPath.empty()
            && (!platform::openRawFile(screenshotPath, QIODevice::WriteOnly, file) || !window.grab().save(&file, "PNG")))
            std::cerr << "skyloom: could not write the screenshot '" << screenshotPath << "'\n";
        window.close();
    });
}

int run(const CommandLine& line, const std::optional<ParsedScript>& script)
{
    int argc = 1;
    char programName[] = "skyloom";
    char* argv[] = { programName, nullptr };
    chooseOffscreenWithoutADisplay(line);
    // Before the application is made: Qt gives some of its notices while it starts.
    if (line.usesBatchMode())
        previousMessageHandler = qInstallMessageHandler(dropPlatformNotices);
    QApplication application(argc, argv);
    static platform::ScriptedChooser scriptedChooser;
    installDialogs(line, scriptedChooser);

    setInitialLayoutPath("");
    seedRandomGenerator();
    if (!EngineStartup::start()) {
        platform::showMessage("Could not load resource file " + platform::ResourceLibrary::fileName() + ".  Exiting.",
            kTitle, platform::MessageIcon::Error);
        return 0;
    }
    setInitialLayoutPath(chooseInitialLayout(line.tail).c_str());

    int exitCode = 0;
    {
        MainWindow window;
        window.show();
        if (line.demo)
            window.onCommand(kStartPoundingCommand);
        ScriptRunner runner(window, scriptedChooser, std::cerr);
        if (script)
            runner.start(script->steps);
        if (const std::optional<int> delay = line.finishAfterMilliseconds())
            finishAfter(*delay, window, line.screenshotPath);
        exitCode = application.exec();
    }
    WindowRegistry::instance().shutdown();
    return exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine line = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.isValid()) {
        std::cerr << line.error << '\n';
        return kUsageErrorExitCode;
    }
    if (line.help) {
        std::cout << usageText();
        return 0;
    }
    if (line.version) {
        std::cout << "skyloom " << SKYLOOM_VERSION << '\n';
        return 0;
    }
    std::optional<ParsedScript> script;
    if (!line.scriptPath.empty()) {
        const std::optional<std::string> text = readScript(line.scriptPath);
        if (!text) {
            std::cerr << "skyloom: cannot read the script '" << line.scriptPath << "'\n";
            return kUsageErrorExitCode;
        }
        script = parseScript(*text);
        for (const std::string& error : script->errors)
            std::cerr << error << '\n';
    }
    return run(line, script);
}
