#pragma once
// The plugin object of libgazerix.so, which Qt Designer and QUiLoader find by its
// metadata: the control's designer interface.
#include "control/GazerixDesignerWidget.h"

class GazerixDesignerPlugin : public GazerixDesignerWidget {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    using GazerixDesignerWidget::GazerixDesignerWidget;
};
