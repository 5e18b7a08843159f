#pragma once
// The universe's file dialog: remembers the current universe file and answers a
// confirmed Save As by writing the universe file there; a failed save is reported.
#include "documents/FileDialogHelper.h"

class PtolemyUniverse;

class UniverseFileDialog : public FileDialogHelper {
public:
    explicit UniverseFileDialog(PtolemyUniverse& universe)
        : universe_(universe)
    {
    }

    HRESULT SaveToPath(const std::string& path) override;

private:
    PtolemyUniverse& universe_;
};
