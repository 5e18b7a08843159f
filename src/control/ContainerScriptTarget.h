#pragma once
// What a script works on inside a container: the container's window around the control;
// the layout's windows are those of the control's display window. There is no menu.
// Threading: window thread only.
#include "scripting/ScriptTarget.h"

#include <QPointer>
#include <QWidget>

class ContainerScriptTarget : public ScriptTarget {
public:
    ContainerScriptTarget(QWidget& container, QWidget& control);

    bool sendMenuCommand(int id) override;
    QWidget* layoutHost() const override;
    QWidget* screenshotWindow() const override;
    // Calls the control's LoadPage with `path` (resolved as a command-line layout path).
    bool loadPage(const std::string& path) override;
    void quit() override;

private:
    QPointer<QWidget> container_;
    QPointer<QWidget> control_;
};
