#pragma once
// Makes the Qt widget for one template control, placed and styled as the template
// says; TemplateDialog connects its notifications.
//
// Threading: window thread only. See docs/threads.md.
#include "dialogs/ControlTemplate.h"
#include "dialogs/DialogUnits.h"

#include <QString>

#include <string>

class QObject;
class QWidget;

namespace dialogs {

// A QPushButton (default or not), QCheckBox, QRadioButton, QGroupBox, QLabel,
// QLineEdit, QListWidget or QComboBox, child of `parent`.
QWidget* createControlWidget(const ControlTemplate& control, const DialogUnits& units, QWidget* parent);

// The text `bytes` as `control` shows it; the bytes are kept with the control so that
// keptText gives them back while the control still shows them.
QString showText(QObject* control, const std::string& bytes);

// The bytes of the text `shown` by `control` (see platform::storedText).
std::string keptText(const QObject* control, const QString& shown);

} // namespace dialogs
