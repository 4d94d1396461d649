#pragma once

#include "io/ByteSink.h"
#include "run/CharacterPool.h"
#include "text/RowEncoder.h"

#include <QByteArray>
#include <memory>

namespace parolex {

/// The output file of a run: lines in code page 936 ending in CR LF, gathered in a buffer
/// of about 1 MiB and handed to the file a piece at a time. The file stays open for the
/// whole run instead of being opened for every line, which would cost minutes for the
/// largest runs; whatever was written before a failure is in the file all the same,
/// because the buffer is written out before every message and on every way out. After a
/// write that fails (a full disk) the file is cut back to its last whole line, so that it
/// never ends in a cut-off line that looks like a shorter password.
class OutputFileWriter
{
public:
    explicit OutputFileWriter(std::unique_ptr<ByteSink> file);
    ~OutputFileWriter();

    /// Buffers @p text as one line; a full buffer is written out first.
    Failure writeLine(QStringView text);

    /// Prepares writeRow() for rows of indices into @p alphabet, whose characters must all
    /// have a code in code page 936.
    void setRowAlphabet(const CharacterPool &alphabet);
    /// Buffers one password row (alphabet indices) as one line.
    Failure writeRow(const quint8 *row, int width)
    {
        if (m_used + m_rows.longestRow(width) + 2 > bufferSize) {
            if (const Failure failure = flush())
                return failure;
        }
        char *out = m_rows.encode(row, width, m_buffer.data() + m_used);
        *out++ = '\r';
        *out++ = '\n';
        m_used = out - m_buffer.data();
        return Failure::None;
    }

    /// Hands the buffered lines to the file.
    Failure flush();
    /// Flushes and closes the file; the first failure is returned.
    Failure close();

    static constexpr qsizetype bufferSize = 1024 * 1024;

private:
    /// Writes @p bytes, whole lines, to the file.
    Failure writeWhole(QByteArrayView bytes);

    std::unique_ptr<ByteSink> m_file;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    bool m_closed = false;
    RowEncoder m_rows;
};

} // namespace parolex
