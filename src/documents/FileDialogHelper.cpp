#include "documents/FileDialogHelper.h"

#include "documents/FileTypes.h"
#include "platform/Chooser.h"
#include "platform/DataPath.h"
#include "platform/HandlerScope.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "xml/XmlDocument.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// Some platform dialogs move the working directory as the user browses; the engine never
// does, and neither may a dialog it opens (a hosting program relies on it). A working
// directory that cannot be read is simply not put back.
class WorkingDirectoryKeeper {
public:
    WorkingDirectoryKeeper() { remembered_ = std::filesystem::current_path(readError_); }
    ~WorkingDirectoryKeeper()
    {
        std::error_code ignored;
        if (!readError_ && std::filesystem::current_path(ignored) != remembered_)
            std::filesystem::current_path(remembered_, ignored);
    }
    WorkingDirectoryKeeper(const WorkingDirectoryKeeper&) = delete;
    WorkingDirectoryKeeper& operator=(const WorkingDirectoryKeeper&) = delete;

private:
    std::error_code readError_;
    std::filesystem::path remembered_;
};

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
    // Relative start folders name folders of the shipped content.
    request.startFolder = platform::resolveDataPath(withForwardSlashes(startFolder));
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

HRESULT FileDialogHelper::reportSaveResult(const std::string& path, HRESULT result, const std::error_code& error)
{
    if (FAILED(result)) {
        const std::string reason = error ? error.message() : std::string("unknown error");
        platform::showMessage("Couldn't save " + path + ": " + reason, "Astreon Error", platform::MessageIcon::Error);
    }
    return result;
}

void FileDialogHelper::setPath(const char* path)
{
    path_ = path ? platform::cutText(path, platform::kMaxPathLength) : std::string();
}

HRESULT FileDialogHelper::choose(const platform::FileDialogRequest& request)
{
    path_.clear();
    title_.clear();
    std::optional<std::string> chosen;
    {
        // The dialog runs a nested event loop: layout changes wait until it has closed.
        platform::HandlerScope dialog(platform::HandlerScope::Kind::NestedLoop);
        const WorkingDirectoryKeeper keeper;
        chosen = platform::chooser().chooseFile(request);
    }
    // A path that does not fit the path buffer is a failed dialog, not a cut path.
    if (!chosen || chosen->empty() || chosen->size() > platform::kMaxPathLength)
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

HRESULT FileDialogHelper::open(QWidget* owner, const FileType& type)
{
    return open(owner, type.defaultExtension, type.filter(), type.startFolder);
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

HRESULT FileDialogHelper::openDocument(std::unique_ptr<XmlDocument>& document, QWidget* owner, const FileType& type)
{
    return openDocument(document, owner, type.defaultExtension, type.filter(), type.startFolder);
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

HRESULT FileDialogHelper::saveAs(QWidget* owner, const FileType& type)
{
    return saveAs(owner, type.defaultExtension, type.filter(), type.startFolder);
}
