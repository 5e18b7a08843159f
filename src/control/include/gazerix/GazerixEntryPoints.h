#pragma once
// The functions libgazerix.so exports to its containers and installers, by these names:
// the self-registration entry points, the class objects and the automation interface.
// Results are HRESULT codes: 0 (S_OK) and 1 (S_FALSE) succeed, negative ones fail.
#include <gazerix/GazerixExport.h>

#include <cstdint>

class GazerixAutomation;

extern "C" {

// Writes the control's records (gazerix/GazerixTypeLibrary.h) into the registry file,
// naming this library as their server; removes them again.
GAZERIX_EXPORT std::int32_t DllRegisterServer();
GAZERIX_EXPORT std::int32_t DllUnregisterServer();
// Why the last registration failed, and the registry file it writes, for an installer
// to show; valid until the next call.
GAZERIX_EXPORT const char* DllRegistrationError();
GAZERIX_EXPORT const char* DllRegistryFile();

// The class object of `classId` ("{...}", gazerix::kControlClassId or kPageClassId) for
// `interfaceId` "IClassFactory": S_OK with `object` set to a GazerixClassFactory;
// 0x80040111 for an unknown class, 0x80004002 for another interface.
GAZERIX_EXPORT std::int32_t DllGetClassObject(const char* classId, const char* interfaceId, void** object);
// S_OK when no control exists, S_FALSE while one does.
GAZERIX_EXPORT std::int32_t DllCanUnloadNow();

// The library's one GazerixAutomation.
GAZERIX_EXPORT GazerixAutomation* GazerixAutomationInterface();
}
