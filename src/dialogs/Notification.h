#pragma once
// The notification codes a dialog procedure receives with command(id, code), the
// platform's own numbers for them, so procedures read like the dialogs they mirror.
// A code means something only together with the kind of the control that sent it:
// list boxes and drop-down lists both use 1 for "the selection was chosen".
namespace dialogs::notification {

// A push button, check box or radio button was clicked (also Enter on the default button).
constexpr int kButtonClicked = 0;
// A list box row was chosen by the user (not by the procedure's own selectListRow).
constexpr int kListSelectionChange = 1;
// A list box was double-clicked.
constexpr int kListDoubleClick = 2;
// A drop-down list entry was chosen, also when it is the entry already shown.
constexpr int kComboSelectionChange = 1;
// The user changed the text of an edit (not the procedure's own setText).
constexpr int kEditChange = 0x300;

} // namespace dialogs::notification
