#pragma once
// Opens files for Qt by the bytes of their paths.
//
// A QString path is converted to the local encoding and back, which not every byte string
// survives (a Latin-1 name is not valid UTF-8); paths are bytes and reach the file system
// unchanged, so every file the engine hands to Qt is opened here.
#include <QFile>

#include <string>

namespace platform {

// Opens `file` on the file named by `path` for reading (QIODevice::ReadOnly) or for writing
// from the start (QIODevice::WriteOnly, creating or emptying it). False when it cannot.
// Reading takes regular files only, as the XML reader does: a FIFO, a device or a folder
// is refused at once, without waiting for a writer or reading bytes without end.
bool openRawFile(const std::string& path, QIODevice::OpenMode mode, QFile& file);

// What `path` names when it names something that is not a regular file, as a clause of a
// message ("it is a folder, not a file"); empty for a regular file and for nothing at all.
std::string nonRegularFileKind(const std::string& path);

} // namespace platform
