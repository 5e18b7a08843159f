#include "observatory/TrailSaveDialog.h"

#include "observatory/ObservationTrail.h"

HRESULT TrailSaveDialog::SaveToPath(const std::string& path) { return trail_.Save(path); }
