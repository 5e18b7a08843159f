#pragma once
// What an image source may ask of the layout that owns it. The display manager
// implements it; sources only hold a pointer (not owned) set when the layout is built.
//
// Threading: window thread only.
// See docs/threads.md.
#include "platform/Result.h"

class SourceOwner {
public:
    virtual ~SourceOwner() = default;

    // Lets the user choose another layout and loads it. Loading replaces (and destroys)
    // the asking source, so the request is carried out only after the handler that made
    // it has returned; the result says whether the request could be made.
    virtual HRESULT requestLayoutChoice() = 0;
};
