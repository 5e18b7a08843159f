#pragma once
// The process-wide list of window records (observer and control windows) and
// the passes other parts run over it. Every operation takes the registry's lock
// for its whole run. Lock order: display manager, collection, registry, window
// record, image source, simulation clock. Used only on the window thread.
//
// Threading: window thread only (asserted in debug builds). The registry's lock guards
// the list of records; no worker takes it. It is released before a paint takes a
// record's lock and calls into a source.
// See docs/threads.md.
#include "imagesource/SourceViews.h"
#include "platform/CriticalSection.h"
#include "platform/Result.h"

#include <list>
#include <memory>

class ImageSource;
class SourceOwner;
class QWidget;
class WindowRecord;

class WindowRegistry : public SourceViews {
public:
    static WindowRegistry& instance();

    void Lock() ACQUIRE(lock_);
    void Unlock() RELEASE(lock_);

    // Inserts at the head; the registry owns the record (and through it the window).
    void addRecord(std::unique_ptr<WindowRecord> record);
    // The record of a window, or null.
    WindowRecord* findRecord(const QWidget* window);
    // Destroys every record (and window) that shows `source`.
    void removeWindowsOf(const ImageSource* source);
    void removeAllWindows();
    // Calls the source's ApplyDefaults for each of its windows; stops at the first failure.
    HRESULT applyDefaults(ImageSource* source) override;
    // Requests a redraw of each observer window that shows `source`.
    void redraw(const ImageSource* source) override;
    void setButtonTextOfSource(const ImageSource* source, int index, const char* text) override;
    // Relabels a button of a control window (for example "Pause" -> "Resume").
    void setButtonText(QWidget* controlWindow, int index, const char* text) override;
    // Lays out again every window whose source's owner is `manager`.
    HRESULT resize(SourceOwner* manager);
    // Removes all windows; the registry stays usable (a new run may register again).
    void shutdown();

    int recordCount();
    // The records in list order (head first); for tests and the script runner.
    std::list<WindowRecord*> records();

private:
    // Installs itself as the views that image sources reach.
    WindowRegistry();
    ~WindowRegistry() override;
    platform::CriticalSection lock_;
    std::list<std::unique_ptr<WindowRecord>> records_;
};
