#include "platform/RawFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool openRawFile(const std::string& path, QIODevice::OpenMode mode, QFile& file)
{
    const bool writing = mode.testFlag(QIODevice::WriteOnly);
    const int flags = writing ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY;
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    const QIODevice::OpenMode qtMode = writing ? QIODevice::WriteOnly : QIODevice::ReadOnly;
    if (file.open(descriptor, qtMode, QFileDevice::AutoCloseHandle))
        return true;
    ::close(descriptor);
    return false;
}

} // namespace platform
