#pragma once
// The Observatory's Save As dialog: a confirmed name gets the trail file of the
// trail it was made for (ObservationTrail::Save, which writes safely); a failed save is
// reported to the user.
//
// Ownership: refers to a trail owned by the Observatory, which outlives the dialog.
#include "documents/FileDialogHelper.h"

class ObservationTrail;

class TrailSaveDialog : public FileDialogHelper {
public:
    explicit TrailSaveDialog(const ObservationTrail& trail)
        : trail_(trail)
    {
    }

    HRESULT SaveToPath(const std::string& path) override;

private:
    const ObservationTrail& trail_;
};
