#include "platform/WindowThread.h"

#include <QCoreApplication>
#include <QThread>

namespace platform {

bool isWindowThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return !application || QThread::currentThread() == application->thread();
}

} // namespace platform
