#pragma once
// Runs the event loop until a condition holds or a deadline passes (no fixed sleeps).
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <functional>

namespace testing_support {

// True as soon as `condition` holds; false when it still does not after `timeoutMilliseconds`.
inline bool processEventsUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 5000)
{
    QDeadlineTimer deadline(timeoutMilliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::yieldCurrentThread();
    }
    return true;
}

} // namespace testing_support
