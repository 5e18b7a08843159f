#pragma once
// The procedure of "PTEDITDIALOG": one system's name, its chain of cycles and the
// observation trail it is matched against. The cycles are edited in the editing
// state's working chain and applied to the system after each change; the list shows
// the chain from its head (the planet's cycle) on the top row to the deferent at the
// bottom. Done also stores the name; Escape closes without it.
//
// Threading: window thread only, run with no lock held; applying the chain takes the
// universe's locks. See docs/threads.md.
#include "dialogs/DialogProcedure.h"

namespace ptolemy_dialogs {

class CyclesDialog : public dialogs::DialogProcedure {
public:
    static constexpr const char* kTemplateName = "PTEDITDIALOG";

    void init(dialogs::TemplateDialog& dialog, QWidget* parameter) override;
    void command(dialogs::TemplateDialog& dialog, int id, int code) override;
    void closeRequested(dialogs::TemplateDialog& dialog) override;

private:
    static void refill(dialogs::TemplateDialog& dialog);
    static void storeNameAndPosition(dialogs::TemplateDialog& dialog);

    void addNew(dialogs::TemplateDialog& dialog);
    void deleteSelected(dialogs::TemplateDialog& dialog);
    void deleteAll(dialogs::TemplateDialog& dialog);
    void editSelected(dialogs::TemplateDialog& dialog);
    void randomize(dialogs::TemplateDialog& dialog);
    void browseMatchTrail(dialogs::TemplateDialog& dialog);
    void clearMatchTrail(dialogs::TemplateDialog& dialog);

    QWidget* parameter_ = nullptr;
};

} // namespace ptolemy_dialogs
