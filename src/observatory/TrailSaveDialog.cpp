#include "observatory/TrailSaveDialog.h"

#include "documents/ObservationTrail.h"

HRESULT TrailSaveDialog::SaveToPath(const std::string& path)
{
    std::error_code error;
    const HRESULT result = trail_.Save(path, error);
    return reportSaveResult(path, result, error);
}
