#pragma once
// Acts on a running dialog as a person would, so that tests and scripts can work a
// dialog without one: each operation goes through the control's own user signal and
// so reaches the procedure with the notification a person's action gives.
// Operations answer false when the dialog has no such control, or the control cannot
// take that action (a disabled control, a read-only edit, a row that does not exist).
//
// Threading: window thread only. See docs/threads.md.
#include <QImage>
#include <QPointer>

#include <string>

namespace dialogs {

class TemplateDialog;

class DialogDriver {
public:
    explicit DialogDriver(TemplateDialog& dialog);

    // Clicks a push button, check box or radio button (automatic ones change their state).
    bool click(int id);
    // Double-clicks a list box's selected row.
    bool doubleClick(int id);
    // Chooses `row` of a list box or drop-down list; a drop-down notifies also when
    // `row` is the entry already shown.
    bool select(int id, int row);
    // Replaces the text of an edit as if typed.
    bool setEditText(int id, const std::string& text);
    // Presses Escape: the procedure decides whether the dialog closes.
    bool close();
    // What the dialog looks like now.
    QImage grab() const;
    // The same, written as a PNG file.
    bool saveImage(const std::string& path) const;

private:
    QPointer<TemplateDialog> dialog_;
};

} // namespace dialogs
