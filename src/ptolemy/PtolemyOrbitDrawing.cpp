// The circles of a chain of orbs, with their eccentric and equant markers, and their names.
#include "ptolemy/PtolemyOrbit.h"

#include "drawing/ScreenMapping.h"
#include "drawing/SharedSprites.h"
#include "platform/HashCombine.h"
#include "ptolemy/LabelPlacement.h"
#include "raster/DeviceContext.h"

#include <vector>

namespace {

// Markers are drawn centred, cut to at most this many pixels square.
constexpr int kMarkerSize = 7;
// Names are written this many pixels right of and below the point they name, or, where
// that is taken, beside it in another corner.
constexpr int kLabelOffset = 9;

void drawMarker(const Sprite& sprite, raster::DeviceContext& device, int x, int y)
{
    if (SUCCEEDED(sprite.isValid()))
        sprite.drawCentred(device, x, y, kMarkerSize, kMarkerSize);
}

} // namespace

void PtolemyOrbit::VisitCentres(double t, const CentreVisitor& visit) const
{
    // Innermost first: walk the chain once, then visit it from its far end, carrying
    // each orb's moving point outward as the next orb's centre.
    // Reused from paint to paint (window thread only): drawing allocates nothing per system.
    thread_local std::vector<const PtolemyOrbit*> chain;
    chain.clear();
    for (const PtolemyOrbit* orb = this; orb != nullptr; orb = orb->next.get())
        chain.push_back(orb);
    ModelPoint carrier;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const PtolemyOrbit& orb = **it;
        ModelPoint centre = carrier;
        if (orb.hasEccentric) {
            centre.x += orb.eccx;
            centre.y += orb.eccy;
        }
        visit(orb, carrier, centre);
        const ModelPoint local = orb.LocalPosition(t);
        carrier = { centre.x + local.x, centre.y + local.y };
    }
}

void PtolemyOrbit::DrawCircles(
    raster::DeviceContext& device, double t, int cx, int cy, double scale, ChainCircles which) const
{
    using screen_mapping::clampedPixels;
    using screen_mapping::screenX;
    using screen_mapping::screenY;
    const SharedSprites& sprites = sharedSprites();
    bool deferent = true; // the innermost orb is visited first
    VisitCentres(t, [&](const PtolemyOrbit& orb, ModelPoint, ModelPoint centre) {
        const bool drawn = which == ChainCircles::All || deferent == (which == ChainCircles::DeferentOnly);
        deferent = false;
        if (!drawn)
            return;
        if (orb.hasEccentric)
            drawMarker(sprites.ecc, device, screenX(cx, centre.x, scale), screenY(cy, centre.y, scale));
        const int radius = clampedPixels(scale * orb.r);
        const int diameter = clampedPixels(2 * scale * orb.r);
        const int x = screenX(cx, centre.x, scale);
        const int y = screenY(cy, centre.y, scale);
        device.arc(x - radius, y - radius, x - radius + diameter, y - radius + diameter, x, y - radius, x, y - radius);
        if (orb.hasEquant)
            drawMarker(
                sprites.eq, device, screenX(cx, centre.x + orb.eqx, scale), screenY(cy, centre.y + orb.eqy, scale));
    });
}

std::uint64_t PtolemyOrbit::DeferentKey() const
{
    const PtolemyOrbit* deferent = this;
    while (deferent->next)
        deferent = deferent->next.get();
    std::uint64_t key = platform::hashCombine(0, deferent->r);
    for (const double offset : { deferent->eccx, deferent->eccy, deferent->eqx, deferent->eqy })
        key = platform::hashCombine(key, offset);
    return platform::hashCombine(key, static_cast<std::uint64_t>(deferent->hasEccentric) * 2u + deferent->hasEquant);
}

std::uint64_t PtolemyOrbit::ChainKey() const
{
    std::uint64_t key = 0;
    for (const PtolemyOrbit* orb = this; orb; orb = orb->next.get()) {
        for (const double value : { orb->phi, orb->om, orb->r, orb->eccx, orb->eccy, orb->eqx, orb->eqy })
            key = platform::hashCombine(key, value);
        key = platform::hashCombine(key, static_cast<std::uint64_t>(orb->hasEccentric) * 2u + orb->hasEquant);
    }
    return key;
}

void PtolemyOrbit::DrawNames(
    raster::DeviceContext& device, double t, int cx, int cy, double scale, LabelPlacement& placement) const
{
    using screen_mapping::screenX;
    using screen_mapping::screenY;
    VisitCentres(t, [&](const PtolemyOrbit& orb, ModelPoint, ModelPoint centre) {
        if (orb.name.empty())
            return;
        const QSize size(device.textWidth(orb.name), device.lineHeight());
        const QPoint corner = placement.place(QPoint(screenX(cx, centre.x, scale), screenY(cy, centre.y, scale)), size,
            kLabelOffset, LabelPlacement::Usual::BelowRight);
        device.textOut(corner.x(), corner.y(), orb.name);
        placement.take(QRect(corner, size));
    });
}
