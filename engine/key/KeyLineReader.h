#pragma once

#include "io/ByteSource.h"
#include "key/LineSplitter.h"

#include <QByteArray>
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

    /// True when no further line follows. A failure found while looking ahead is kept for
    /// the next readLine(), so atEnd() then answers false.
    bool atEnd();
    /// Reads the next line into @p line (without its ending).
    Failure readLine(QString &line);
    Failure close();

    /// A line of this many bytes or more is Overflow (LineSplitter).
    static constexpr qsizetype maxLineBytes = LineSplitter::maxLineBytes;

private:
    void decodeLine(QString &line);

    LineSplitter m_lines;
    QByteArray m_line;
};

} // namespace parolex
