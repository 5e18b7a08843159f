#include "windows/FileDialogHelper.h"

#include "platform/Chooser.h"
#include "platform/Text.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// The current directory, or nothing when it cannot be read (or is longer than a path may be).
std::optional<std::filesystem::path> rememberCurrentDirectory()
{
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    if (error || current.native().size() > platform::kMaxPathLength)
        return std::nullopt;
    return current;
}

bool restoreCurrentDirectory(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::current_path(folder, error);
    return !error;
}

std::string withForwardSlashes(const char* text)
{
    std::string converted = text ? text : "";
    std::replace(converted.begin(), converted.end(), '\\', '/');
    return converted;
}

platform::FileDialogRequest makeRequest(platform::FileDialogKind kind, QWidget* owner, const char* defaultExtension,
    const FileFilter& filter, const char* startFolder)
{
    platform::FileDialogRequest request;
    request.kind = kind;
    request.owner = owner;
    request.defaultExtension = defaultExtension ? defaultExtension : "";
    request.filterDescription = filter.description;
    request.filterPattern = filter.pattern;
    request.startFolder = withForwardSlashes(startFolder);
    return request;
}

// The file name part of a path (after the last '/' or '\').
std::string fileNamePart(const std::string& path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace

HRESULT FileDialogHelper::SaveToPath(const std::string&) { return S_OK; }

void FileDialogHelper::setPath(const char* path)
{
    path_ = path ? platform::cutText(path, platform::kMaxPathLength) : std::string();
}

HRESULT FileDialogHelper::choose(const platform::FileDialogRequest& request)
{
    const std::optional<std::filesystem::path> remembered = rememberCurrentDirectory();
    if (!remembered)
        return E_FAIL;
    path_.clear();
    title_.clear();
    const std::optional<std::string> chosen = platform::chooser().chooseFile(request);
    // Whatever the user did in the dialog, relative paths keep resolving where they did.
    const bool restored = restoreCurrentDirectory(*remembered);
    // A path that does not fit the path buffer is a failed dialog, not a cut path.
    if (!chosen || chosen->empty() || chosen->size() > platform::kMaxPathLength || !restored)
        return E_FAIL;
    path_ = *chosen;
    title_ = fileNamePart(path_);
    return S_OK;
}

HRESULT FileDialogHelper::open(
    QWidget* owner, const char* defaultExtension, const FileFilter& filter, const char* startFolder)
{
    return choose(makeRequest(platform::FileDialogKind::Open, owner, defaultExtension, filter, startFolder));
}

HRESULT FileDialogHelper::loadDocument(std::unique_ptr<XmlDocument>& document, std::int32_t reportErrors)
{
    if (path_.empty())
        return E_FAIL;
    document = std::make_unique<XmlDocument>();
    return document->loadFile(path_.c_str(), reportErrors);
}

HRESULT FileDialogHelper::openDocument(std::unique_ptr<XmlDocument>& document, QWidget* owner,
    const char* defaultExtension, const FileFilter& filter, const char* startFolder)
{
    const HRESULT opened = open(owner, defaultExtension, filter, startFolder);
    if (FAILED(opened))
        return opened;
    return loadDocument(document, 1);
}

HRESULT FileDialogHelper::saveAs(
    QWidget* owner, const char* defaultExtension, const FileFilter& filter, const char* startFolder)
{
    const HRESULT chosen
        = choose(makeRequest(platform::FileDialogKind::SaveAs, owner, defaultExtension, filter, startFolder));
    if (FAILED(chosen))
        return chosen;
    return SaveToPath(path_);
}
