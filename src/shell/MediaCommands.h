#pragma once
// Pictures and animations of the layout on screen: Layout > Export Picture and Layout >
// Record Animation, the script steps export-png, export-svg and record, and --record.
// A window is named by its number as scripts count windows, -1 for the whole layout.
// One recording runs at a time; it shows its progress in a dialog with Cancel, and the
// main window waits for it before it closes.
// Threading: window thread only.
#include "scripting/ScriptingProgram.h"
#include "shell/MediaDialog.h"
#include "shell/PictureExport.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class AnimationRecorder;
class QProgressDialog;
class QWidget;

class MediaCommands : public QObject {
    Q_OBJECT
public:
    // For the layout in `host`; dialogs belong to `window`.
    MediaCommands(QWidget& host, QWidget* window);

    // export-png WINDOW PATH, export-svg WINDOW PATH, record WINDOW SECONDS PATH (a path
    // takes the rest of the line).
    static std::vector<ProgramStep> programSteps();
    // Carries out one of programSteps() with the words after its name; false with `problem` set.
    bool runStep(const std::string& name, const std::vector<std::string>& words, std::string& problem);

    // The dialogs of the Layout menu; a failure is shown as a message.
    void choosePicture();
    void chooseAnimation();

    // Writes a picture of window `number` to `path`; false with `problem` set.
    bool exportPicture(int number, PictureExport::Format format, const std::string& path, QString& problem);
    // Starts recording window `number` for `seconds` to `path`; false with `problem` set
    // (nothing is started). A failure while recording is shown as a message.
    bool record(int number, double seconds, const std::string& path, QString& problem);
    bool isRecording() const { return !recorder_.isNull(); }

signals:
    // A recording ended: written, or failed or cancelled.
    void recordingEnded(bool written);

private:
    bool runExportStep(PictureExport::Format format, const std::vector<std::string>& words, QString& problem);
    bool runRecordStep(const std::vector<std::string>& words, QString& problem);
    void showProgress(AnimationRecorder& recorder);
    void onRecordingFinished(bool written, const QString& problem);
    // Runs the dialog of `kind` offering `path`; the choice, which `path` then holds, or
    // nothing when cancelled.
    std::optional<MediaDialog::Choice> askFor(MediaDialog::Kind kind, QString& path);
    QWidget* findWindow(int number, QString& problem) const;
    QString titleOf(int number) const;

    QWidget& host_;
    QWidget* window_;
    QPointer<AnimationRecorder> recorder_;
    QPointer<QProgressDialog> progress_;
    QString picturePath_; // the file last offered or chosen
    QString animationPath_;
};
