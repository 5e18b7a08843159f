#pragma once
// What makes a dialog built from a template workable from the keyboard and readable by a
// screen reader: Tab in reading order, and fields named after the texts that label them.
#include "dialogs/ControlTemplate.h"

#include <QWidget>

#include <vector>

namespace dialogs {

// Sets the Tab order of `widgets` (built from `controls`, one for one) to reading order: row
// by row from the top, left to right within a row; controls whose first lines' middles lie
// within half a text line of each other share a row (a list is read beside the controls of
// its first row, so the buttons beside it follow it). Tab goes round: the first control to take the focus
// stays the template's first, as it was, and Tab from there follows reading order.
void orderTabsByReading(const std::vector<ControlTemplate>& controls, const std::vector<QWidget*>& widgets);

// Names each field (edit, list, drop-down) after the texts that label it on the screen: the
// label or check box just left of it on its row, then the label heading its column above
// it ("Radius"; "Has equant with x-coordinate"); a label just right of it on its row becomes
// its description ("radius in dimensionless units"). The row's label becomes the field's buddy.
void nameFieldsByTheirLabels(const std::vector<ControlTemplate>& controls, const std::vector<QWidget*>& widgets);

} // namespace dialogs
