#include "shell/AnimationRecorder.h"

#include "platform/SafeFileReplacement.h"
#include "shell/GifAnimationWriter.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {

constexpr int kMillisecondsPerCentisecond = 10;
// Browsers show frames of 0 or 1 hundredths of a second for a tenth of a second: none is shorter than this.
constexpr int kShortestDelayCentiseconds = 2;

int centisecondsAt(qint64 milliseconds)
{
    return static_cast<int>((milliseconds + kMillisecondsPerCentisecond / 2) / kMillisecondsPerCentisecond);
}

int frameInterval(int refreshMilliseconds)
{
    const int wanted = refreshMilliseconds > 0 ? refreshMilliseconds : AnimationRecorder::kStillFrameMilliseconds;
    const int interval = std::max(wanted, AnimationRecorder::kShortestFrameMilliseconds);
    return (interval + kMillisecondsPerCentisecond - 1) / kMillisecondsPerCentisecond * kMillisecondsPerCentisecond;
}

QString shown(const std::string& path) { return QString::fromStdString(path); }

} // namespace

AnimationRecorder::AnimationRecorder(
    QWidget& window, double seconds, int refreshMilliseconds, std::string path, QObject* parent)
    : QObject(parent)
    , window_(&window)
    , path_(std::move(path))
    , interval_(frameInterval(refreshMilliseconds))
    , frameCount_(std::max(1, static_cast<int>(std::ceil(seconds * 1000.0 / interval_))))
{
    timer_.setInterval(interval_);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AnimationRecorder::takeFrame);
}

AnimationRecorder::~AnimationRecorder() = default;

bool AnimationRecorder::canWriteTo(const std::string& path, QString& problem)
{
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    if (path.empty() || !target.has_filename()) {
        problem = tr("%1 names no file.").arg(shown(path));
        return false;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        problem = tr("Could not write the animation %1: the folder %2 does not exist.")
                      .arg(shown(path), QString::fromStdString(folder.string()));
        return false;
    }
    return true;
}

void AnimationRecorder::start()
{
    clock_.start();
    timer_.start();
}

void AnimationRecorder::cancel()
{
    if (!ended_)
        end(false, QString());
}

void AnimationRecorder::takeFrame()
{
    if (!window_)
        return end(false, tr("The window closed before the recording of %1 ended.").arg(shown(path_)));
    const qint64 now = clock_.elapsed();
    const QImage frame = window_->grab().toImage();
    if (frame.isNull())
        return end(false, tr("Could not take a frame of the window for %1.").arg(shown(path_)));
    if (!writer_)
        writer_ = std::make_unique<GifAnimationWriter>(frame.size());
    if (!pending_.isNull() && !addPendingFrame(now))
        return end(false, notMade());
    pending_ = frame;
    pendingAt_ = now;
    ++taken_;
    emit progressed(taken_);
    if (taken_ < frameCount_)
        return;
    timer_.stop();
    if (!addPendingFrame(pendingAt_ + interval_))
        return end(false, notMade());
    writeFile();
}

bool AnimationRecorder::addPendingFrame(qint64 until)
{
    const int delay = std::max(centisecondsAt(until) - centisecondsAt(pendingAt_), kShortestDelayCentiseconds);
    return writer_->addFrame(pending_, delay);
}

void AnimationRecorder::writeFile()
{
    const std::optional<std::string> bytes = writer_->finish();
    if (!bytes)
        return end(false, notMade());
    std::error_code error;
    if (!platform::replaceFileContents(path_, *bytes, error))
        return end(false,
            tr("Could not write the animation %1: %2").arg(shown(path_), QString::fromStdString(error.message())));
    end(true, QString());
}

QString AnimationRecorder::notMade() const { return tr("Could not make the animation %1.").arg(shown(path_)); }

void AnimationRecorder::end(bool written, const QString& problem)
{
    timer_.stop();
    ended_ = true;
    pending_ = QImage();
    writer_.reset();
    emit finished(written, problem);
}
