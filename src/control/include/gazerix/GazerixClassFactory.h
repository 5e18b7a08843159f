#pragma once
// A class object of libgazerix.so, as DllGetClassObject hands it out: makes instances of
// its class, the control (GazerixCtrl) or its property page.
class QWidget;

class GazerixClassFactory {
public:
    // A new instance, owned by `parent` (or by the caller when `parent` is null).
    virtual QWidget* createInstance(QWidget* parent) const = 0;

protected:
    ~GazerixClassFactory() = default;
};
