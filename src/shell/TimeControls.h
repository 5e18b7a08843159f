#pragma once
// The time controls of the whole screen: Pause All / Resume All, a frame forwards or
// backwards, Go To Date, "Stop at the end of the observations", and the time bar above
// the layout with its buttons and a slider over the span of the observations. They act
// through the display manager on every animated source on screen. Window thread only.
#include "display/DisplayManager.h"

#include <QDate>
#include <QObject>

#include <functional>
#include <optional>

class QAction;
class ReadoutPanel;
class QSlider;
class QWidget;

class TimeControls : public QObject {
    Q_OBJECT
public:
    // The display manager on screen, or null.
    using ManagerAccess = std::function<DisplayManager*()>;
    // The days the observations of the first dated source on screen span.
    struct DateSpan {
        QDate first;
        QDate last;
        QDate shown; // the day of its model time
    };

    TimeControls(QWidget* window, ManagerAccess manager);

    // The bar above the layout: the given commands as buttons, then the time slider.
    QWidget* createBar(QWidget* parent, const QList<QAction*>& commands);
    // The lines above the layout that read out each matched system's error ("Mars: model −
    // observed +0.42°, RMS 0.31°"); hidden while no system on screen is matched.
    ReadoutPanel* createReadout(QWidget* parent);
    // The readout as screen readers hear it: the lines joined by "; ".
    QString readoutText() const;
    // Keeps the Pause All command's text ("Pause All" or "Resume All") true.
    void setPauseAction(QAction* action) { pauseAction_ = action; }

    void togglePauseAll();
    void step(int frames);
    // Asks for a day and goes there; nothing without dated observations on screen.
    void chooseDate();
    // Moves every dated source to `date`; false with `problem` set when there are no dated
    // observations on screen or the day lies outside them.
    bool goToDate(const QDate& date, QString& problem);
    void setStopAtEnd(bool stop);
    std::optional<DateSpan> observedDates() const;
    QSlider* slider() const { return slider_; }

    // Brings the controls up to date with the screen (called a few times a second).
    void refresh();

private:
    void onSliderMoved(int day);
    QDate dateOfSliderDay(int day) const;
    void showReadout(DisplayManager* manager);

    QWidget* window_;
    ManagerAccess manager_;
    QAction* pauseAction_ = nullptr;
    QSlider* slider_ = nullptr;
    ReadoutPanel* readout_ = nullptr;
    QDate sliderOrigin_; // the day that slider value 0 stands for
    bool showingTime_ = false; // the slider is being set from the model, not by the user
};
