#pragma once
// An animated image source that plays an observation trail back against a running
// clock: each point of the trail is drawn around the centre of the window, scaled to
// fit, as a past, current or future observation. Buttons "Init" (restart the clock)
// and "Update Obs" (plot a copy of the shared trail). It takes no layout arguments.
//
// Threading: the clock's worker thread only advances time and the tick count (a plain
// clock, see ClockDrivenSource.h). Draw, OnCommand and Restart run on the window thread
// under the source's lock and take the clock's lock inside it. GetGeneration reads the
// atomic tick count.
// See docs/threads.md.
#include "imagesource/ClockDrivenSource.h"
#include "ptolemy/MatchTrailHolder.h"

class KeplerUniverse final : public ClockDrivenSource {
public:
    // Starts the clock (15 ms period, 0.001 per step).
    KeplerUniverse();

    // White, then the statistics view or the model view.
    HRESULT Draw(
        raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest) override;
    std::int32_t GetButtonCount() override;
    std::string AccessibleName(std::int32_t drawRequest) override;
    const ButtonSpec* GetButtons() override;
    // Button 0 "Init": Restart; button 1 "Update Obs": plot a copy of the shared trail (none when empty).
    HRESULT OnCommand(QWidget* window, std::uintptr_t wparam, std::intptr_t lparam) override;

    // "Unnamed model" and "Randomly Generated Display" on two lines at the top left.
    void DrawStatistics(
        raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height);
    // The trail centred in the area, scaled so that its farthest point fits.
    void DrawModel(raster::DeviceContext& context, std::int32_t drawRequest, std::int32_t width, std::int32_t height);
    // Puts the clock's time and tick count back to 0.
    void Restart();

    // The trail being shown; for inspection.
    const MatchTrailHolder& plot() const { return plot_; }

private:
    MatchTrailHolder plot_;

protected:
    bool DrawsOnWhiteGround() const override { return true; }
};
