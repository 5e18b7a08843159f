#include "control/GazerixDesignerWidget.h"

#include <gazerix/GazerixCtrl.h>
#include <gazerix/GazerixTypeLibrary.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

// Toolbox bitmap 1: 16 x 15 in the 16-colour palette, a planet on its epicycle.
const char* const kToolboxBitmap[] = {
    "16 15 4 1",
    ". c #C0C0C0",
    "b c #000080",
    "r c #FF0000",
    "y c #FFFF00",
    "................",
    "......bbbb......",
    "....bb....bb....",
    "...b........b...",
    "..b..........b..",
    "..b....yy....b..",
    ".b....yyyy....b.",
    ".b....yyyy...rr.",
    ".b.....yy...rrrr",
    "..b..........rr.",
    "..b..........b..",
    "...b........b...",
    "....bb....bb....",
    "......bbbb......",
    "................",
};

} // namespace

GazerixDesignerWidget::GazerixDesignerWidget(QObject* parent)
    : QObject(parent)
{
}

QString GazerixDesignerWidget::name() const { return QStringLiteral("GazerixCtrl"); }

QString GazerixDesignerWidget::group() const { return QStringLiteral("Skyloom"); }

QString GazerixDesignerWidget::toolTip() const { return QString::fromLatin1(gazerix::kControlTypeName); }

QString GazerixDesignerWidget::whatsThis() const
{
    return QStringLiteral("The Skyloom engine in a widget: call LoadPage(path) to show a layout file.");
}

QString GazerixDesignerWidget::includeFile() const { return QStringLiteral("gazerix/GazerixCtrl.h"); }

QIcon GazerixDesignerWidget::icon() const { return QIcon(QPixmap(kToolboxBitmap)); }

bool GazerixDesignerWidget::isContainer() const { return false; }

QWidget* GazerixDesignerWidget::createWidget(QWidget* parent) { return new GazerixCtrl(parent); }

bool GazerixDesignerWidget::isInitialized() const { return initialized_; }

void GazerixDesignerWidget::initialize(QDesignerFormEditorInterface*) { initialized_ = true; }

QString GazerixDesignerWidget::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"GazerixCtrl\" name=\"gazerix\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>400</width><height>300</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n");
}
