#include "control/ContainerScriptTarget.h"

#include "control/GazerixCtrlEngine.h"
#include "scripting/CommandLine.h"

#include <gazerix/GazerixCtrl.h>

ContainerScriptTarget::ContainerScriptTarget(QWidget& container, QWidget& control)
    : container_(&container)
    , control_(&control)
{
}

bool ContainerScriptTarget::sendMenuCommand(int) { return false; }

QWidget* ContainerScriptTarget::layoutHost() const
{
    const auto* const control = qobject_cast<const GazerixCtrl*>(control_.data());
    return control ? GazerixCtrlEngine::of(*control).displayWindow() : nullptr;
}

QWidget* ContainerScriptTarget::screenshotWindow() const { return container_.data(); }

bool ContainerScriptTarget::loadPage(const std::string& path)
{
    auto* const control = qobject_cast<GazerixCtrl*>(control_.data());
    if (!control)
        return false;
    control->LoadPage(QByteArray::fromStdString(resolveLayoutArgument(path)));
    return true;
}

void ContainerScriptTarget::quit()
{
    if (container_)
        container_->close();
}
