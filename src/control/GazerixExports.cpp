// The functions libgazerix.so exports to its containers and installers (declared in
// gazerix/GazerixEntryPoints.h): the self-registration entry points, the class objects,
// and the automation interface.
#include "control/ControlAutomation.h"
#include "control/GazerixRegistration.h"
#include "control/GazerixServer.h"
#include "platform/Chooser.h"
#include "platform/EngineLocation.h"
#include "platform/Registry.h"
#include "scripting/DialogSeams.h"

#include <gazerix/GazerixEntryPoints.h>

namespace {

// A control placed in someone's window talks to a person: its message boxes and file
// dialogs are real ones unless the container asks for batch mode.
struct InteractiveByDefault {
    InteractiveByDefault()
    {
        static platform::ScriptedChooser unused;
        installDialogSeams(false, unused);
    }
} interactiveByDefault;

} // namespace

HRESULT DllRegisterServer() { return GazerixRegistration::registerServer(platform::engineFile().string()); }

HRESULT DllUnregisterServer() { return GazerixRegistration::unregisterServer(); }

HRESULT DllGetClassObject(const char* classId, const char* interfaceId, void** object)
{
    return GazerixServer::getClassObject(classId, interfaceId, object);
}

HRESULT DllCanUnloadNow() { return GazerixServer::canUnloadNow(); }

const char* DllRegistrationError()
{
    static std::string text;
    text = GazerixRegistration::lastError();
    return text.c_str();
}

const char* DllRegistryFile()
{
    static std::string path;
    path = platform::registryFileForWriting();
    return path.c_str();
}

GazerixAutomation* GazerixAutomationInterface() { return &ControlAutomation::instance(); }
