#include "shell/TimeControls.h"

#include "platform/ModalDialog.h"
#include "shell/GoToDateDialog.h"
#include "shell/ModelDates.h"
#include "shell/ReadoutPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kSliderPageDays = 30;
// Room for the focus ring around the slider inside the bar, off the layout below.
constexpr int kBarMargin = 4;

} // namespace

TimeControls::TimeControls(QWidget* window, ManagerAccess manager)
    : QObject(window)
    , window_(window)
    , manager_(std::move(manager))
{
}

QWidget* TimeControls::createBar(QWidget* parent, const QList<QAction*>& commands)
{
    // Plain buttons in a row: a tool bar's own frame would cost a large fill on every repaint.
    auto* const bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("timeBar"));
    bar->setAccessibleName(tr("Time"));
    auto* const row = new QHBoxLayout(bar);
    row->setContentsMargins(kBarMargin, kBarMargin, kBarMargin, kBarMargin);
    for (QAction* const command : commands) {
        auto* const button = new QToolButton(bar);
        button->setDefaultAction(command);
        button->setAutoRaise(true);
        // As on a tool bar: the View menu and its keys reach these commands from the keyboard.
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
    }
    auto* const label = new QLabel(tr("Time:"), bar);
    slider_ = new QSlider(Qt::Horizontal, bar);
    slider_->setAccessibleName(tr("Time slider"));
    slider_->setPageStep(kSliderPageDays);
    slider_->setFocusPolicy(Qt::StrongFocus);
    slider_->setEnabled(false);
    label->setBuddy(slider_);
    row->addWidget(label);
    row->addWidget(slider_, 1);
    connect(slider_, &QSlider::valueChanged, this, &TimeControls::onSliderMoved);
    return bar;
}

ReadoutPanel* TimeControls::createReadout(QWidget* parent)
{
    readout_ = new ReadoutPanel(parent);
    return readout_;
}

QString TimeControls::readoutText() const { return readout_ ? readout_->spokenText() : QString(); }

void TimeControls::showReadout(DisplayManager* manager)
{
    if (!readout_)
        return;
    QStringList lines;
    if (manager)
        for (const std::string& line : manager->readoutLines())
            lines << QString::fromStdString(line);
    readout_->showLines(lines);
}

void TimeControls::togglePauseAll()
{
    if (DisplayManager* const manager = manager_())
        manager->holdAll(!manager->isHeld());
    refresh();
}

void TimeControls::step(int frames)
{
    if (DisplayManager* const manager = manager_())
        manager->stepAll(frames);
    refresh();
}

std::optional<TimeControls::DateSpan> TimeControls::observedDates() const
{
    DisplayManager* const manager = manager_();
    const std::optional<DisplayManager::ModelTime> time = manager ? manager->modelTime() : std::nullopt;
    if (!time || !time->startYear || !time->observed)
        return std::nullopt;
    const std::int32_t year = *time->startYear;
    // From the model's time 0 (the start of the observations' first year) on.
    return DateSpan { dateOfModelTime(year, std::min(0.0, time->observed->first)),
        dateOfModelTime(year, time->observed->last), dateOfModelTime(year, time->time) };
}

void TimeControls::chooseDate()
{
    const std::optional<DateSpan> span = observedDates();
    if (!span)
        return;
    QPointer<QDialog> dialog = new GoToDateDialog(window_, span->first, span->last, span->shown);
    const std::optional<int> result = platform::runModal(dialog);
    if (result == QDialog::Accepted) {
        QString problem;
        goToDate(static_cast<GoToDateDialog*>(dialog.data())->chosenDate(), problem);
    }
    delete dialog.data();
}

bool TimeControls::goToDate(const QDate& date, QString& problem)
{
    const std::optional<DateSpan> span = observedDates();
    DisplayManager* const manager = manager_();
    if (!span || !manager) {
        problem = tr("No dated observations are on screen.");
        return false;
    }
    if (!date.isValid() || date < span->first || date > span->last) {
        problem
            = tr("%1 lies outside the observations, which run from %2 to %3.")
                  .arg(date.toString(Qt::ISODate), span->first.toString(Qt::ISODate), span->last.toString(Qt::ISODate));
        return false;
    }
    manager->seekDated([&date](std::int32_t startYear) { return modelTimeOfDate(startYear, date); });
    refresh();
    return true;
}

void TimeControls::setStopAtEnd(bool stop)
{
    if (DisplayManager* const manager = manager_())
        manager->setStopAtEndOfObservations(stop);
}

void TimeControls::refresh()
{
    DisplayManager* const manager = manager_();
    if (manager)
        manager->refreshStopTimes();
    showReadout(manager);
    if (pauseAction_)
        pauseAction_->setText(manager && manager->isHeld() ? tr("&Resume All") : tr("&Pause All"));
    if (!slider_ || slider_->isSliderDown())
        return;
    const std::optional<DateSpan> span = observedDates();
    showingTime_ = true;
    slider_->setEnabled(span.has_value());
    if (span) {
        sliderOrigin_ = span->first;
        slider_->setRange(0, static_cast<int>(span->first.daysTo(span->last)));
        slider_->setValue(static_cast<int>(span->first.daysTo(span->shown)));
        slider_->setAccessibleDescription(span->shown.toString(Qt::ISODate));
    }
    showingTime_ = false;
}

QDate TimeControls::dateOfSliderDay(int day) const { return sliderOrigin_.addDays(day); }

void TimeControls::onSliderMoved(int day)
{
    if (showingTime_)
        return;
    QString problem;
    goToDate(dateOfSliderDay(day), problem);
}
