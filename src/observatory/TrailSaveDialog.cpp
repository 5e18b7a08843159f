#include "observatory/TrailSaveDialog.h"

#include "documents/ObservationTrail.h"

HRESULT TrailSaveDialog::SaveToPath(const std::string& path) { return trail_.Save(path); }
