#include "control/ControlProcessState.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

struct LiveControl {
    GazerixCtrl* control;
    DisplayManager* manager;
};

GazerixCtrl* currentControlOfProcess = nullptr;
DisplayManager* displayManagerOfProcess = nullptr;
// The controls whose window was created, oldest first.
std::vector<LiveControl> liveControls;
std::map<const GazerixCtrl*, std::string> pendingPaths;

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

} // namespace

GazerixCtrl* ControlProcessState::currentControl() { return currentControlOfProcess; }

DisplayManager* ControlProcessState::displayManager() { return displayManagerOfProcess; }

void ControlProcessState::makeCurrent(GazerixCtrl* control, DisplayManager* manager)
{
    std::erase_if(liveControls, [control](const LiveControl& live) { return live.control == control; });
    liveControls.push_back({ control, manager });
    currentControlOfProcess = control;
    displayManagerOfProcess = manager;
}

const std::string& ControlProcessState::pendingPath(const GazerixCtrl* control)
{
    static const std::string none;
    const auto found = pendingPaths.find(control);
    return found == pendingPaths.end() ? none : found->second;
}

void ControlProcessState::setPendingPath(const GazerixCtrl* control, const std::string& path)
{
    std::size_t length = std::min(path.size(), kMaxPendingPath);
    // A cut inside a multi-byte character would leave a path no file has.
    if (length < path.size())
        while (length > 0 && isContinuationByte(path[length]))
            --length;
    pendingPaths[control] = path.substr(0, length);
}

void ControlProcessState::forget(const GazerixCtrl* control, const DisplayManager* manager)
{
    pendingPaths.erase(control);
    std::erase_if(liveControls, [control, manager](const LiveControl& live) {
        return (control && live.control == control) || (manager && live.manager == manager);
    });
    const bool currentGone
        = (control && currentControlOfProcess == control) || (manager && displayManagerOfProcess == manager);
    if (!currentGone)
        return;
    // The control created last among those still here takes over.
    currentControlOfProcess = liveControls.empty() ? nullptr : liveControls.back().control;
    displayManagerOfProcess = liveControls.empty() ? nullptr : liveControls.back().manager;
}
