#include "ptolemy/UniverseFileDialog.h"

#include "ptolemy/UniverseFile.h"

HRESULT UniverseFileDialog::SaveToPath(const std::string& path)
{
    std::error_code error;
    const HRESULT result = WriteUniverseFile(universe_, path, error);
    return reportSaveResult(path, result, error);
}
