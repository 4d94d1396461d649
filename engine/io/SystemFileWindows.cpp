#include "io/SystemFile.h"

#include "text/CodePoints.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <string>
#include <windows.h>

namespace parolex {

namespace {

// The whole mapping from GetLastError() to the run's failure numbers (table in failure/Failure.h).
Failure failureNumberOf(DWORD error, bool reading, bool folderExists)
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

Failure failureOf(DWORD error, bool reading = false, bool folderExists = true)
{
    return failureNumberOf(error, reading, folderExists).withSystemCause(std::int64_t(error));
}

constexpr qsizetype largestCall = 1 << 30;

/// @p path as the system's functions take it. A path of MAX_PATH characters or more is
/// refused by them unless it is absolute, normalised and starts with \\?\ (\\?\UNC\ for a
/// network share), which switches their parsing off; shorter paths keep the usual parsing
/// (relative parts, device names such as NUL), so only long ones get it.
std::wstring systemPath(const QString &path)
{
    QString native = QDir::toNativeSeparators(path);
    // CreateDirectory's limit is 12 characters below MAX_PATH, and a file's name is added to
    // its folder's: the margin keeps every call on the same side.
    if (native.size() >= MAX_PATH - 12 && !native.startsWith(QStringLiteral("\\\\?\\"))) {
        native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
        if (native.startsWith(QStringLiteral("\\\\")))
            native = QStringLiteral("\\\\?\\UNC\\") + native.mid(2);
        else
            native = QStringLiteral("\\\\?\\") + native;
    }
    return native.toStdWString();
}

/// The volume and file index that tell one file from every other: its identity, whatever
/// path or handle it is reached by.
struct FileIdentity
{
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

std::optional<FileIdentity> identityOf(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info;
    // A pipe or a console has none: GetFileInformationByHandle fails on them.
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(handle, &info))
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

std::optional<FileIdentity> identityOf(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const std::wstring native = systemPath(path);
    HANDLE handle = CreateFileW(native.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<FileIdentity> identity = identityOf(handle);
    CloseHandle(handle);
    return identity;
}

DWORD standardHandleOf(SystemFile::Standard stream)
{
    return stream == SystemFile::Standard::Input    ? STD_INPUT_HANDLE
           : stream == SystemFile::Standard::Output ? STD_OUTPUT_HANDLE
                                                    : STD_ERROR_HANDLE;
}

} // namespace

Result<qintptr> SystemFile::openHandle(const QString &path, Purpose purpose)
{
    if (QFileInfo(path).isDir())
        return Failure::PathFileAccessError;
    const bool reading = purpose == Purpose::Reading;
    const std::wstring native = systemPath(path);
    const HANDLE opened =
        // Sharing reading only: a writer is refused while the file is read, and anyone but
        // readers while it is written (a sharing violation, failure 70). An existing file
        // is emptied only once the share check has let this handle in.
        CreateFileW(native.c_str(), reading ? GENERIC_READ : GENERIC_WRITE,
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
    return std::unique_ptr<SystemFile>(
        new SystemFile(reinterpret_cast<qintptr>(GetStdHandle(standardHandleOf(stream))), false));
}

void SystemFile::ignoreBrokenPipeSignal()
{
    // There is no SIGPIPE: a closed pipe shows as a failed write (ERROR_NO_DATA).
}

bool SystemFile::isTerminal() const
{
    // Only a console has a console mode; NUL and the other character devices are files.
    DWORD mode = 0;
    return GetConsoleMode(reinterpret_cast<HANDLE>(m_handle), &mode) != 0;
}

bool SystemFile::enableEscapeSequences()
{
    const HANDLE handle = reinterpret_cast<HANDLE>(m_handle);
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode))
        return false;
    // Consoles before Windows 10 know no escape sequences and refuse the mode.
    return (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
           SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

bool SystemFile::sameFile(const QString &first, const QString &second)
{
    const std::optional<FileIdentity> a = identityOf(first);
    return a && a == identityOf(second);
}

bool SystemFile::standardIsFile(Standard stream, const QString &path)
{
    const std::optional<FileIdentity> open = identityOf(GetStdHandle(standardHandleOf(stream)));
    return open && open == identityOf(path);
}

namespace {

constexpr char16_t endOfConsoleInput = 0x1a; // Ctrl+Z, then Enter

/// What a user types at a console, in the bytes a file of Keys holds: the ANSI code page
/// (936 on a Simplified-Chinese system). ReadFile would hand over the console's input code
/// page instead, which need not be that one; ReadConsoleW gives the characters themselves.
/// Returns nothing for a handle that is no console.
std::optional<Result<qsizetype>> readFromConsole(HANDLE handle, char *into, qsizetype max)
{
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode))
        return std::nullopt;
    // A character takes at most two bytes in the code page; a pair of surrogates, one ('?').
    std::wstring units(size_t(std::clamp<qsizetype>(max / 2, 1, 16384)), L'\0');
    DWORD count = 0;
    if (!ReadConsoleW(handle, units.data(), DWORD(units.size()), &count, nullptr))
        return Result<qsizetype>(failureOf(GetLastError()));
    // Never a pair cut in two: the low half is read on its own when the buffer ends
    // between them.
    if (count > 0 && QChar::isHighSurrogate(char16_t(units[count - 1]))) {
        wchar_t low = 0;
        DWORD more = 0;
        if (ReadConsoleW(handle, &low, 1, &more, nullptr) && more == 1) {
            units.resize(count);
            units.push_back(low);
            count = DWORD(units.size());
        }
    }
    units.resize(count);
    const size_t end = units.find(wchar_t(endOfConsoleInput));
    if (end != std::wstring::npos)
        units.resize(end);
    if (units.empty())
        return Result<qsizetype>(qsizetype(0));
    // As the Key derivation converts an argument: no best fit (a character the code page
    // lacks is '?', never a look-alike) and one '?' for a character beyond U+FFFF.
    const QString typed = withPairsAsQuestionMarks(QStringView(reinterpret_cast<const char16_t *>(units.data()),
                                                               qsizetype(units.size())));
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(typed.utf16()),
                                          int(typed.size()), into, int(max), "?", nullptr);
    if (bytes <= 0)
        return Result<qsizetype>(failureOf(GetLastError()));
    return Result<qsizetype>(qsizetype(bytes));
}

} // namespace

Result<qsizetype> SystemFile::read(char *into, qsizetype max)
{
    if (!m_owned) {
        if (std::optional<Result<qsizetype>> typed = readFromConsole(reinterpret_cast<HANDLE>(m_handle), into, max))
            return *typed;
    }
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
        qsizetype piece = std::min<qsizetype>(left, 16384);
        if (piece < left && QChar::isHighSurrogate(units[piece - 1]))
            --piece;
        if (!WriteConsoleW(handle, units, DWORD(piece), &count, nullptr) ||
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

QString SystemFile::systemCauseText(std::int64_t code)
{
    wchar_t *text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, DWORD(code), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString reason = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed() : QString();
    LocalFree(text);
    // The system's sentences end in a full stop of their own; the clause this goes into has one.
    while (reason.endsWith(u'.') || reason.endsWith(u'。'))
        reason.chop(1);
    if (reason.isEmpty())
        return QCoreApplication::translate("SystemFile", "Windows 错误 %1").arg(code);
    return QCoreApplication::translate("SystemFile", "Windows 错误 %1，%2").arg(code).arg(reason);
}

} // namespace parolex
