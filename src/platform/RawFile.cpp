#include "platform/RawFile.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

    // A descriptor for reading the regular file named by `path`, or -1. Anything else is
    // refused without waiting: the open of a FIFO would wait for a writer, and a device gives
    // bytes without end or waits at a terminal. O_NONBLOCK keeps the open itself from waiting;
    // the descriptor of a regular file is then made an ordinary blocking one.
    int openRegularFileForReading(const std::string& path)
    {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0)
            return -1;
        struct stat status { };
        if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && ::fcntl(descriptor, F_SETFL, 0) == 0)
            return descriptor;
        ::close(descriptor);
        return -1;
    }

    int openForWriting(const std::string& path)
    {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    }

} // namespace

bool openRawFile(const std::string& path, QIODevice::OpenMode mode, QFile& file)
{
    const bool writing = mode.testFlag(QIODevice::WriteOnly);
    const int descriptor = writing ? openForWriting(path) : openRegularFileForReading(path);
    if (descriptor < 0)
        return false;
    const QIODevice::OpenMode qtMode = writing ? QIODevice::WriteOnly : QIODevice::ReadOnly;
    if (file.open(descriptor, qtMode, QFileDevice::AutoCloseHandle))
        return true;
    ::close(descriptor);
    return false;
}

std::string nonRegularFileKind(const std::string& path)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("RawFile", "it is a folder, not a file").toStdString();
    return QCoreApplication::translate("RawFile", "it is a device or a pipe, not a file").toStdString();
}

} // namespace platform
