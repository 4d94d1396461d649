#include "text/OutputFileWriter.h"

#include "text/Cp936.h"

namespace parolex {

OutputFileWriter::OutputFileWriter(std::unique_ptr<ByteSink> file) : m_file(std::move(file))
{
    m_buffer.resize(bufferSize);
}

OutputFileWriter::~OutputFileWriter()
{
    // Whoever cared about a failure closed the file already; here it is only released.
    (void)close();
}

Failure OutputFileWriter::writeLine(QStringView text)
{
    QByteArray encoded;
    bool ascii = true;
    for (const QChar c : text)
        ascii &= c.unicode() < 0x80;
    if (!ascii)
        encoded = Cp936::encode(text);
    const qsizetype size = ascii ? text.size() : encoded.size();
    if (m_used + size + 2 > bufferSize) {
        if (const Failure failure = flush())
            return failure;
    }
    if (size + 2 > bufferSize) {
        // Longer than the whole buffer: straight to the file.
        encoded = ascii ? text.toLatin1() : encoded;
        encoded.append("\r\n", 2);
        return writeWhole(encoded);
    }
    char *out = m_buffer.data() + m_used;
    if (ascii) {
        for (qsizetype i = 0; i < size; ++i)
            out[i] = char(text[i].unicode());
    } else {
        std::copy(encoded.cbegin(), encoded.cend(), out);
    }
    out[size] = '\r';
    out[size + 1] = '\n';
    m_used += size + 2;
    return Failure::None;
}

void OutputFileWriter::setRowAlphabet(const CharacterPool &alphabet)
{
    m_rows.prepare(alphabet, &Cp936::encode);
}

Failure OutputFileWriter::flush()
{
    if (m_used == 0 || m_closed)
        return Failure::None;
    const qsizetype used = m_used;
    // Dropped whether or not it reaches the file: after a failure the run ends.
    m_used = 0;
    return writeWhole(QByteArrayView(m_buffer.constData(), used));
}

Failure OutputFileWriter::writeWhole(QByteArrayView bytes)
{
    const qint64 before = m_file->written();
    const Failure failure = m_file->write(bytes);
    if (!failure)
        return Failure::None;
    // Whatever reached the file before the failure is whole lines up to its last LF.
    const qsizetype arrived = qsizetype(m_file->written() - before);
    const qsizetype wholeLines =
        bytes.first(qBound<qsizetype>(0, arrived, bytes.size())).lastIndexOf('\n') + 1;
    // The write's own failure is what the user is told; a file that cannot even be cut
    // back has nothing better to say.
    (void)m_file->cutBackTo(before + wholeLines);
    return failure;
}

Failure OutputFileWriter::close()
{
    if (m_closed)
        return Failure::None;
    const Failure flushed = flush();
    m_closed = true;
    return flushed.orElse(m_file->close());
}

} // namespace parolex
