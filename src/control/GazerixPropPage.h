#pragma once
// The control's property page, "General": the dialog template of the control (250 x 62
// dialog units in 8-point "MS Sans Serif", or the nearest font the desktop has) whose
// only control is a label. The control has no properties yet; the page is what a
// property sheet of the control shows.
// Threading: window thread only.
#include <QWidget>

class GazerixPropPage : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "General";
    static constexpr const char* kLabelText
        = "TODO: Place controls to manipulate properties of Gazerix Control on this dialog.";

    explicit GazerixPropPage(QWidget* parent = nullptr);

    // Runs the control's property sheet (one tab, this page) modally over `owner`.
    static void showPropertySheet(QWidget* owner);
};
