#pragma once
// The part of a display manager that knows its host window: the window the layout's
// windows are created in and the part of its client area that the layout fills.
#include "drawing/FractionalRect.h"
#include "platform/Result.h"

class QWidget;

class HostArea {
public:
    HostArea() = default;
    virtual ~HostArea() = default;
    HostArea(const HostArea&) = delete;
    HostArea& operator=(const HostArea&) = delete;

    // Lets the user pick a layout and loads it; the base has nothing to load.
    virtual HRESULT chooseAndLoad() { return S_OK; }

protected:
    FractionalRect screenRect_; // fractions of the host's client area that the layout fills
    bool screenRectSet_ = false;
    QWidget* hostWindow_ = nullptr; // not owned
    bool attached_ = false;
};
