// gazerix-container: a program that embeds the registered control. It finds the control
// by its programmatic identifier in the registry file, loads its library from the
// recorded path, places it in a window through a Designer form and calls LoadPage with
// the layout of its command line; its script steps are skyloom's plus loadpage.
#include "control/ControlFormLoader.h"
#include "control/ControlLocator.h"
#include "scripting/CommandLine.h"
#include "scripting/ProgramStart.h"
#include "scripting/ScriptStep.h"
#include "scripting/UnattendedRun.h"

#include <gazerix/GazerixAutomation.h>
#include <gazerix/GazerixTypeLibrary.h>

#include <QApplication>
#include <QFile>
#include <QLibrary>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const ScriptingProgram kProgram { "gazerix-container", false, true, {} };
constexpr int kFailureExitCode = 1;
// A tail this short (a stray character) is not taken for a path.
constexpr std::size_t kShortestTail = 2;

std::string usageText()
{
    return "Usage: gazerix-container [options] [--] [layout path ...]\n"
           "Places the registered Gazerix control (GAZERIX.GazerixCtrl.1) in a window and\n"
           "calls its LoadPage with the layout path (the words after the options, joined\n"
           "by single spaces).\n"
           "\n"
        + optionsHelp(kProgram, "the window");
}

int fail(const std::string& problem)
{
    std::cerr << kProgram.name << ": " << problem << '\n';
    return kFailureExitCode;
}

struct LoadedControl {
    QDesignerCustomWidgetInterface* designer = nullptr;
    GazerixAutomation* automation = nullptr;
};

// Loads the control's library; kept loaded for the whole run.
std::optional<LoadedControl> loadControlLibrary(const std::string& path, std::string& error)
{
    static QPluginLoader plugin;
    plugin.setFileName(QString::fromStdString(path));
    auto* const designer = qobject_cast<QDesignerCustomWidgetInterface*>(plugin.instance());
    if (!designer) {
        error = "cannot load the control from " + path + ": " + plugin.errorString().toStdString();
        return std::nullopt;
    }
    const auto getter = reinterpret_cast<GazerixAutomationGetter>(
        QLibrary::resolve(QString::fromStdString(path), kGazerixAutomationSymbol));
    if (!getter) {
        error = path + " offers no " + kGazerixAutomationSymbol;
        return std::nullopt;
    }
    return LoadedControl { designer, getter() };
}

std::unique_ptr<QWidget> loadForm(QDesignerCustomWidgetInterface& designer)
{
    QFile form(QStringLiteral(":/gazerix-container/GazerixContainer.ui"));
    if (!form.open(QIODevice::ReadOnly))
        return nullptr;
    ControlFormLoader loader(designer);
    return std::unique_ptr<QWidget>(loader.load(&form));
}

int run(const CommandLine& line, const std::optional<std::string>& script)
{
    int argc = 1;
    char programName[] = "gazerix-container";
    char* argv[] = { programName, nullptr };
    unattended::prepareApplication(line);
    QApplication application(argc, argv);

    std::string error;
    const std::optional<std::string> library = ControlLocator::libraryOf(gazerix::kControlProgId, error);
    if (!library)
        return fail(error);
    const std::optional<LoadedControl> loaded = loadControlLibrary(*library, error);
    if (!loaded)
        return fail(error);
    if (line.usesBatchMode())
        loaded->automation->useBatchMode();

    const std::unique_ptr<QWidget> window = loadForm(*loaded->designer);
    QWidget* const control = window ? window->findChild<QWidget*>(QStringLiteral("gazerix")) : nullptr;
    if (!control)
        return fail("the form holds no control");
    if (line.tail.size() >= kShortestTail)
        QMetaObject::invokeMethod(
            control, "LoadPage", Q_ARG(QByteArray, QByteArray::fromStdString(resolveLayoutArgument(line.tail))));
    window->show();
    if (!control->property("created").toBool())
        return fail("the control could not be created");
    if (script)
        loaded->automation->runScript(*script, *window, *control, kProgram.name);
    if (const std::optional<int> delay = line.finishAfterMilliseconds())
        unattended::finishAfter(*delay, *window, line.screenshotPath, kProgram.name);
    return application.exec();
}

} // namespace

int main(int argc, char** argv)
{
    const ProgramStart start = ProgramStart::read(argc, argv, kProgram, usageText(), SKYLOOM_VERSION);
    if (start.exitStatus)
        return *start.exitStatus;
    return run(start.line, start.scriptText);
}
