#pragma once
// The script step "live SYSTEM CYCLE FIELD VALUE": sets one number of a cycle through the
// live cycles panel as a person would. It chooses the system and the cycle in the panel's
// lists (both counted from 0 in file order, the deferent first), ticks the point's box for
// a coordinate of the eccentric or the equant, types VALUE into the field's box and
// presses Enter. FIELD is one of r, om, phi, eccx, eccy, eqx, eqy.
//
// Threading: window thread only.
#include "ptolemydialogs/CycleNumbers.h"

#include <optional>
#include <string>
#include <vector>

class LiveCyclesPanel;

class LiveCyclesStep {
public:
    static constexpr const char* kName = "live";
    static constexpr int kWordCount = 4;
    static constexpr const char* kUsage = "live SYSTEM CYCLE FIELD VALUE";

    // Carries out the step with the words after its name; false with `problem` set when an
    // index, the field or the value is bad (the panel's refusal for a refused value).
    static bool run(LiveCyclesPanel& panel, const std::vector<std::string>& words, std::string& problem);

    // The field a word names, or nothing.
    static std::optional<ptolemy_dialogs::CycleNumbers::Field> fieldNamed(const std::string& word);

private:
    // A whole number from 0, or nothing.
    static std::optional<int> indexOf(const std::string& word);
};
