#include "ptolemy/UniverseFileDialog.h"

#include "ptolemy/UniverseFile.h"

HRESULT UniverseFileDialog::SaveToPath(const std::string& path)
{
    return WriteUniverseFile(universe_, path);
}
