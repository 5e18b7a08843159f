#pragma once
// Writes and removes the control's records in the registry file: its type library, the
// control class with its programmatic identifier, the component categories it
// implements, and its property page. The layout of the records is described in
// docs/file-formats.md.
//
// Each phase is one safe replacement of the registry file, so a failure leaves the file
// as the previous phase left it.
#include "platform/Result.h"

#include <string>

class GazerixRegistration {
public:
    // The platform's self-registration failures.
    static constexpr HRESULT kTypeLibraryFailure = static_cast<HRESULT>(0x80040200);
    static constexpr HRESULT kClassFailure = static_cast<HRESULT>(0x80040201);

    // Registers the type library, then the control and its page as served by the library
    // at `libraryPath`: 0, or the failure code of the phase that failed.
    static HRESULT registerServer(const std::string& libraryPath);
    // Removes the type library, then the classes; the component categories stay: 0, or
    // the failure code of the phase that failed.
    static HRESULT unregisterServer();

    // Why the last failure happened (the registry file and the system's words).
    static std::string lastError();
};
