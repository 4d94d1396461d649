#include "io/SystemFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <windows.h>

namespace parolex {

namespace {

// The whole mapping from GetLastError() to the run's failure numbers (table in failure/Failure.h).
Failure failureOf(DWORD error, bool reading = false, bool folderExists = true)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return reading && folderExists ? Failure::FileNotFound : Failure::PathNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return Failure::PathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_CANT_RESOLVE_FILENAME:
        return Failure::PathFileAccessError;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Failure::PermissionDenied;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
        return Failure::DeviceIoError;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        return Failure::DiskFull;
    case ERROR_TOO_MANY_OPEN_FILES:
        return Failure::TooManyFiles;
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
        return Failure::DeviceUnavailable;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_PATHNAME:
        return Failure::BadFileName;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return Failure::OutOfMemory;
    default:
        return Failure::InternalError;
    }
}

constexpr qsizetype largestCall = 1 << 30;

} // namespace

Result<qintptr> SystemFile::openHandle(const QString &path, Purpose purpose)
{
    if (QFileInfo(path).isDir())
        return Failure::PathFileAccessError;
    const bool reading = purpose == Purpose::Reading;
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE opened =
        // Sharing reading only: a writer is refused while the file is read, and anyone but
        // readers while it is written (a sharing violation, failure 70). An existing file
        // is emptied only once the share check has let this handle in.
        CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), reading ? GENERIC_READ : GENERIC_WRITE,
                    FILE_SHARE_READ, nullptr, reading ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                    nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return failureOf(error, reading, error == ERROR_FILE_NOT_FOUND && folderOfPathExists(path));
    }
    return reinterpret_cast<qintptr>(opened);
}

std::unique_ptr<SystemFile> SystemFile::standard(Standard stream)
{
    // Raw handles keep the bytes of Key files and output untouched (no text-mode CR LF
    // translation).
    const DWORD which = stream == Standard::Input    ? STD_INPUT_HANDLE
                        : stream == Standard::Output ? STD_OUTPUT_HANDLE
                                                     : STD_ERROR_HANDLE;
    return std::unique_ptr<SystemFile>(new SystemFile(reinterpret_cast<qintptr>(GetStdHandle(which)), false));
}

void SystemFile::ignoreBrokenPipeSignal()
{
    // There is no SIGPIPE: a closed pipe shows as a failed write (ERROR_NO_DATA).
}

bool SystemFile::isTerminal() const
{
    return GetFileType(reinterpret_cast<HANDLE>(m_handle)) == FILE_TYPE_CHAR;
}

bool SystemFile::sameFile(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    auto identify = [](const QString &path, BY_HANDLE_FILE_INFORMATION &info) {
        const QString native = QDir::toNativeSeparators(path);
        HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        const bool ok = GetFileInformationByHandle(handle, &info) != 0;
        CloseHandle(handle);
        return ok;
    };
    BY_HANDLE_FILE_INFORMATION a;
    BY_HANDLE_FILE_INFORMATION b;
    return identify(first, a) && identify(second, b) && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

Result<qsizetype> SystemFile::read(char *into, qsizetype max)
{
    DWORD count = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), into, DWORD(std::min(max, largestCall)), &count,
                  nullptr)) {
        const DWORD error = GetLastError();
        // The writing end of a pipe went away: that is the end of the input.
        if (error == ERROR_BROKEN_PIPE)
            return qsizetype(0);
        return failureOf(error);
    }
    return qsizetype(count);
}

namespace {

/// A console shows text, not bytes: the terminal's bytes (the ANSI code page, 936 on a
/// Simplified-Chinese system) are handed to it as UTF-16, which it shows whatever code page
/// it was set to. Returns false for a handle that is no console.
bool writeToConsole(HANDLE handle, QByteArrayView bytes, Failure &failure)
{
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode))
        return false;
    const QString text = QString::fromLocal8Bit(bytes);
    const auto *units = reinterpret_cast<const wchar_t *>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        DWORD count = 0;
        if (!WriteConsoleW(handle, units, DWORD(std::min<qsizetype>(left, 16384)), &count, nullptr) ||
            count == 0) {
            failure = failureOf(GetLastError());
            return true;
        }
        units += count;
        left -= count;
    }
    failure = Failure::None;
    return true;
}

} // namespace

Failure SystemFile::write(QByteArrayView bytes)
{
    if (!m_owned) {
        Failure failure;
        if (writeToConsole(reinterpret_cast<HANDLE>(m_handle), bytes, failure)) {
            if (!failure)
                m_written += bytes.size();
            return failure;
        }
    }
    const char *data = bytes.data();
    qsizetype size = bytes.size();
    while (size > 0) {
        DWORD count = 0;
        if (!WriteFile(reinterpret_cast<HANDLE>(m_handle), data, DWORD(std::min(size, largestCall)), &count,
                       nullptr)) {
            const DWORD error = GetLastError();
            m_readerGone = error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE;
            return failureOf(error);
        }
        data += count;
        size -= count;
        m_written += count;
    }
    return Failure::None;
}

Failure SystemFile::cutBackTo(qint64 size)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(m_handle);
    // Pipes and consoles keep what they took; so does a standard stream, which may have been
    // a file with content of its own (>> file) before this program wrote to it.
    if (!m_owned || GetFileType(handle) != FILE_TYPE_DISK)
        return Failure::None;
    LARGE_INTEGER position;
    position.QuadPart = size;
    if (!SetFilePointerEx(handle, position, nullptr, FILE_BEGIN) || !SetEndOfFile(handle))
        return failureOf(GetLastError());
    m_written = size;
    return Failure::None;
}

Failure SystemFile::closeHandle()
{
    if (!CloseHandle(reinterpret_cast<HANDLE>(m_handle)))
        return failureOf(GetLastError());
    return Failure::None;
}

} // namespace parolex
