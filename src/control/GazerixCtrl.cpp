#include <gazerix/GazerixCtrl.h>

#include "control/GazerixCtrlEngine.h"
#include "control/GazerixPropPage.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QMenu>
#include <QResizeEvent>

GazerixCtrl::GazerixCtrl(QWidget* parent)
    : QWidget(parent)
    , engine_(std::make_unique<GazerixCtrlEngine>(*this))
{
}

// The engine's side goes first, while this is still a widget, with the windows of its layout.
GazerixCtrl::~GazerixCtrl() = default;

bool GazerixCtrl::isCreated() const { return engine_->isCreated(); }

bool GazerixCtrl::event(QEvent* event)
{
    // Polishing comes once, before the first show and before the size the container gave
    // the control is delivered: the moment a native control's window is created.
    if (event->type() == QEvent::Polish && !engine_->creationTried())
        emit creationFinished(engine_->create());
    return QWidget::event(event);
}

void GazerixCtrl::LoadPage(const QString& pathToLoad)
{
    LoadPage(pathToLoad.isNull() ? QByteArray() : pathToLoad.toUtf8());
}

void GazerixCtrl::LoadPage(const QByteArray& pathBytes) { engine_->loadPage(pathBytes); }

void GazerixCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    engine_->fill(event->size());
}

void GazerixCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    // The layout's windows take their own right clicks; the menu belongs to the space
    // between them.
    QWidget* const clicked = childAt(event->pos());
    if (clicked && clicked != engine_->displayWindow())
        return;
    QMenu menu(this);
    menu.addAction(tr("&Properties..."), this, &GazerixCtrl::showPropertyPage);
    menu.exec(event->globalPos());
}

void GazerixCtrl::showPropertyPage() { GazerixPropPage::showPropertySheet(this); }
