#pragma once
// A modal dialog built at run time from a DialogTemplate: real Qt widgets placed at
// the template's rectangles (dialog units of the template's font converted to
// pixels), reached by their identifiers, with everything the user does to them
// passed to the dialog's DialogProcedure as command(id, code).
//
// The procedure's own changes (setText, setChecked, the list and combo operations)
// never notify it, as on the platform the templates come from; only the user's do.
// A list box keeps every row where the procedure puts it: insertListItem never
// reorders, even in a list whose template carries LBS_SORT.
//
// Threading: window thread only. See docs/threads.md.
#include "dialogs/ControlTemplate.h"
#include "dialogs/DialogUnits.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QListWidget;

namespace dialogs {

class DialogProcedure;
class DialogTemplate;

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // Builds every control; the procedure is told nothing until DialogRuntime runs the
    // dialog (init) and the user acts. `procedure` must outlive the dialog.
    TemplateDialog(const DialogTemplate& dialogTemplate, DialogProcedure& procedure, QWidget* owner);

    const std::string& templateName() const { return templateName_; }
    DialogUnits units() const { return units_; }

    // The first control with this identifier; null when there is none (or for kNoControlId).
    QWidget* control(int id) const;

    // Title of a button or group box, text of a label or edit; for a drop-down list
    // the entry shown. Nothing happens for an unknown id.
    void setText(int id, const std::string& text);
    std::string text(int id) const;

    // Check boxes and radio buttons. Checking a radio button unchecks the others of its
    // template group (a group starts at the first control and at each WS_GROUP).
    bool isChecked(int id) const;
    void setChecked(int id, bool checked);

    // List boxes. Rows count from 0 at the top; -1 means "none" or "the end".
    // Appends, or with LBS_SORT inserts before the first row that sorts after `text`
    // (ignoring case). The row it went to, or -1 for an unknown id.
    int addListItem(int id, const std::string& text);
    // Inserts at `row` exactly (-1 or the row count: at the end); the row, or -1.
    int insertListItem(int id, int row, const std::string& text);
    void clearList(int id);
    // Selects `row` (-1 selects nothing); false when there is no such row.
    bool selectListRow(int id, int row);
    int selectedListRow(int id) const;
    int listCount(int id) const;
    std::string listItemText(int id, int row) const;

    // Drop-down lists, with the same conventions.
    void setComboItems(int id, const std::vector<std::string>& items);
    bool selectComboRow(int id, int row);
    int selectedComboRow(int id) const;
    int comboCount(int id) const;

    // Closes the dialog: running it returns `result`. Allowed from init.
    void end(int result);
    bool hasEnded() const { return ended_; }

protected:
    // Escape and the close box come here; the procedure decides.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        int id;
        ControlKind kind;
        bool sorted;
        QWidget* widget;
    };

    void buildControls(const DialogTemplate& dialogTemplate);
    void placeAt(const QPoint& positionInUnits, QWidget* owner);
    QWidget* makeControl(const ControlTemplate& control);
    void connectNotifications(const ControlTemplate& control, QWidget* widget);
    void notify(int id, int code);
    const Control* find(int id) const;
    QListWidget* listBox(int id) const;
    QComboBox* comboBox(int id) const;
    QButtonGroup* radioGroup(int index);

    std::string templateName_;
    DialogProcedure& procedure_;
    DialogUnits units_;
    std::vector<Control> controls_;
    std::vector<QButtonGroup*> radioGroups_; // owned by this dialog (Qt children)
    bool ended_ = false;
};

} // namespace dialogs
