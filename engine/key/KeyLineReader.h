#pragma once

#include "io/ByteSource.h"

#include <QByteArray>
#include <QStringDecoder>
#include <memory>

namespace parolex {

/// Splits the bytes of a Key file into lines and decodes them from code page 936.
/// A line ends at CR, and an LF right after that CR belongs to the ending; an LF anywhere
/// else is part of the line. Lines are split on the bytes, before decoding, as a byte-wise
/// reader of the code page does; a CR can never be the second byte of a double-byte
/// character, so no character is cut.
class KeyLineReader
{
public:
    explicit KeyLineReader(std::unique_ptr<ByteSource> source);
    ~KeyLineReader();

    /// True when no further line follows. A failure found while looking ahead is kept for
    /// the next readLine(), so atEnd() then answers false.
    bool atEnd();
    /// Reads the next line into @p line (without its ending).
    Failure readLine(QString &line);
    Failure close();

    /// A line longer than this many bytes keeps only its first bytes: it has at least
    /// 65,536 characters then (a character takes at most four bytes), which no Key
    /// derivation accepts, so the rest could only cost memory.
    static constexpr qsizetype maxLineBytes = 256 * 1024;

private:
    /// Makes bytes available unless the file has ended or failed.
    void ensureData();
    void skipLineFeedAfterCarriageReturn();
    void decodeLine(QString &line);

    std::unique_ptr<ByteSource> m_source;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    bool m_sourceDone = false;
    bool m_closed = false;
    Failure m_pendingError;
    bool m_afterCarriageReturn = false;
    QByteArray m_line;
    QStringDecoder m_decoder;
};

} // namespace parolex
