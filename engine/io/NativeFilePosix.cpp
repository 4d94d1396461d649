#include "io/NativeFile.h"

#include "failure/FailureNumbers.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parolex {

namespace {

// The whole mapping from errno to the run's failure numbers (table in FailureNumbers.h).
int failureNumber(int error, bool reading, bool folderExists)
{
    switch (error) {
    case ENOENT:
        // Reading: the file is missing, unless its folder is missing too.
        return reading && folderExists ? failure::FileNotFound : failure::PathNotFound;
    case ENOTDIR:
        return failure::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ELOOP:
        return failure::PathFileAccessError;
    case ETXTBSY:
    case EBUSY:
        return failure::PermissionDenied;
    case EIO:
        return failure::DeviceIoError;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return failure::DiskFull;
    case EMFILE:
    case ENFILE:
        return failure::TooManyFiles;
    case ENXIO:
    case ENODEV:
        return failure::DeviceUnavailable;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return failure::BadFileName;
    case ENOMEM:
        return failure::OutOfMemory;
    default:
        return failure::InternalError;
    }
}

int failureNumber(int error)
{
    return failureNumber(error, false, true);
}

} // namespace

int NativeFile::openHandle(const QString &path, Purpose purpose, qintptr &handle)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.contains('\0'))
        return failure::BadFileName;
    const bool reading = purpose == Purpose::Reading;
    const int flags = (reading ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC) | O_CLOEXEC;
    int fd;
    do {
        fd = ::open(name.constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        return failureNumber(error, reading, error == ENOENT && folderOfPathExists(path));
    }
    // Linux opens a folder for reading without complaint; the run needs a file.
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return failure::PathFileAccessError;
    }
    handle = fd;
    return failure::None;
}

int NativeFile::failureOfSystemError(int systemError)
{
    return failureNumber(systemError);
}

bool NativeFile::sameFile(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    struct stat a;
    struct stat b;
    if (::stat(QFile::encodeName(first).constData(), &a) != 0 ||
        ::stat(QFile::encodeName(second).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int NativeFile::read(char *into, qsizetype max, qsizetype &got)
{
    got = 0;
    ssize_t count;
    do {
        count = ::read(int(m_handle), into, size_t(max));
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        return failureNumber(errno);
    got = count;
    return failure::None;
}

int NativeFile::write(const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t count = ::write(int(m_handle), data, size_t(size));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return failureNumber(errno);
        }
        data += count;
        size -= count;
    }
    return failure::None;
}

int NativeFile::close()
{
    if (!m_open)
        return failure::None;
    m_open = false;
    // No retry on EINTR: the descriptor is released either way on Linux.
    if (::close(int(m_handle)) != 0 && errno != EINTR)
        return failureNumber(errno);
    return failure::None;
}

} // namespace parolex
