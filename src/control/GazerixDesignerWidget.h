#pragma once
// The control as Qt Designer and QUiLoader see it: its class name, group, icon (the
// toolbox bitmap) and the widget it creates. The library's plugin object is this
// interface with the plugin's metadata.
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class GazerixDesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    explicit GazerixDesignerWidget(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    bool initialized_ = false;
};
