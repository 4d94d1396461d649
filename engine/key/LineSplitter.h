#pragma once

#include "io/ByteSource.h"
#include "key/DeriveKeyPassword.h"

#include <QByteArray>
#include <memory>

namespace parolex {

/// Splits the bytes of a source into lines, before any decoding, for the readers of Keys:
/// the desktop's Key files (KeyLineReader) and the terminal's Unix text lines. The line
/// endings of both never occur inside a character of their encodings, so no character is cut.
class LineSplitter
{
public:
    enum class Endings
    {
        /// A line ends at CR, and an LF right after that CR belongs to the ending; an LF
        /// anywhere else is part of the line (the desktop's Key files).
        CarriageReturn,
        /// A line ends at LF, and a CR right before that LF belongs to the ending; a CR
        /// anywhere else is part of the line (Unix text, also when written on Windows).
        LineFeed
    };

    LineSplitter(std::unique_ptr<ByteSource> source, Endings endings);
    ~LineSplitter();

    /// True when no further line follows (a last line needs no ending). A failure found
    /// while looking ahead is kept for the next readLine(), so atEnd() then answers false.
    bool atEnd();
    /// Reads the bytes of the next line into @p line, without its ending: InputPastEnd after
    /// the last line, BadFileName once closed, Overflow for a line of maxLineBytes or more.
    Failure readLine(QByteArray &line);
    Failure close();

    /// A line of this many bytes or more ends the reading with Overflow (6) as soon as it is
    /// seen, without waiting for its end: a decoder makes at least one UTF-16 unit of every
    /// four bytes, so such a line holds more characters than any Key the derivation takes,
    /// and a source without line endings (/dev/zero) would otherwise be read forever.
    static constexpr qsizetype maxLineBytes = 4 * (longestKey + 1);

private:
    /// Makes bytes available unless the source has ended or failed.
    void ensureData();
    void skipLineFeedAfterCarriageReturn();

    std::unique_ptr<ByteSource> m_source;
    char m_ending;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    bool m_sourceDone = false;
    bool m_closed = false;
    Failure m_pendingError;
    bool m_afterCarriageReturn = false;
};

} // namespace parolex
