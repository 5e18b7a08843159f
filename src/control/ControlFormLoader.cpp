#include "control/ControlFormLoader.h"

#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

ControlFormLoader::ControlFormLoader(QDesignerCustomWidgetInterface& control, QObject* parent)
    : QUiLoader(parent)
    , control_(control)
{
}

QWidget* ControlFormLoader::createWidget(const QString& className, QWidget* parent, const QString& name)
{
    if (className != control_.name())
        return QUiLoader::createWidget(className, parent, name);
    QWidget* const widget = control_.createWidget(parent);
    if (widget)
        widget->setObjectName(name);
    return widget;
}
