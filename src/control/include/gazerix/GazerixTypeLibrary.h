#pragma once
// The identifiers and texts the control registers: its classes, its type library and the
// component categories it implements. The class, interface and library identifiers are
// the control's own; the two category identifiers are the published ones.
namespace gazerix {

inline constexpr const char* kControlClassId = "{6F1C2A41-8B7E-4D2A-9C35-2E7B5A9D0C11}";
inline constexpr const char* kControlProgId = "GAZERIX.GazerixCtrl.1";
inline constexpr const char* kControlTypeName = "Gazerix Control"; // string 1
inline constexpr const char* kControlClassName = "Gazerix";

inline constexpr const char* kPageClassId = "{6F1C2A42-8B7E-4D2A-9C35-2E7B5A9D0C11}";
inline constexpr const char* kPageProgId = "GAZERIX.GazerixPropPage.1";
inline constexpr const char* kPageTypeName = "Gazerix Property Page"; // string 2

inline constexpr const char* kTypeLibraryId = "{6F1C2A40-8B7E-4D2A-9C35-2E7B5A9D0C11}";
inline constexpr const char* kTypeLibraryName = "GAZERIXLib";
inline constexpr const char* kTypeLibraryVersion = "1.0";
inline constexpr int kTypeLibraryLocale = 1033;
inline constexpr const char* kTypeLibraryHelpText = "Gazerix ActiveX Control module";
inline constexpr const char* kTypeLibraryHelpFile = "Gazerix.hlp";

inline constexpr const char* kDispatchInterfaceId = "{6F1C2A43-8B7E-4D2A-9C35-2E7B5A9D0C11}";
inline constexpr const char* kDispatchInterfaceName = "_DGazerix";
inline constexpr const char* kDispatchInterfaceHelp = "Dispatch interface for Gazerix Control";
inline constexpr const char* kEventInterfaceId = "{6F1C2A44-8B7E-4D2A-9C35-2E7B5A9D0C11}";
inline constexpr const char* kEventInterfaceName = "_DGazerixEvents";
inline constexpr const char* kEventInterfaceHelp = "Event interface for Gazerix Control";
// The dispatch interface's one member, number 1.
inline constexpr const char* kLoadPageMember = "void LoadPage(string pathToLoad)";

struct ComponentCategory {
    const char* id;
    const char* description;
};
inline constexpr ComponentCategory kSafeForScripting { "{7DD95801-9882-11CF-9FA9-00AA006C42C4}",
    "Controls that are safely scriptable" };
inline constexpr ComponentCategory kSafeForInitializing { "{7DD95802-9882-11CF-9FA9-00AA006C42C4}",
    "Controls safely initializable from persistent data" };

// Activate when visible, set client site first, inside out, can't link inside,
// recompose on resize.
inline constexpr unsigned kMiscStatus = 0x20191;

} // namespace gazerix
