#pragma once
// The procedure of "PTORBITDIALOG", the properties of one cycle of the working chain
// (the editing state's cycle index, counted from the head): name, radius, rate, phase,
// equant and eccentric. OK and Apply check the numbers first and change nothing when
// one is refused ("Bad Parameter", with the first refusal of CycleNumbersCheck); accepted
// values go into the working chain, which is then applied to the system at once.
//
// Threading: window thread only, run with no lock held; applying takes the universe's
// locks. See docs/threads.md.
#include "dialogs/DialogProcedure.h"
#include "ptolemydialogs/CycleNumbers.h"

#include <optional>

class PtolemyOrbit;

namespace ptolemy_dialogs {

class CyclePropertiesDialog : public dialogs::DialogProcedure {
public:
    static constexpr const char* kTemplateName = "PTORBITDIALOG";

    void init(dialogs::TemplateDialog& dialog, QWidget* parameter) override;
    void command(dialogs::TemplateDialog& dialog, int id, int code) override;
    void closeRequested(dialogs::TemplateDialog& dialog) override;

private:
    static void explainFields(dialogs::TemplateDialog& dialog);
    static PtolemyOrbit* editedCycle();
    // Shows the first refusal ("Bad Parameter"); nothing when one is refused.
    static std::optional<CycleNumbers> readNumbers(const dialogs::TemplateDialog& dialog);
    static void store(const dialogs::TemplateDialog& dialog, const CycleNumbers& numbers, PtolemyOrbit& cycle);
    // Validates, then stores and applies; false when refused.
    static bool apply(const dialogs::TemplateDialog& dialog);
};

} // namespace ptolemy_dialogs
