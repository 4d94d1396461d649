#include "key/LineSplitter.h"

#include <cstring>

namespace parolex {

namespace {
constexpr qsizetype readSize = 256 * 1024;
}

LineSplitter::LineSplitter(std::unique_ptr<ByteSource> source, Endings endings)
    : m_source(std::move(source)), m_ending(endings == Endings::CarriageReturn ? '\r' : '\n')
{
    m_buffer.resize(readSize);
}

LineSplitter::~LineSplitter()
{
    // Whoever cared about a failure closed the source already; here it is only released.
    (void)close();
}

void LineSplitter::ensureData()
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

void LineSplitter::skipLineFeedAfterCarriageReturn()
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

bool LineSplitter::atEnd()
{
    if (m_closed)
        return true;
    skipLineFeedAfterCarriageReturn();
    ensureData();
    return !m_pendingError && m_pos == m_end && m_sourceDone;
}

Failure LineSplitter::readLine(QByteArray &line)
{
    line.clear();
    if (atEnd())
        return m_closed ? Failure::BadFileName : Failure::InputPastEnd;
    for (;;) {
        ensureData();
        if (m_pendingError)
            return m_pendingError;
        if (m_pos == m_end)
            return Failure::None; // the last line has no ending
        const char *start = m_buffer.constData() + m_pos;
        const qsizetype available = m_end - m_pos;
        const auto *ending = static_cast<const char *>(std::memchr(start, m_ending, size_t(available)));
        const qsizetype length = ending ? ending - start : available;
        if (line.size() + length >= maxLineBytes)
            return Failure::Overflow;
        line.append(start, length);
        m_pos += length;
        if (ending)
            break;
    }
    ++m_pos;
    if (m_ending == '\r')
        m_afterCarriageReturn = true;
    else if (line.endsWith('\r'))
        line.chop(1);
    return Failure::None;
}

Failure LineSplitter::close()
{
    if (m_closed)
        return Failure::None;
    m_closed = true;
    return m_source->close();
}

} // namespace parolex
