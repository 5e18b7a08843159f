#pragma once
// Loads a Qt Designer form in which a registered control's widget appears by its class
// name: the widget is made by the control library's designer interface, exactly as
// Designer's own preview makes it; every other class is QUiLoader's.
#include <QUiLoader>

class QDesignerCustomWidgetInterface;

class ControlFormLoader : public QUiLoader {
    Q_OBJECT
public:
    // `control` (not owned) must outlive the loader.
    explicit ControlFormLoader(QDesignerCustomWidgetInterface& control, QObject* parent = nullptr);

    QWidget* createWidget(
        const QString& className, QWidget* parent = nullptr, const QString& name = QString()) override;

private:
    QDesignerCustomWidgetInterface& control_;
};
