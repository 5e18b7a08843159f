#include "control/GazerixServer.h"

#include "control/GazerixCtrlEngine.h"
#include "control/GazerixPropPage.h"

#include <gazerix/GazerixClassFactory.h>
#include <gazerix/GazerixCtrl.h>
#include <gazerix/GazerixTypeLibrary.h>

#include <strings.h>

namespace {

class ControlFactory : public GazerixClassFactory {
public:
    QWidget* createInstance(QWidget* parent) const override { return new GazerixCtrl(parent); }
};

class PageFactory : public GazerixClassFactory {
public:
    QWidget* createInstance(QWidget* parent) const override { return new GazerixPropPage(parent); }
};

const ControlFactory controlFactory;
const PageFactory pageFactory;

bool sameId(const char* left, const char* right) { return left && strcasecmp(left, right) == 0; }

} // namespace

HRESULT GazerixServer::getClassObject(const char* classId, const char* interfaceId, void** object)
{
    if (!object)
        return E_INVALIDARG;
    *object = nullptr;
    const GazerixClassFactory* factory = nullptr;
    if (sameId(classId, gazerix::kControlClassId))
        factory = &controlFactory;
    else if (sameId(classId, gazerix::kPageClassId))
        factory = &pageFactory;
    if (!factory)
        return kClassNotAvailable;
    if (!sameId(interfaceId, kClassFactoryInterface))
        return kNoInterface;
    *object = const_cast<GazerixClassFactory*>(factory);
    return S_OK;
}

HRESULT GazerixServer::canUnloadNow() { return GazerixCtrlEngine::liveCount() == 0 ? S_OK : S_FALSE; }
