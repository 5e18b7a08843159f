#pragma once
// What an image source may ask of the windows that show it: a repaint, the source's
// defaults applied to its windows, a control button relabelled. The window layer
// implements it and installs itself; until then (a source with no windows, as in
// model tests) every request does nothing.
//
// Threading: window thread only. A source calls these with none of its own locks held,
// since the window layer takes its registry's lock first (see docs/threads.md).
#include "platform/Result.h"

class ImageSource;
class QWidget;

class SourceViews {
public:
    virtual ~SourceViews() = default;

    // Asks every observer window that shows `source` to repaint.
    virtual void redraw(const ImageSource* source) = 0;
    // Calls the source's ApplyDefaults for each of its windows; stops at the first failure.
    virtual HRESULT applyDefaults(ImageSource* source) = 0;
    // Sets the text of button `index` of `controlWindow`; nothing when it is no control
    // window or has no such button.
    virtual void setButtonText(QWidget* controlWindow, int index, const char* text) = 0;
    // Sets the text of button `index` of every control window of `source`.
    virtual void setButtonTextOfSource(const ImageSource* source, int index, const char* text) = 0;

    // The installed views, or null.
    static SourceViews* installed();
    // Installs `views` (not owned); null removes them.
    static void install(SourceViews* views);
};
