#include "key/KeyLineReader.h"

#include <cstring>

namespace parolex {

namespace {
constexpr qsizetype readSize = 256 * 1024;
}

KeyLineReader::KeyLineReader(std::unique_ptr<ByteSource> source)
    : m_source(std::move(source)), m_decoder("windows-936")
{
    m_buffer.resize(readSize);
}

KeyLineReader::~KeyLineReader()
{
    // Whoever cared about a failure closed the file already; here it is only released.
    (void)close();
}

void KeyLineReader::ensureData()
{
    while (m_pos == m_end && !m_sourceDone && !m_pendingError) {
        const Result<qsizetype> got = m_source->read(m_buffer.data(), m_buffer.size());
        if (!got) {
            m_pendingError = got.failure();
            return;
        }
        m_pos = 0;
        m_end = *got;
        m_sourceDone = *got == 0;
    }
}

void KeyLineReader::skipLineFeedAfterCarriageReturn()
{
    if (!m_afterCarriageReturn)
        return;
    ensureData();
    if (m_pendingError)
        return;
    m_afterCarriageReturn = false;
    if (m_pos < m_end && m_buffer.at(m_pos) == '\n')
        ++m_pos;
}

bool KeyLineReader::atEnd()
{
    if (m_closed)
        return true;
    skipLineFeedAfterCarriageReturn();
    ensureData();
    return !m_pendingError && m_pos == m_end && m_sourceDone;
}

Failure KeyLineReader::readLine(QString &line)
{
    line.clear();
    if (atEnd())
        return m_closed ? Failure::BadFileName : Failure::InputPastEnd;
    m_line.clear();
    for (;;) {
        ensureData();
        if (m_pendingError)
            return m_pendingError;
        if (m_pos == m_end)
            break; // the last line has no ending
        const char *start = m_buffer.constData() + m_pos;
        const qsizetype available = m_end - m_pos;
        const auto *cr = static_cast<const char *>(std::memchr(start, '\r', size_t(available)));
        const qsizetype length = cr ? cr - start : available;
        const qsizetype room = maxLineBytes - m_line.size();
        m_line.append(start, qMin(length, room));
        m_pos += length;
        if (cr) {
            ++m_pos;
            m_afterCarriageReturn = true;
            break;
        }
    }
    decodeLine(line);
    return Failure::None;
}

void KeyLineReader::decodeLine(QString &line)
{
    const qsizetype size = m_line.size();
    const auto *bytes = reinterpret_cast<const uchar *>(m_line.constData());
    bool ascii = true;
    for (qsizetype i = 0; i < size; ++i)
        ascii &= bytes[i] < 0x80;
    if (ascii) {
        // Most Key files are plain ASCII: widen in place and keep the line's storage.
        line.resize(size);
        QChar *out = line.data();
        for (qsizetype i = 0; i < size; ++i)
            out[i] = QChar(char16_t(bytes[i]));
        return;
    }
    // Each line is decoded on its own, so a lead byte left dangling at a line's end never
    // joins the next line.
    if (!m_decoder.isValid()) {
        line = QString::fromLatin1(m_line);
        return;
    }
    m_decoder.resetState();
    line = m_decoder.decode(QByteArrayView(m_line));
}

Failure KeyLineReader::close()
{
    if (m_closed)
        return Failure::None;
    m_closed = true;
    return m_source->close();
}

} // namespace parolex
