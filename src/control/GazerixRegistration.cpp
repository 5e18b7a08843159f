#include "control/GazerixRegistration.h"

#include "platform/IniDocument.h"
#include "platform/Registry.h"

#include <gazerix/GazerixTypeLibrary.h>

#include <filesystem>
#include <sstream>

namespace {

using platform::IniDocument;

const std::string kClasses = "SOFTWARE/Classes";
const std::string kDefault = "Default";

std::string lastFailure;

std::string classKey(const char* classId) { return kClasses + "/CLSID/" + classId; }
std::string typeLibraryKey() { return kClasses + "/TypeLib/" + gazerix::kTypeLibraryId; }
std::string interfaceKey(const char* interfaceId) { return kClasses + "/Interface/" + interfaceId; }

std::string localeKey()
{
    std::ostringstream hex;
    hex << std::hex << gazerix::kTypeLibraryLocale;
    return hex.str();
}

void writeInterface(IniDocument& registry, const char* id, const char* name, const char* help)
{
    registry.setValue(interfaceKey(id), kDefault, name);
    registry.setValue(interfaceKey(id), "HelpString", help);
    registry.setValue(interfaceKey(id) + "/TypeLib", kDefault, gazerix::kTypeLibraryId);
    registry.setValue(interfaceKey(id) + "/TypeLib", "Version", gazerix::kTypeLibraryVersion);
}

void writeTypeLibrary(IniDocument& registry, const std::string& libraryPath)
{
    const std::string version = typeLibraryKey() + "/" + gazerix::kTypeLibraryVersion;
    registry.setValue(version, kDefault, gazerix::kTypeLibraryHelpText);
    registry.setValue(version, "Name", gazerix::kTypeLibraryName);
    registry.setValue(version, "Locale", std::to_string(gazerix::kTypeLibraryLocale));
    registry.setValue(version, "HelpFile", gazerix::kTypeLibraryHelpFile);
    registry.setValue(version + "/" + localeKey() + "/linux", kDefault, libraryPath);
    registry.setValue(version + "/FLAGS", kDefault, "2"); // a library of controls
    registry.setValue(version + "/HELPDIR", kDefault, std::filesystem::path(libraryPath).parent_path().string());
    registry.setValue(version + "/CoClass/" + gazerix::kControlClassName, kDefault, gazerix::kControlTypeName);
    writeInterface(
        registry, gazerix::kDispatchInterfaceId, gazerix::kDispatchInterfaceName, gazerix::kDispatchInterfaceHelp);
    registry.setValue(interfaceKey(gazerix::kDispatchInterfaceId) + "/Members", "1", gazerix::kLoadPageMember);
    writeInterface(registry, gazerix::kEventInterfaceId, gazerix::kEventInterfaceName, gazerix::kEventInterfaceHelp);
}

void removeTypeLibrary(IniDocument& registry)
{
    registry.removeTree(typeLibraryKey() + "/" + gazerix::kTypeLibraryVersion);
    registry.removeTree(interfaceKey(gazerix::kDispatchInterfaceId));
    registry.removeTree(interfaceKey(gazerix::kEventInterfaceId));
}

// The category (with its description for locale 1033, at most 127 characters) and the
// control's record that it implements it.
void writeCategory(IniDocument& registry, const gazerix::ComponentCategory& category)
{
    constexpr std::size_t kLongestDescription = 127;
    registry.setValue(kClasses + "/Component Categories/" + category.id, localeKey(),
        std::string(category.description).substr(0, kLongestDescription));
    registry.setValue(classKey(gazerix::kControlClassId) + "/Implemented Categories/" + category.id, kDefault, "");
}

void writeServerClass(IniDocument& registry, const char* classId, const char* progId, const char* typeName,
    const std::string& libraryPath)
{
    registry.setValue(kClasses + "/" + progId, kDefault, typeName);
    registry.setValue(kClasses + "/" + progId + "/CLSID", kDefault, classId);
    registry.setValue(classKey(classId), kDefault, typeName);
    registry.setValue(classKey(classId) + "/ProgID", kDefault, progId);
    registry.setValue(classKey(classId) + "/InprocServer32", kDefault, libraryPath);
    registry.setValue(classKey(classId) + "/InprocServer32", "ThreadingModel", "Apartment");
}

void writeControlClass(IniDocument& registry, const std::string& libraryPath)
{
    const std::string key = classKey(gazerix::kControlClassId);
    writeServerClass(
        registry, gazerix::kControlClassId, gazerix::kControlProgId, gazerix::kControlTypeName, libraryPath);
    registry.setValue(kClasses + "/" + gazerix::kControlProgId + "/Insertable", kDefault, "");
    registry.setValue(key + "/Insertable", kDefault, "");
    registry.setValue(key + "/Control", kDefault, "");
    registry.setValue(key + "/ToolboxBitmap32", kDefault, libraryPath + ", 1");
    registry.setValue(key + "/MiscStatus", kDefault, "0");
    registry.setValue(key + "/MiscStatus/1", kDefault, std::to_string(gazerix::kMiscStatus));
    registry.setValue(key + "/Verb/0", kDefault, "&Edit,0,2");
    registry.setValue(key + "/Verb/1", kDefault, "&Properties...,0,2");
    registry.setValue(key + "/TypeLib", kDefault, gazerix::kTypeLibraryId);
    registry.setValue(key + "/Version", kDefault, gazerix::kTypeLibraryVersion);
}

void removeServerClass(IniDocument& registry, const char* classId, const char* progId)
{
    registry.removeTree(classKey(classId));
    registry.removeTree(kClasses + "/" + progId);
}

// The control's factory: the categories first (for unregistering too), then the class.
void updateControlFactory(IniDocument& registry, bool registering, const std::string& libraryPath)
{
    writeCategory(registry, gazerix::kSafeForScripting);
    writeCategory(registry, gazerix::kSafeForInitializing);
    if (registering)
        writeControlClass(registry, libraryPath);
    else
        removeServerClass(registry, gazerix::kControlClassId, gazerix::kControlProgId);
}

void updatePageFactory(IniDocument& registry, bool registering, const std::string& libraryPath)
{
    if (registering)
        writeServerClass(registry, gazerix::kPageClassId, gazerix::kPageProgId, gazerix::kPageTypeName, libraryPath);
    else
        removeServerClass(registry, gazerix::kPageClassId, gazerix::kPageProgId);
}

HRESULT edit(const std::function<void(IniDocument&)>& change, HRESULT failure)
{
    std::string error;
    if (platform::editRegistry(change, error))
        return S_OK;
    lastFailure = error;
    return failure;
}

HRESULT updateFactories(bool registering, const std::string& libraryPath)
{
    return edit(
        [&](IniDocument& registry) {
            updateControlFactory(registry, registering, libraryPath);
            updatePageFactory(registry, registering, libraryPath);
        },
        GazerixRegistration::kClassFailure);
}

} // namespace

HRESULT GazerixRegistration::registerServer(const std::string& libraryPath)
{
    lastFailure.clear();
    const HRESULT library
        = edit([&](IniDocument& registry) { writeTypeLibrary(registry, libraryPath); }, kTypeLibraryFailure);
    if (FAILED(library))
        return library;
    return updateFactories(true, libraryPath);
}

HRESULT GazerixRegistration::unregisterServer()
{
    lastFailure.clear();
    const HRESULT library = edit([](IniDocument& registry) { removeTypeLibrary(registry); }, kTypeLibraryFailure);
    if (FAILED(library))
        return library;
    return updateFactories(false, {});
}

std::string GazerixRegistration::lastError() { return lastFailure; }
