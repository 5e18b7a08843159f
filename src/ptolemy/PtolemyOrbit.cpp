#include "ptolemy/PtolemyOrbit.h"

#include "platform/Text.h"
#include "ptolemy/RandomNumbers.h"

#include <cmath>
#include <cstdlib>
#include <vector>

PtolemyOrbit::PtolemyOrbit(const char* text, double phase, double rate, double radius,
    std::unique_ptr<PtolemyOrbit> carrier, double eccentricX, double eccentricY, double equantX, double equantY)
    : next(std::move(carrier))
    , phi(phase)
    , om(rate)
    , r(radius)
    , eccx(eccentricX)
    , eccy(eccentricY)
    , eqx(equantX)
    , eqy(equantY)
{
    SetName(text);
    UpdateFlags();
}

PtolemyOrbit::PtolemyOrbit(const PtolemyOrbit& other)
    : name(other.name)
    , phi(other.phi)
    , om(other.om)
    , r(other.r)
    , eccx(other.eccx)
    , eccy(other.eccy)
    , eqx(other.eqx)
    , eqy(other.eqy)
{
    UpdateFlags();
    // Copy the orbs below one by one instead of recursing.
    PtolemyOrbit* copyTail = this;
    for (const PtolemyOrbit* source = other.next.get(); source != nullptr; source = source->next.get()) {
        copyTail->next = std::make_unique<PtolemyOrbit>(source->name.c_str(), source->phi, source->om, source->r,
            nullptr, source->eccx, source->eccy, source->eqx, source->eqy);
        copyTail = copyTail->next.get();
    }
}

PtolemyOrbit::~PtolemyOrbit()
{
    // Unlink the chain first so that destroying it does not recurse once per orb.
    std::unique_ptr<PtolemyOrbit> below = std::move(next);
    while (below) {
        below = std::move(below->next);
    }
}

std::unique_ptr<PtolemyOrbit> PtolemyOrbit::Copy() const { return std::make_unique<PtolemyOrbit>(*this); }

double PtolemyOrbit::Angle(double t) const { return t * om * kTurn + phi; }

ModelPoint PtolemyOrbit::LocalPosition(double t) const
{
    const double theta = Angle(t);
    const double cosine = std::cos(theta);
    const double sine = std::sin(theta);
    if (!hasEquant)
        return { r * cosine, r * sine };
    // The point of the circle seen from the equant in direction theta. An equant
    // outside the circle has no such point for some directions: the discriminant
    // is then taken as 0 (the nearest approach of the sight line), never a NaN.
    const double b = 2.0 * (eqx * cosine + eqy * sine);
    double discriminant = b * b - 4.0 * (eqx * eqx + eqy * eqy - r * r);
    if (!(discriminant > 0.0))
        discriminant = 0.0;
    const double s = (std::sqrt(discriminant) - b) * 0.5;
    return { eqx + s * cosine, eqy + s * sine };
}

ModelPoint PtolemyOrbit::CarrierPosition(double t) const { return next ? next->Position(t) : ModelPoint {}; }

ModelPoint PtolemyOrbit::Position(double t) const
{
    // The sum over the chain of each orb's eccentric and local point.
    ModelPoint point;
    for (const PtolemyOrbit* orb = this; orb != nullptr; orb = orb->next.get()) {
        const ModelPoint local = orb->LocalPosition(t);
        point.x += local.x;
        point.y += local.y;
        if (orb->hasEccentric) {
            point.x += orb->eccx;
            point.y += orb->eccy;
        }
    }
    return point;
}

double PtolemyOrbit::Extent() const
{
    double extent = 5.0;
    for (const PtolemyOrbit* orb = this; orb != nullptr; orb = orb->next.get()) {
        extent += orb->r;
        if (orb->hasEccentric)
            extent += std::sqrt(orb->eccy * orb->eccy + orb->eccx * orb->eccx);
    }
    return extent;
}

int PtolemyOrbit::ChainLength() const
{
    int length = 0;
    for (const PtolemyOrbit* orb = this; orb != nullptr; orb = orb->next.get())
        ++length;
    return length;
}

void PtolemyOrbit::SetName(const char* text) { name = text ? platform::cutText(text, kMaxNameLength) : std::string(); }

void PtolemyOrbit::UpdateFlags()
{
    hasEccentric = eccx != 0 || eccy != 0;
    hasEquant = eqx != 0 || eqy != 0;
}

void PtolemyOrbit::WriteXml(std::string& text) const
{
    std::vector<const PtolemyOrbit*> chain;
    for (const PtolemyOrbit* orb = this; orb != nullptr; orb = orb->next.get())
        chain.push_back(orb);
    for (auto orb = chain.rbegin(); orb != chain.rend(); ++orb) {
        const PtolemyOrbit& o = **orb;
        text += "\n\t<PtolemyOrbit>";
        text += "\n\t\t<name>" + o.name + "</name>";
        text += platform::formatFileText("\n\t\t<phi>%lf</phi>\n\t\t<om>%lf</om>\n\t\t<r>%lf</r>", o.phi, o.om, o.r);
        text += platform::formatFileText("\n\t\t<eccx>%lf</eccx>\n\t\t<eccy>%lf</eccy>", o.eccx, o.eccy);
        text += platform::formatFileText("\n\t\t<eqx>%lf</eqx>\n\t\t<eqy>%lf</eqy>", o.eqx, o.eqy);
        text += "\n\t</PtolemyOrbit>\n";
    }
}

std::unique_ptr<PtolemyOrbit> PtolemyOrbit::RandomOrb(std::unique_ptr<PtolemyOrbit> carrier)
{
    using ptolemy_random::RandomReal;
    const double radius = RandomReal(0.1, 50);
    double offsets[4] = { 0, 0, 0, 0 };
    if (std::rand() % 4 == 0) {
        // Eccentric and equant within 25/72 of the radius in each direction.
        const double low = radius * -0.3472222222222222;
        const double range = radius * 0.6944444444444444;
        for (double& offset : offsets)
            offset = ptolemy_random::RandomRealSpan(low, range);
    }
    const double rate = RandomReal(-25, 25);
    const double phase = RandomReal(0, kTurn);
    return std::make_unique<PtolemyOrbit>(
        "Random Orb", phase, rate, radius, std::move(carrier), offsets[0], offsets[1], offsets[2], offsets[3]);
}
