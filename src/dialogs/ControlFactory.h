#pragma once
// Makes the Qt widget for one template control, placed and styled as the template
// says; TemplateDialog connects its notifications.
//
// Threading: window thread only. See docs/threads.md.
#include "dialogs/ControlTemplate.h"
#include "dialogs/DialogUnits.h"

class QWidget;

namespace dialogs {

// A QPushButton (default or not), QCheckBox, QRadioButton, QGroupBox, QLabel,
// QLineEdit, QListWidget or QComboBox, child of `parent`.
QWidget* createControlWidget(const ControlTemplate& control, const DialogUnits& units, QWidget* parent);

} // namespace dialogs
