#include "io/NativeFile.h"

#include "failure/FailureNumbers.h"

#include <QDir>
#include <QFileInfo>
#include <windows.h>

namespace parolex {

namespace {

// The whole mapping from GetLastError() to the run's failure numbers (table in FailureNumbers.h).
int failureNumber(DWORD error, bool reading, bool folderExists)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return reading && folderExists ? failure::FileNotFound : failure::PathNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return failure::PathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_CANT_RESOLVE_FILENAME:
        return failure::PathFileAccessError;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return failure::PermissionDenied;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
        return failure::DeviceIoError;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        return failure::DiskFull;
    case ERROR_TOO_MANY_OPEN_FILES:
        return failure::TooManyFiles;
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
        return failure::DeviceUnavailable;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_PATHNAME:
        return failure::BadFileName;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return failure::OutOfMemory;
    default:
        return failure::InternalError;
    }
}

int failureNumber(DWORD error)
{
    return failureNumber(error, false, true);
}

} // namespace

int NativeFile::openHandle(const QString &path, Purpose purpose, qintptr &handle)
{
    if (QFileInfo(path).isDir())
        return failure::PathFileAccessError;
    const bool reading = purpose == Purpose::Reading;
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE opened =
        CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), reading ? GENERIC_READ : GENERIC_WRITE,
                    reading ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ, nullptr,
                    reading ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return failureNumber(error, reading, error == ERROR_FILE_NOT_FOUND && folderOfPathExists(path));
    }
    handle = reinterpret_cast<qintptr>(opened);
    return failure::None;
}

int NativeFile::failureOfSystemError(int systemError)
{
    return failureNumber(DWORD(systemError));
}

bool NativeFile::sameFile(const QString &first, const QString &second)
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

int NativeFile::read(char *into, qsizetype max, qsizetype &got)
{
    got = 0;
    DWORD count = 0;
    const DWORD wanted = DWORD(qMin<qsizetype>(max, 1 << 30));
    if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), into, wanted, &count, nullptr))
        return failureNumber(GetLastError());
    got = count;
    return failure::None;
}

int NativeFile::write(const char *data, qsizetype size)
{
    while (size > 0) {
        DWORD count = 0;
        const DWORD wanted = DWORD(qMin<qsizetype>(size, 1 << 30));
        if (!WriteFile(reinterpret_cast<HANDLE>(m_handle), data, wanted, &count, nullptr))
            return failureNumber(GetLastError());
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
    if (!CloseHandle(reinterpret_cast<HANDLE>(m_handle)))
        return failureNumber(GetLastError());
    return failure::None;
}

} // namespace parolex
