// The functions libgazerix.so exports to its containers and installers: the
// self-registration entry points, the class objects, and the automation interface.
#include "control/ControlAutomation.h"
#include "control/GazerixRegistration.h"
#include "control/GazerixServer.h"
#include "platform/Chooser.h"
#include "platform/EngineLocation.h"
#include "platform/Registry.h"
#include "scripting/DialogSeams.h"

#define GAZERIX_EXPORT extern "C" __attribute__((visibility("default")))

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

GAZERIX_EXPORT HRESULT DllRegisterServer()
{
    return GazerixRegistration::registerServer(platform::engineFile().string());
}

GAZERIX_EXPORT HRESULT DllUnregisterServer() { return GazerixRegistration::unregisterServer(); }

GAZERIX_EXPORT HRESULT DllGetClassObject(const char* classId, const char* interfaceId, void** object)
{
    return GazerixServer::getClassObject(classId, interfaceId, object);
}

GAZERIX_EXPORT HRESULT DllCanUnloadNow() { return GazerixServer::canUnloadNow(); }

// Why the last registration failed, for the installer to show.
GAZERIX_EXPORT const char* DllRegistrationError()
{
    static std::string text;
    text = GazerixRegistration::lastError();
    return text.c_str();
}

// The registry file that registration writes, for the installer to name.
GAZERIX_EXPORT const char* DllRegistryFile()
{
    static std::string path;
    path = platform::registryFileForWriting();
    return path.c_str();
}

GAZERIX_EXPORT GazerixAutomation* GazerixAutomationInterface() { return &ControlAutomation::instance(); }
