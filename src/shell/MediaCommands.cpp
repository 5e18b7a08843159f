#include "shell/MediaCommands.h"

#include "platform/DataPath.h"
#include "platform/Message.h"
#include "platform/ModalDialog.h"
#include "scripting/CommandLine.h"
#include "shell/AnimationRecorder.h"
#include "shell/LayoutWindows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>

#include <charconv>

namespace {

constexpr const char* kExportPngStep = "export-png";
constexpr const char* kExportSvgStep = "export-svg";
constexpr const char* kRecordStep = "record";

// A window number as scripts give it: -1 (the whole layout) or more; nothing for another
// word, with `problem` set.
std::optional<int> parseWindowNumber(const std::string& word, QString& problem)
{
    int number = 0;
    const char* const end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, number);
    if (!word.empty() && error == std::errc() && stop == end && number >= LayoutWindows::kWholeLayout)
        return number;
    problem = MediaCommands::tr("A window is named by its number, or -1 for the whole layout, not '%1'.")
                  .arg(QString::fromStdString(word));
    return std::nullopt;
}

// A file of that name in the user's pictures folder, else in the home folder.
QString offeredFile(const QString& name)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(name);
}

std::string pathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

void showProblem(const QString& problem, const QString& caption)
{
    platform::showMessage(problem.toStdString(), caption.toStdString(), platform::MessageIcon::Error);
}

} // namespace

MediaCommands::MediaCommands(QWidget& host, QWidget* window)
    : QObject(window)
    , host_(host)
    , window_(window)
    , picturePath_(offeredFile(QStringLiteral("skyloom.png")))
    , animationPath_(offeredFile(QStringLiteral("skyloom.gif")))
{
}

std::vector<ProgramStep> MediaCommands::programSteps()
{
    return {
        { kExportPngStep, 2, "export-png WINDOW PATH", true },
        { kExportSvgStep, 2, "export-svg WINDOW PATH", true },
        { kRecordStep, 3, "record WINDOW SECONDS PATH", true },
    };
}

bool MediaCommands::runStep(const std::string& name, const std::vector<std::string>& words, std::string& problem)
{
    QString why;
    bool done = false;
    if (name == kExportPngStep || name == kExportSvgStep)
        done = runExportStep(
            name == kExportPngStep ? PictureExport::Format::Png : PictureExport::Format::Svg, words, why);
    else if (name == kRecordStep)
        done = runRecordStep(words, why);
    else
        why = tr("There is no %1 step.").arg(QString::fromStdString(name));
    problem = why.toStdString();
    return done;
}

bool MediaCommands::runExportStep(PictureExport::Format format, const std::vector<std::string>& words, QString& problem)
{
    const std::optional<int> number = parseWindowNumber(words[0], problem);
    return number && exportPicture(*number, format, platform::resolveStartPath(words[1]), problem);
}

bool MediaCommands::runRecordStep(const std::vector<std::string>& words, QString& problem)
{
    const std::optional<double> seconds = parseRecordingSeconds(words[1]);
    if (!seconds) {
        problem = tr("A recording lasts a number of seconds above 0 and at most %1, not '%2'.")
                      .arg(kLongestRecordingSeconds)
                      .arg(QString::fromStdString(words[1]));
        return false;
    }
    const std::optional<int> number = parseWindowNumber(words[0], problem);
    return number && record(*number, *seconds, platform::resolveStartPath(words[2]), problem);
}

void MediaCommands::choosePicture()
{
    const std::optional<MediaDialog::Choice> choice = askFor(MediaDialog::Kind::Picture, picturePath_);
    if (!choice)
        return;
    QString problem;
    const std::optional<PictureExport::Format> format = PictureExport::formatOf(choice->path);
    if (format && exportPicture(choice->window, *format, pathBytes(choice->path), problem))
        return;
    showProblem(format ? problem : tr("Pictures are written as .png or .svg files, not as %1.").arg(choice->path),
        tr("Export Picture"));
}

void MediaCommands::chooseAnimation()
{
    const std::optional<MediaDialog::Choice> choice = askFor(MediaDialog::Kind::Animation, animationPath_);
    QString problem;
    if (choice && !record(choice->window, choice->seconds, pathBytes(choice->path), problem))
        showProblem(problem, tr("Record Animation"));
}

std::optional<MediaDialog::Choice> MediaCommands::askFor(MediaDialog::Kind kind, QString& path)
{
    QPointer<QDialog> dialog = new MediaDialog(window_, kind, LayoutWindows(host_).descriptions(), path);
    const std::optional<int> result = platform::runModal(dialog);
    std::optional<MediaDialog::Choice> choice;
    if (result == QDialog::Accepted) {
        choice = static_cast<MediaDialog*>(dialog.data())->choice();
        path = choice->path;
    }
    delete dialog.data();
    return choice;
}

QWidget* MediaCommands::findWindow(int number, QString& problem) const
{
    QWidget* const window = LayoutWindows(host_).find(number);
    if (!window)
        problem = tr("There is no window %1 in the layout on screen.").arg(number);
    return window;
}

QString MediaCommands::titleOf(int number) const
{
    const QStringList described = LayoutWindows(host_).descriptions();
    if (number >= 0 && number < described.size())
        return described[number];
    return tr("Skyloom layout");
}

bool MediaCommands::exportPicture(int number, PictureExport::Format format, const std::string& path, QString& problem)
{
    QWidget* const window = findWindow(number, problem);
    return window && PictureExport::write(*window, format, path, titleOf(number), problem);
}

bool MediaCommands::record(int number, double seconds, const std::string& path, QString& problem)
{
    if (recorder_) {
        problem = tr("A recording is running already.");
        return false;
    }
    QWidget* const window = findWindow(number, problem);
    if (!window || !AnimationRecorder::canWriteTo(path, problem))
        return false;
    recorder_ = new AnimationRecorder(*window, seconds, LayoutWindows(host_).refreshMilliseconds(number), path, this);
    // Queued: the recording's end is dealt with once its last frame has been handled.
    connect(recorder_, &AnimationRecorder::finished, this, &MediaCommands::onRecordingFinished, Qt::QueuedConnection);
    showProgress(*recorder_);
    recorder_->start();
    return true;
}

void MediaCommands::showProgress(AnimationRecorder& recorder)
{
    auto* const dialog
        = new QProgressDialog(tr("Recording the animation..."), tr("Cancel"), 0, recorder.frameCount(), window_);
    dialog->setWindowTitle(tr("Record Animation"));
    dialog->setAccessibleName(tr("Recording progress"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    connect(dialog, &QProgressDialog::canceled, &recorder, &AnimationRecorder::cancel);
    // Queued: a window-modal progress dialog runs the event loop as its value is set, which
    // must not happen in the middle of a frame.
    connect(&recorder, &AnimationRecorder::progressed, dialog, &QProgressDialog::setValue, Qt::QueuedConnection);
    dialog->show();
    progress_ = dialog;
}

void MediaCommands::onRecordingFinished(bool written, const QString& problem)
{
    if (recorder_)
        recorder_->deleteLater();
    recorder_.clear();
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
    }
    progress_.clear();
    if (!problem.isEmpty())
        showProblem(problem, tr("Record Animation"));
    emit recordingEnded(written);
}
