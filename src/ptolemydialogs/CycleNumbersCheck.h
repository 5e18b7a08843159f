#pragma once
// The checks every editor of a cycle's numbers makes before anything is stored (the cycle
// properties dialog, the live cycles panel): a field that holds no number, or one beyond
// its bounds, is refused by name; the radius must be positive, and the eccentric and the
// equant must lie inside the circle. The first refusal found, in field order, is the one
// given; nothing is stored when there is one.
//
// Threading: none of its own; any thread.
#include "ptolemydialogs/CycleNumbers.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace ptolemy_dialogs {

class CycleNumbersCheck {
public:
    // Each field's number in checking order, or nothing where its text holds none.
    using Readings = std::array<std::optional<double>, CycleNumbers::kFieldCount>;
    // Either the accepted numbers or the refusal's text.
    struct Outcome {
        std::optional<CycleNumbers> numbers;
        std::string refusal;
    };

    // A field's text as a number: its first 31 characters (a 32-character buffer), a
    // decimal comma read as the point when the text holds no '.'; nothing unless the whole
    // text is one number.
    static std::optional<double> readNumber(const std::string& text);
    // The readings of numbers already held.
    static Readings readingsOf(const CycleNumbers& numbers);
    static Outcome check(const Readings& readings);
    // The field's name as the refusals and the panel show it, translated.
    static QString fieldName(CycleNumbers::Field field);
    // What the field means in the model's units, translated (a tooltip).
    static QString fieldExplanation(CycleNumbers::Field field);

private:
    // The refusal of one field's reading, or nothing.
    static std::optional<std::string> refusalOf(CycleNumbers::Field field, const std::optional<double>& reading);
    // Once `field` is read: the refusal of a point outside the circle when it was the
    // point's last coordinate, or nothing.
    static std::optional<std::string> pointRefusalAfter(CycleNumbers::Field field, const CycleNumbers& numbers);
};

} // namespace ptolemy_dialogs
