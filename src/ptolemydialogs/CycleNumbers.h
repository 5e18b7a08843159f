#pragma once
// The seven numbers of one cycle as the cycle properties and the live cycles panel edit
// them (radius, rate, phase, eccentric and equant), by field, in the order they are checked.
//
// Threading: a plain value; reading or storing a cycle needs its owner's lock held
// (see PtolemyBody).
#include <array>
#include <cstddef>

class PtolemyOrbit;

namespace ptolemy_dialogs {

class CycleNumbers {
public:
    enum class Field { Radius, Omega, Phi, EccentricX, EccentricY, EquantX, EquantY };
    static constexpr std::size_t kFieldCount = 7;

    CycleNumbers() = default;
    // The numbers `cycle` holds now.
    static CycleNumbers of(const PtolemyOrbit& cycle);

    double& operator[](Field field) { return values_[static_cast<std::size_t>(field)]; }
    double operator[](Field field) const { return values_[static_cast<std::size_t>(field)]; }
    bool operator==(const CycleNumbers& other) const = default;

    // Field `index` in checking order.
    static Field fieldAt(std::size_t index) { return static_cast<Field>(index); }

    // Writes the numbers into `cycle`. A point whose box is not ticked loses its
    // coordinates: a copy of a cycle (and a universe file) knows an equant or an eccentric
    // only by its coordinates, so the choice survives the copy the system keeps and a save.
    // A ticked box with zero coordinates therefore changes nothing.
    void storeInto(PtolemyOrbit& cycle, bool hasEccentric, bool hasEquant) const;

private:
    std::array<double, kFieldCount> values_ {};
};

} // namespace ptolemy_dialogs
