#include "scripting/UnattendedRun.h"

#include "scripting/WidgetGrab.h"

#include <QString>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include <iostream>

namespace unattended {

namespace {

    QtMessageHandler previousMessageHandler = nullptr;

    // A window-system plugin (offscreen, for one) warns about window requests it does not
    // implement ("This plugin does not support propagateSizeHints()"), and QStandardPaths
    // reports that it chose a runtime folder ("QStandardPaths: XDG_RUNTIME_DIR not set,
    // defaulting to ...").
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

} // namespace

void prepareApplication(const CommandLine& line)
{
    if (line.isUnattended() && !hasEnvironment("QT_QPA_PLATFORM") && !hasEnvironment("DISPLAY")
        && !hasEnvironment("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before the application is made: Qt gives some of its notices while it starts.
    if (line.usesBatchMode())
        previousMessageHandler = qInstallMessageHandler(dropPlatformNotices);
}

void finishAfter(int milliseconds, QWidget& window, const std::string& screenshotPath, const std::string& programName)
{
    QTimer::singleShot(milliseconds, &window, [&window, screenshotPath, programName] {
        if (!screenshotPath.empty() && !grabToPng(window, screenshotPath))
            std::cerr << programName << ": could not write the screenshot '" << screenshotPath << "'\n";
        window.close();
    });
}

} // namespace unattended
