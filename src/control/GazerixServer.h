#pragma once
// The control library as a server of classes: the class objects a container asks for by
// class identifier, and whether the library may be unloaded. The library's exported
// DllGetClassObject and DllCanUnloadNow answer through here.
#include "platform/Result.h"

class GazerixServer {
public:
    static constexpr HRESULT kClassNotAvailable = static_cast<HRESULT>(0x80040111);
    static constexpr HRESULT kNoInterface = static_cast<HRESULT>(0x80004002);
    // The interface a class object is asked for by.
    static constexpr const char* kClassFactoryInterface = "IClassFactory";

    // The class object of `classId` ("{...}") for interface `interfaceId`: S_OK with
    // `object` set to a GazerixClassFactory, or a failure with `object` null.
    static HRESULT getClassObject(const char* classId, const char* interfaceId, void** object);
    // S_OK when no control exists, S_FALSE while one does.
    static HRESULT canUnloadNow();
};
