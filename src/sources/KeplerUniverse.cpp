#include "sources/KeplerUniverse.h"

#include <QCoreApplication>

#include "documents/SharedTrail.h"
#include "platform/Message.h"
#include "raster/DeviceContext.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int32_t kPeriodMilliseconds = 15;
constexpr double kIncrement = 0.001;
// The plot keeps this many pixels clear of the nearer edge.
constexpr std::int32_t kPlotMargin = 3;

enum Button : std::uint32_t { kInit = 0, kUpdateObs = 1 };

const std::array<ButtonSpec, 2> kButtons { ButtonSpec { 0, "Init" }, ButtonSpec { 0, "Update Obs" } };

} // namespace

KeplerUniverse::KeplerUniverse()
{
    clock().setPeriod(kPeriodMilliseconds);
    clock().setIncrement(kIncrement);
    clock().start();
}

HRESULT KeplerUniverse::Draw(
    raster::DeviceContext& context, std::int32_t width, std::int32_t height, std::int32_t drawRequest)
{
    return drawOnWhite(context, width, height, [&] {
        if (drawRequest & kDrawStatistics)
            DrawStatistics(context, drawRequest, width, height);
        else
            DrawModel(context, drawRequest, width, height);
    });
}

std::int32_t KeplerUniverse::GetButtonCount() { return static_cast<std::int32_t>(kButtons.size()); }

const ButtonSpec* KeplerUniverse::GetButtons() { return kButtons.data(); }

HRESULT KeplerUniverse::OnCommand(QWidget*, std::uintptr_t wparam, std::intptr_t)
{
    const auto button = static_cast<std::uint32_t>(wparam & 0xffff);
    if (button != kInit && button != kUpdateObs) {
        // Shown with no lock held: a message box runs a nested event loop.
        platform::showMessage("Got a message I wasn't ready for.", "Astreon Error", platform::MessageIcon::Error);
        return S_OK;
    }
    platform::CriticalSectionGuard guard(lock_);
    if (button == kInit)
        Restart();
    else
        plot_.SetMatchTrail(sharedTrailCopy().get());
    return S_OK;
}

void KeplerUniverse::DrawStatistics(raster::DeviceContext& context, std::int32_t, std::int32_t, std::int32_t)
{
    context.textOut(0, 0, "Unnamed model");
    context.textOut(0, context.lineHeight(), "Randomly Generated Display");
}

void KeplerUniverse::DrawModel(raster::DeviceContext& context, std::int32_t, std::int32_t width, std::int32_t height)
{
    // Without a trail the extent is 0: there is nothing to scale or draw.
    const double extent = plot_.MatchExtent();
    if (!(extent > 0.0))
        return;
    const std::int32_t cx = width / 2;
    const std::int32_t cy = height / 2;
    // A window too small for the margin plots every point at the centre rather than mirrored.
    const std::int32_t radius = std::max(0, std::min(cx, cy) - kPlotMargin);
    const double scale = radius / extent;
    plot_.CreateMatchPens(context);
    plot_.DrawMatchTrail(context, clock().time(), cx, cy, scale);
}

void KeplerUniverse::Restart()
{
    platform::CriticalSectionGuard guard(lock_);
    clock().Lock();
    clock().setTime(0.0);
    clock().setTickCount(0);
    clock().Unlock();
}

std::string KeplerUniverse::AccessibleName(std::int32_t)
{
    return QCoreApplication::translate("KeplerUniverse", "Kepler universe: planets on ellipses around the Sun")
        .toStdString();
}
