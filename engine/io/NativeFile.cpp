#include "io/NativeFile.h"

#include "failure/FailureNumbers.h"

#include <QFileInfo>

namespace parolex {

// The parts of a system file that are the same everywhere; the system's calls and error
// codes are in NativeFilePosix.cpp and NativeFileWindows.cpp.

NativeFile::~NativeFile()
{
    close();
}

FileOpenResult<NativeFile> NativeFile::open(const QString &path, Purpose purpose)
{
    FileOpenResult<NativeFile> result;
    if (path.isEmpty()) {
        result.error = failure::PathFileAccessError;
        return result;
    }
    qintptr handle = 0;
    result.error = openHandle(path, purpose, handle);
    if (result.error == failure::None)
        result.file.reset(new NativeFile(handle));
    return result;
}

FileOpenResult<NativeFile> NativeFile::openForReading(const QString &path)
{
    return open(path, Purpose::Reading);
}

FileOpenResult<NativeFile> NativeFile::createForWriting(const QString &path)
{
    return open(path, Purpose::Writing);
}

bool NativeFile::folderOfPathExists(const QString &path)
{
    return QFileInfo(QFileInfo(path).absolutePath()).isDir();
}

} // namespace parolex
