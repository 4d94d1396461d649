#pragma once

#include "io/ByteSource.h"
#include "io/FileOpenResult.h"

#include <QString>

namespace parolex {

/// A file of the operating system, with its failures turned into the run's numbers.
/// The only place that knows the system's calls and error codes (NativeFilePosix.cpp,
/// NativeFileWindows.cpp).
class NativeFile : public ByteSource
{
public:
    ~NativeFile() override;
    NativeFile(const NativeFile &) = delete;
    NativeFile &operator=(const NativeFile &) = delete;

    static FileOpenResult<NativeFile> openForReading(const QString &path);
    /// Creates @p path or empties it.
    static FileOpenResult<NativeFile> createForWriting(const QString &path);
    /// Whether both paths name one existing file (same device and file number).
    static bool sameFile(const QString &first, const QString &second);
    /// The run's failure number for @p systemError (errno, or GetLastError() on Windows)
    /// met while reading or writing a stream the program did not open itself, such as
    /// standard output.
    static int failureOfSystemError(int systemError);

    int read(char *into, qsizetype max, qsizetype &got) override;
    /// Writes all of @p size bytes or fails.
    int write(const char *data, qsizetype size);
    int close() override;

private:
    enum class Purpose
    {
        Reading,
        Writing
    };

    explicit NativeFile(qintptr handle) : m_handle(handle) {}
    static FileOpenResult<NativeFile> open(const QString &path, Purpose purpose);
    /// The system's part of opening: 0 and @p handle, or the failure number.
    static int openHandle(const QString &path, Purpose purpose, qintptr &handle);
    static bool folderOfPathExists(const QString &path);

    qintptr m_handle;
    bool m_open = true;
};

} // namespace parolex
