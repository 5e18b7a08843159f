#pragma once
// The procedure of "PTVIEWDIALOG", how one system is shown: its two colours, trail,
// animation, planet symbol, position markers and visibility. Each change is made at
// once; only Done closes it.
//
// Threading: window thread only, run with no lock held; each setter runs under the
// universe lock (the colour dialog with none). See docs/threads.md.
#include "dialogs/DialogProcedure.h"

#include <cstdint>

struct BodySettingEntry;

namespace ptolemy_dialogs {

class DisplayDialog : public dialogs::DialogProcedure {
public:
    static constexpr const char* kTemplateName = "PTVIEWDIALOG";

    void init(dialogs::TemplateDialog& dialog, QWidget* parameter) override;
    void command(dialogs::TemplateDialog& dialog, int id, int code) override;
    void closeRequested(dialogs::TemplateDialog& dialog) override;

private:
    static void showColours(dialogs::TemplateDialog& dialog);
    static void fillChoice(
        dialogs::TemplateDialog& dialog, int id, const BodySettingEntry* entries, int count, std::int32_t current);
    static void fillPlanetChoice(dialogs::TemplateDialog& dialog);
    static bool changeFlag(dialogs::TemplateDialog& dialog, int id);
    static bool changeSetting(dialogs::TemplateDialog& dialog, int id);
    void chooseColour(dialogs::TemplateDialog& dialog, bool trace);
    void changeVisibility(dialogs::TemplateDialog& dialog);
};

} // namespace ptolemy_dialogs
