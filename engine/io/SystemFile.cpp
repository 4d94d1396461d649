#include "io/SystemFile.h"

#include <QFileInfo>

namespace parolex {

SystemFile::~SystemFile()
{
    // Whoever cared about a failure closed the file already; here it is only released.
    (void)close();
}

Result<std::unique_ptr<SystemFile>> SystemFile::open(const QString &path, Purpose purpose)
{
    if (path.isEmpty())
        return Failure::PathFileAccessError;
    const Result<qintptr> handle = openHandle(path, purpose);
    if (!handle)
        return handle.failure();
    return std::unique_ptr<SystemFile>(new SystemFile(*handle, true));
}

Result<std::unique_ptr<SystemFile>> SystemFile::openForReading(const QString &path)
{
    return open(path, Purpose::Reading);
}

Result<std::unique_ptr<SystemFile>> SystemFile::createForWriting(const QString &path)
{
    return open(path, Purpose::Writing);
}

bool SystemFile::folderOfPathExists(const QString &path)
{
    return QFileInfo(QFileInfo(path).absolutePath()).isDir();
}

Failure SystemFile::close()
{
    if (!m_open)
        return Failure::None;
    m_open = false;
    return m_owned ? closeHandle() : Failure::None;
}

} // namespace parolex
