#include "control/ControlProcessState.h"

#include <algorithm>

namespace {

GazerixCtrl* currentControlOfProcess = nullptr;
DisplayManager* displayManagerOfProcess = nullptr;
std::string pendingPathOfProcess;

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

} // namespace

GazerixCtrl* ControlProcessState::currentControl() { return currentControlOfProcess; }

void ControlProcessState::setCurrentControl(GazerixCtrl* control) { currentControlOfProcess = control; }

DisplayManager* ControlProcessState::displayManager() { return displayManagerOfProcess; }

void ControlProcessState::setDisplayManager(DisplayManager* manager) { displayManagerOfProcess = manager; }

const std::string& ControlProcessState::pendingPath() { return pendingPathOfProcess; }

void ControlProcessState::setPendingPath(const std::string& path)
{
    std::size_t length = std::min(path.size(), kMaxPendingPath);
    // A cut inside a multi-byte character would leave a path no file has.
    if (length < path.size())
        while (length > 0 && isContinuationByte(path[length]))
            --length;
    pendingPathOfProcess = path.substr(0, length);
}

void ControlProcessState::forget(const GazerixCtrl* control, const DisplayManager* manager)
{
    if (currentControlOfProcess == control)
        currentControlOfProcess = nullptr;
    if (manager && displayManagerOfProcess == manager)
        displayManagerOfProcess = nullptr;
}
