#pragma once

#include <cstdint>

namespace parolex {

/// A failure of a run, carried as its number, or none. Every function that can fail returns
/// one (or a Result that holds one); the build turns a dropped failure into an error.
///
/// The report has texts of its own for Overflow, FileNotFound, DeviceIoError,
/// PermissionDenied, PathFileAccessError and CodePageMissing; every other number reaches the generic text with
/// the number in it, so each keeps a meaning of its own here.
///
/// How the operating system's failures map onto these numbers lives in one place per
/// system (io/SystemFilePosix.cpp, io/SystemFileWindows.cpp):
///   file to read does not exist ................................ 53
///   folder of the path does not exist, or a part is a file ..... 76
///   device input/output error .................................. 57
///   file in use: busy, running program, locked region .......... 70
///   access refused: permissions, read-only file or file system,
///   path names a folder, empty path, link loop ................. 75
///   disk or quota full, file too large ......................... 61
///   too many open files ........................................ 67
///   device not there (no such device or address) ............... 68
///   file name invalid or too long .............................. 52
///   memory exhausted ........................................... 7
///   reading on after the last line of a file ................... 62
///   code page 936 cannot be converted here ..................... 936
///   anything the system reports that is not listed above ....... 51
/// A failure the system reported also keeps the system's own code (errno, GetLastError()),
/// so that the terminal can name the cause and a failure 51 can be told apart and reported.
class [[nodiscard]] Failure
{
public:
    enum Number : int
    {
        None = 0,
        Overflow = 6,
        OutOfMemory = 7,
        TypeMismatch = 13,
        InternalError = 51,
        BadFileName = 52,
        FileNotFound = 53,
        DeviceIoError = 57,
        DiskFull = 61,
        InputPastEnd = 62,
        TooManyFiles = 67,
        DeviceUnavailable = 68,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
        CodePageMissing = 936
    };

    constexpr Failure(Number number = None) : m_number(number) {}

    /// This failure, caused by the system's error @p code.
    constexpr Failure withSystemCause(std::int64_t code) const
    {
        Failure caused = *this;
        caused.m_systemCause = code;
        return caused;
    }
    /// The system's error code behind this failure, or 0 when the program itself found it.
    constexpr std::int64_t systemCause() const { return m_systemCause; }

    /// True when something failed.
    constexpr explicit operator bool() const { return m_number != None; }
    constexpr int number() const { return m_number; }

    /// This failure, or @p later when there is none: where several steps run to the end
    /// anyway (closing every file), the first failure is the one the user is told.
    constexpr Failure orElse(Failure later) const { return *this ? *this : later; }

    /// One failure is another of the same number, whatever the system said of its cause.
    friend constexpr bool operator==(Failure a, Failure b) { return a.m_number == b.m_number; }

private:
    Number m_number;
    std::int64_t m_systemCause = 0;
};

} // namespace parolex
