#pragma once
// The procedure of "PTORBITDIALOG", the properties of one cycle of the working chain
// (the editing state's cycle index, counted from the head): name, radius, rate, phase,
// equant and eccentric. OK and Apply check the numbers first and change nothing when
// one is refused ("Bad Parameter"); accepted values go into the working chain, which
// is then applied to the system at once.
//
// Threading: window thread only, run with no lock held; applying takes the universe's
// locks. See docs/threads.md.
#include "dialogs/DialogProcedure.h"

class PtolemyOrbit;

namespace ptolemy_dialogs {

class CyclePropertiesDialog : public dialogs::DialogProcedure {
public:
    static constexpr const char* kTemplateName = "PTORBITDIALOG";

    void init(dialogs::TemplateDialog& dialog, QWidget* parameter) override;
    void command(dialogs::TemplateDialog& dialog, int id, int code) override;
    void closeRequested(dialogs::TemplateDialog& dialog) override;

private:
    static PtolemyOrbit* editedCycle();
    static double field(const dialogs::TemplateDialog& dialog, int id);
    // Shows the first refusal; true when every number is accepted.
    static bool validate(const dialogs::TemplateDialog& dialog);
    static void store(const dialogs::TemplateDialog& dialog, PtolemyOrbit& cycle);
    // Validates, then stores and applies; false when refused.
    static bool apply(const dialogs::TemplateDialog& dialog);
};

} // namespace ptolemy_dialogs
