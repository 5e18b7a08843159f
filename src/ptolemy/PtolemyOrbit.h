#pragma once
// One orb (cycle) of a system of cycles: a circle of radius r turning uniformly at
// om turns per unit of model time from phase phi, centred on the moving point of
// its carrier (`next`) or on the Earth when it has none, optionally displaced by an
// eccentric and turning uniformly about an equant point.
//
// Model coordinates: x right, y up, the Earth at the origin, angles in radians.
// A chain is reached through its head, the outermost orb, whose moving point is the
// planet; each orb owns the chain below it. Chain walks are iterative, so a chain
// of any length read from a file costs no stack depth.
//
// Threading: an orb has no lock; its owner (PtolemyBody) guards it.
#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class LabelPlacement;
namespace raster {
class DeviceContext;
}

struct ModelPoint {
    double x = 0;
    double y = 0;
};

// Which of a chain's circles a drawing pass draws: the deferent's circle (with its markers)
// stays where it is while the others move.
enum class ChainCircles { All, DeferentOnly, AllButDeferent };

class PtolemyOrbit {
public:
    // Names longer than this are cut.
    static constexpr std::size_t kMaxNameLength = 32;
    // The angle advances by om * kTurn per unit of model time (used as written, not 2 pi).
    static constexpr double kTurn = 6.2831854;

    // Takes ownership of `next` (the carrier; null for the deferent). A null name leaves no name.
    PtolemyOrbit(const char* name, double phi, double om, double r, std::unique_ptr<PtolemyOrbit> next, double eccx = 0,
        double eccy = 0, double eqx = 0, double eqy = 0);
    // Deep copy of the chain from `other` downwards, names and flags included.
    PtolemyOrbit(const PtolemyOrbit& other);
    PtolemyOrbit& operator=(const PtolemyOrbit&) = delete;
    ~PtolemyOrbit();

    std::unique_ptr<PtolemyOrbit> Copy() const;

    // theta = t * om * kTurn + phi.
    double Angle(double t) const;
    // The moving point relative to this orb's (displaced) centre.
    ModelPoint LocalPosition(double t) const;
    // Position of the carrier's moving point, (0, 0) without a carrier.
    ModelPoint CarrierPosition(double t) const;
    // The moving point: carrier point + eccentric + local point.
    ModelPoint Position(double t) const;
    // (next ? next's extent : 5) + r + |eccentric|.
    double Extent() const;
    int ChainLength() const;

    // The circles of the chain, innermost first, with eccentric and equant markers;
    // in the selected pen. cx, cy: view centre in pixels; scale: pixels per unit.
    void DrawCircles(raster::DeviceContext& device, double t, int cx, int cy, double scale,
        ChainCircles which = ChainCircles::All) const;
    // What the deferent's circle and markers look like: changes with its size and offsets.
    std::uint64_t DeferentKey() const;
    // What the motion of the whole chain depends on: changes with any orb's numbers or flags.
    std::uint64_t ChainKey() const;
    // Each orb's name by its circle's centre at time t, in the selected text colour, where
    // `placement` finds room; each name written is taken in it.
    void DrawNames(
        raster::DeviceContext& device, double t, int cx, int cy, double scale, LabelPlacement& placement) const;
    // Visits the orbs from the innermost (the deferent) outwards with the point that
    // carries each one at time t and its circle's centre (the carrier moved by the eccentric).
    using CentreVisitor = std::function<void(const PtolemyOrbit& orb, ModelPoint carrier, ModelPoint centre)>;
    void VisitCentres(double t, const CentreVisitor& visit) const;
    // Appends the chain's orbs to `text` as universe-file elements, innermost first.
    void WriteXml(std::string& text) const;

    const std::string& Name() const { return name; }
    void SetName(const char* text);
    // Recomputes hasEccentric and hasEquant from the four offsets.
    void UpdateFlags();

    // A new orb named "Random Orb" carried by `next`; the draws are, in order:
    // r, the eccentric/equant choice (and its four offsets), om, phi.
    static std::unique_ptr<PtolemyOrbit> RandomOrb(std::unique_ptr<PtolemyOrbit> next);

    std::unique_ptr<PtolemyOrbit> next;
    std::string name;
    double phi = 0;
    double om = 0;
    double r = 0;
    double eccx = 0;
    double eccy = 0;
    double eqx = 0;
    double eqy = 0;
    bool hasEccentric = false;
    bool hasEquant = false;
};
