#pragma once

#include "io/ByteSink.h"
#include "io/ByteSource.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace parolex {

/// A file or standard stream of the operating system, with its failures turned into the
/// run's numbers. Every system call of the file layer and the terminal's streams, and the
/// table from system errors to failure numbers, live in one file per system
/// (SystemFilePosix.cpp, SystemFileWindows.cpp); this header and SystemFile.cpp are the
/// same everywhere.
class SystemFile : public ByteSource, public ByteSink
{
public:
    enum class Standard
    {
        Input,
        Output,
        Error
    };

    ~SystemFile() override;
    SystemFile(const SystemFile &) = delete;
    SystemFile &operator=(const SystemFile &) = delete;

    /// Opens @p path and keeps others from writing it while it is open: a writer that comes
    /// later, or one already there, is failure 70 (file in use).
    static Result<std::unique_ptr<SystemFile>> openForReading(const QString &path);
    /// Creates @p path (readable by its owner only) or empties it (its permissions stay),
    /// and keeps it to itself while it is open: a second writer or a reader is failure 70,
    /// found before anything is emptied, so two runs on one file never mix their lines.
    static Result<std::unique_ptr<SystemFile>> createForWriting(const QString &path);
    /// A standard stream, read or written where it stands; closing leaves it open.
    static std::unique_ptr<SystemFile> standard(Standard stream);
    /// Whether both paths name one existing file (same device and file number).
    static bool sameFile(const QString &first, const QString &second);
    /// Whether the standard stream @p stream is the file @p path itself, as the shell
    /// opened it (`< keys.txt`, `>> out.txt`): the open file's own identity, compared with
    /// the path's; a pipe or a terminal is no file.
    static bool standardIsFile(Standard stream, const QString &path);
    /// The system's own words for its error @p code (Failure::systemCause()): the code and
    /// the system's text of it, for the terminal.
    static QString systemCauseText(std::int64_t code);
    /// A reader that closes the pipe early must not end the program with a signal: the
    /// failed write is noticed, and the program ends on its own terms.
    static void ignoreBrokenPipeSignal();

    /// Whether this is a terminal (on Windows: a console) that a person reads or types at.
    bool isTerminal() const;
    /// Lets the terminal act on escape sequences (erase to the end of the line); false when
    /// it cannot (an old Windows console), and the caller then writes plain text.
    bool enableEscapeSequences();
    /// Whether the last write failed because the reading end of a pipe has gone.
    bool readerHasGone() const { return m_readerGone; }

    Result<qsizetype> read(char *into, qsizetype max) override;
    Failure write(QByteArrayView bytes) override;
    qint64 written() const override { return m_written; }
    Failure cutBackTo(qint64 size) override;
    Failure close() override;

private:
    enum class Purpose
    {
        Reading,
        Writing
    };

    SystemFile(qintptr handle, bool owned) : m_handle(handle), m_owned(owned) {}
    static Result<std::unique_ptr<SystemFile>> open(const QString &path, Purpose purpose);
    /// The system's part of opening.
    static Result<qintptr> openHandle(const QString &path, Purpose purpose);
    static bool folderOfPathExists(const QString &path);
    Failure closeHandle();

    qintptr m_handle;
    bool m_owned;
    bool m_open = true;
    bool m_readerGone = false;
    qint64 m_written = 0;
};

} // namespace parolex
