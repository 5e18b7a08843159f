#pragma once
// What each button of a control window does, in a sentence, as its tooltip and the
// description a screen reader gives; the buttons' labels stay the sources' own.
#include <QString>

#include <string>

// The tip of the button labelled `label`; empty for a label without one.
QString buttonTip(const std::string& label);
