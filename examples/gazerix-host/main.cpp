// gazerix-host [--batch] [--quit-after MS] [layout]: shows a layout file in the Gazerix
// control of a Designer form (SkyWindow.ui). A relative layout path names a file under the
// root directory of the engine's registry file. Ends with status 1 when the control cannot
// be created.
#include "ui_SkyWindow.h"

#include <gazerix/GazerixAutomation.h>
#include <gazerix/GazerixCtrl.h>
#include <gazerix/GazerixEntryPoints.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

namespace {

const char* const kDefaultLayout = "AstreonLayouts/One Universe.lay";

QString text(const char* source) { return QCoreApplication::translate("gazerix-host", source); }

void print(FILE* stream, const QString& line) { std::fprintf(stream, "%s\n", qPrintable(line)); }

struct Options {
    QString layout;
    bool batch = false;
    int quitAfterMilliseconds = -1; // -1: run until the window is closed
};

Options readOptions(const QApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(text("Shows a layout in the Gazerix control."));
    parser.addHelpOption();
    const QCommandLineOption quitAfter(
        QStringLiteral("quit-after"), text("Quit after <ms> milliseconds."), QStringLiteral("ms"));
    parser.addOption(quitAfter);
    const QCommandLineOption batch(QStringLiteral("batch"), text("Write the control's messages to standard error."));
    parser.addOption(batch);
    parser.addPositionalArgument(
        QStringLiteral("layout"), text("The layout file to show (default: %1).").arg(kDefaultLayout));
    parser.process(application);
    return { parser.positionalArguments().value(0, QString::fromUtf8(kDefaultLayout)), parser.isSet(batch),
        parser.isSet(quitAfter) ? parser.value(quitAfter).toInt() : -1 };
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const Options options = readOptions(application);
    // Unattended, a message box would wait for nobody: the control's messages go to standard
    // error instead. This must come before the first control is created.
    if (options.batch)
        GazerixAutomationInterface()->useBatchMode();

    QWidget window;
    Ui::SkyWindow form;
    form.setupUi(&window);
    // Given before the control is shown, the path loads as the control's window is created.
    form.gazerix->LoadPage(options.layout);
    window.show();
    if (!form.gazerix->isCreated()) {
        print(stderr, text("gazerix-host: the Gazerix control could not be created"));
        return 1;
    }
    print(stdout, text("gazerix-host: showing %1").arg(options.layout));
    if (options.quitAfterMilliseconds >= 0)
        QTimer::singleShot(options.quitAfterMilliseconds, &application, &QCoreApplication::quit);
    return application.exec();
}
