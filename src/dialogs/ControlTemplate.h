#pragma once
// One control of a dialog template: what docs/resource-format.md calls a `Control`
// element. Positions and sizes stay in dialog units; TemplateDialog converts them.
#include <QRect>

#include <algorithm>
#include <string>
#include <vector>

namespace dialogs {

enum class ControlKind {
    DefaultPushButton, // DEFPUSHBUTTON: Enter presses it
    PushButton, // PUSHBUTTON
    CheckBox, // AUTOCHECKBOX: toggles itself when clicked
    RadioButton, // AUTORADIOBUTTON: checks itself and unchecks the others of its group
    GroupBox, // GROUPBOX: a titled frame, never a target of the mouse
    Label, // LTEXT: left-aligned, wraps at word boundaries
    Edit, // EDITTEXT: one line; ES_READONLY makes it read-only
    ListBox, // LISTBOX
    ComboBox, // COMBOBOX: a drop-down list without an edit field
};

// The identifier of controls that have none (labels, group boxes).
constexpr int kNoControlId = -1;

struct ControlTemplate {
    int id = kNoControlId;
    ControlKind kind = ControlKind::Label;
    std::string text;
    QRect rect; // dialog units, in the dialog's client area
    std::vector<std::string> styles; // e.g. "ES_READONLY", "LBS_SORT", "WS_TABSTOP"

    bool hasStyle(const std::string& style) const
    {
        return std::find(styles.begin(), styles.end(), style) != styles.end();
    }
};

} // namespace dialogs
