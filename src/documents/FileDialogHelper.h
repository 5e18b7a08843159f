#pragma once
// The one place where the system asks the user for a file. Runs the Open and
// Save As dialogs through the platform chooser and remembers the chosen path.
// Relative start folders are folders under the root directory. Callers name a kind of
// file of the table in FileTypes.h; the forms with separate texts serve any other kind.
// See docs/threads.md.
#include "documents/FileFilter.h"
#include "platform/Result.h"

#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

class QWidget;
class XmlDocument;
struct FileType;
namespace platform {
struct FileDialogRequest;
}

class FileDialogHelper {
public:
    FileDialogHelper() = default;
    virtual ~FileDialogHelper() = default;

    // Called after a confirmed Save As; owners that save override it.
    virtual HRESULT SaveToPath(const std::string& path);

    // Copies at most 259 characters; null empties the path.
    void setPath(const char* path);
    const std::string& getPath() const { return path_; }
    const std::string& getTitle() const { return title_; }

    // Open dialog; S_OK with the path set on a confirmed choice, else E_FAIL.
    // startFolder may use backslashes ("AstreonLayouts\\"); they are used as '/'.
    HRESULT open(QWidget* owner, const char* defaultExtension, const FileFilter& filter, const char* startFolder);
    HRESULT open(QWidget* owner, const FileType& type);
    // E_FAIL when the path is empty; otherwise a new document (the caller owns it, also
    // on failure) loaded from the path with reportErrors; the load's result.
    HRESULT loadDocument(std::unique_ptr<XmlDocument>& document, std::int32_t reportErrors);
    // open, then loadDocument with reportErrors 1.
    HRESULT openDocument(std::unique_ptr<XmlDocument>& document, QWidget* owner, const char* defaultExtension,
        const FileFilter& filter, const char* startFolder);
    HRESULT openDocument(std::unique_ptr<XmlDocument>& document, QWidget* owner, const FileType& type);
    // Save As dialog; on a confirmed choice SaveToPath(path) and its result, else E_FAIL.
    HRESULT saveAs(QWidget* owner, const char* defaultExtension, const FileFilter& filter, const char* startFolder);
    HRESULT saveAs(QWidget* owner, const FileType& type);

protected:
    // For SaveToPath: when `result` is a failure, tells the user which file could not be
    // saved and the system's reason ("Couldn't save <path>: <reason>"); returns `result`.
    static HRESULT reportSaveResult(const std::string& path, HRESULT result, const std::error_code& error);

private:
    // Empties path and title and asks the chooser; S_OK with path and title set on a
    // confirmed choice, else E_FAIL.
    HRESULT choose(const platform::FileDialogRequest& request);

    std::string path_;
    std::string title_;
};
