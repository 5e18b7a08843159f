#pragma once
// The procedure of "PTSYSTEMSDIALOG", the list of a universe's systems of cycles: adds
// (random, empty or from a universe file), deletes, shows and hides systems, and opens
// the cycles or display dialog for the system double-clicked. Only Done closes it.
//
// The list shows the systems in reverse: the last system on the top row, system 0 on
// the bottom row.
//
// Threading: window thread only, run with no lock held; every change of the body list
// holds the universe lock and the clock lock. See docs/threads.md.
#include "dialogs/DialogProcedure.h"

#include <cstdint>

namespace ptolemy_dialogs {

class SystemsDialog : public dialogs::DialogProcedure {
public:
    static constexpr const char* kTemplateName = "PTSYSTEMSDIALOG";

    ~SystemsDialog() override;

    void init(dialogs::TemplateDialog& dialog, QWidget* parameter) override;
    void command(dialogs::TemplateDialog& dialog, int id, int code) override;
    void closeRequested(dialogs::TemplateDialog& dialog) override;

    // Rebuilds the list, keeping the selected system (clamped to the new count).
    static void refill(dialogs::TemplateDialog& dialog);

private:
    static std::int32_t selectedIndex(const dialogs::TemplateDialog& dialog);
    static void selectSystem(dialogs::TemplateDialog& dialog, std::int32_t index);
    static std::int32_t systemCount();

    void addNew(dialogs::TemplateDialog& dialog);
    void addFromFile(dialogs::TemplateDialog& dialog);
    void deleteSelected(dialogs::TemplateDialog& dialog);
    void deleteAll(dialogs::TemplateDialog& dialog);
    void setAllVisible(dialogs::TemplateDialog& dialog, bool visible);
    void chooseEditMode(dialogs::TemplateDialog& dialog, bool editCycles);
    void openEditor(dialogs::TemplateDialog& dialog);
};

} // namespace ptolemy_dialogs
