#include "shell/LayoutWindows.h"

#include "scripting/ScriptRunner.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QCoreApplication>
#include <QWidget>

LayoutWindows::LayoutWindows(QWidget& host)
    : host_(host)
{
}

QWidget* LayoutWindows::find(int number) const
{
    return number == kWholeLayout ? &host_ : ScriptRunner::layoutWindow(&host_, number);
}

QStringList LayoutWindows::descriptions() const
{
    QStringList described;
    for (int number = 0; QWidget* const window = find(number); ++number)
        described << describe(window);
    return described;
}

QString LayoutWindows::describe(QWidget* window) const
{
    WindowRecord* const record = WindowRegistry::instance().findRecord(window);
    const QString shown = record ? QString::fromStdString(record->spokenTexts().name) : QString();
    if (record && !record->isObserver())
        return shown.isEmpty() ? QCoreApplication::translate("LayoutWindows", "Buttons")
                               : QCoreApplication::translate("LayoutWindows", "Buttons: %1").arg(shown);
    return shown.isEmpty() ? QCoreApplication::translate("LayoutWindows", "Observer window") : shown;
}

int LayoutWindows::refreshMilliseconds(int number) const
{
    const QWidget* const window = find(number);
    if (!window)
        return 0;
    int fastest = 0;
    for (WindowRecord* record : WindowRegistry::instance().records()) {
        const bool counted = number == kWholeLayout ? record->parent() == &host_ : record->window() == window;
        if (counted && record->refresh > 0 && (fastest == 0 || record->refresh < fastest))
            fastest = record->refresh;
    }
    return fastest;
}
