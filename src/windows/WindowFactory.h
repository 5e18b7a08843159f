#pragma once
// Creating observer and control windows from their descriptions.
#include "platform/Result.h"

class QWidget;
struct WindowSpec;

// Kind 0 makes an observer window, kind 1 a control window, as a visible child of
// `parent` at the pixel rectangle of spec.screenRect within the parent's client
// area; any other kind gives E_INVALIDARG. The new window's record joins the registry.
HRESULT createWindow(QWidget* parent, const WindowSpec& spec);

// Sets the text of button `index` of a control window (for example "Pause" -> "Resume").
// Does nothing when the window is not a control window or has no such button.
void setControlButtonText(QWidget* controlWindow, int index, const char* text);
