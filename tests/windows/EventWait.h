#pragma once
// Runs the event loop until a condition holds or a deadline passes (no fixed sleeps).
#include "support/Deadline.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <functional>

namespace testing_support {

// True as soon as `condition` holds; false when it still does not after `timeoutMilliseconds`.
inline bool processEventsUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 5000)
{
    return waitUntil(condition, std::chrono::milliseconds(timeoutMilliseconds), [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::yieldCurrentThread();
    });
}

} // namespace testing_support
