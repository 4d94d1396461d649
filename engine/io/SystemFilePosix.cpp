#include "io/SystemFile.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parolex {

namespace {

// The whole mapping from errno to the run's failure numbers (table in failure/Failure.h).
Failure failureNumberOf(int error, bool reading, bool folderExists)
{
    switch (error) {
    case ENOENT:
        // Reading: the file is missing, unless its folder is missing too.
        return reading && folderExists ? Failure::FileNotFound : Failure::PathNotFound;
    case ENOTDIR:
        return Failure::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ELOOP:
        return Failure::PathFileAccessError;
    case ETXTBSY:
    case EBUSY:
    case EWOULDBLOCK: // another process holds the file's lock
        return Failure::PermissionDenied;
    case EIO:
        return Failure::DeviceIoError;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Failure::DiskFull;
    case EMFILE:
    case ENFILE:
        return Failure::TooManyFiles;
    case ENXIO:
    case ENODEV:
        return Failure::DeviceUnavailable;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return Failure::BadFileName;
    case ENOMEM:
        return Failure::OutOfMemory;
    default:
        return Failure::InternalError;
    }
}

/// ext4 takes a file emptied by truncation for one being replaced without fsync (its
/// auto_da_alloc): the next close of the file then starts writeback of every block written
/// since, and waits while it allocates them, 0.15-0.25 s for the largest run's 470 MB, at
/// the very end of the run, on the user-interface thread. The same request is spent by the
/// close of any other open description of the file, so closing one now, while the file
/// holds nothing, costs nothing and leaves the run's own close as quick as that of a new
/// file. The data is written back later as for any other file; other file systems ignore
/// the extra open. Emptying a file that is already empty (a new one) sets no such request,
/// which is why only a file that holds something is emptied at all.
void forgetReplacementFlush(int fd)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    const int other = ::open(self.constData(), O_WRONLY | O_CLOEXEC);
    if (other >= 0)
        ::close(other);
}

Failure failureOf(int error, bool reading = false, bool folderExists = true)
{
    return failureNumberOf(error, reading, folderExists).withSystemCause(error);
}

} // namespace

Result<qintptr> SystemFile::openHandle(const QString &path, Purpose purpose)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.contains('\0'))
        return Failure::BadFileName;
    const bool reading = purpose == Purpose::Reading;
    // Not emptied on opening: only once the lock is ours, or a second run would empty the
    // file of the first.
    const int flags = (reading ? O_RDONLY : O_WRONLY | O_CREAT) | O_CLOEXEC;
    int fd;
    do {
        fd = ::open(name.constData(), flags, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        return failureOf(error, reading, error == ENOENT && folderOfPathExists(path));
    }
    const auto fail = [fd](Failure failure) {
        ::close(fd);
        return failure;
    };
    // Linux opens a folder for reading without complaint; the run needs a file.
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        return fail(Failure::PathFileAccessError);
    // Devices and pipes (/dev/null, /dev/full, a FIFO) are shared by every process of the
    // system and cannot be emptied: only files are locked and emptied.
    if (S_ISREG(info.st_mode)) {
        int locked;
        do {
            locked = ::flock(fd, (reading ? LOCK_SH : LOCK_EX) | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        // A file system without locks (some network shares) still serves the run.
        if (locked != 0 && errno != ENOLCK && errno != EOPNOTSUPP)
            return fail(failureOf(errno));
        if (!reading && info.st_size > 0) {
            if (::ftruncate(fd, 0) != 0)
                return fail(failureOf(errno));
            forgetReplacementFlush(fd);
        }
    }
    return qintptr(fd);
}

std::unique_ptr<SystemFile> SystemFile::standard(Standard stream)
{
    return std::unique_ptr<SystemFile>(new SystemFile(qintptr(stream), false));
}

void SystemFile::ignoreBrokenPipeSignal()
{
    std::signal(SIGPIPE, SIG_IGN);
}

bool SystemFile::isTerminal() const
{
    return ::isatty(int(m_handle)) == 1;
}

bool SystemFile::enableEscapeSequences()
{
    return isTerminal();
}

bool SystemFile::sameFile(const QString &first, const QString &second)
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

QString SystemFile::systemCauseText(std::int64_t code)
{
    return QCoreApplication::translate("SystemFile", "errno %1，%2")
        .arg(code)
        .arg(QString::fromLocal8Bit(::strerror(int(code))));
}

bool SystemFile::standardIsFile(Standard stream, const QString &path)
{
    if (path.isEmpty())
        return false;
    const int fd = stream == Standard::Input ? STDIN_FILENO : stream == Standard::Output ? STDOUT_FILENO : STDERR_FILENO;
    struct stat open;
    struct stat named;
    if (::fstat(fd, &open) != 0 || ::stat(QFile::encodeName(path).constData(), &named) != 0)
        return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

Result<qsizetype> SystemFile::read(char *into, qsizetype max)
{
    ssize_t count;
    do {
        count = ::read(int(m_handle), into, size_t(max));
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        return failureOf(errno);
    return qsizetype(count);
}

Failure SystemFile::write(QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype size = bytes.size();
    while (size > 0) {
        const ssize_t count = ::write(int(m_handle), data, size_t(size));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            m_readerGone = errno == EPIPE;
            return failureOf(errno);
        }
        data += count;
        size -= count;
        m_written += count;
    }
    return Failure::None;
}

Failure SystemFile::cutBackTo(qint64 size)
{
    // Pipes and devices keep what they took; so does a standard stream, which may have been
    // a file with content of its own (>> file) before this program wrote to it.
    struct stat info;
    if (!m_owned || ::fstat(int(m_handle), &info) != 0 || !S_ISREG(info.st_mode))
        return Failure::None;
    if (::ftruncate(int(m_handle), off_t(size)) != 0 || ::lseek(int(m_handle), off_t(size), SEEK_SET) < 0)
        return failureOf(errno);
    m_written = size;
    return Failure::None;
}

Failure SystemFile::closeHandle()
{
    // No retry on EINTR: the descriptor is released either way on Linux.
    if (::close(int(m_handle)) != 0 && errno != EINTR)
        return failureOf(errno);
    return Failure::None;
}

} // namespace parolex
