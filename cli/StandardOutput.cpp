#include "StandardOutput.h"

#include "ErrorStream.h"
#include "ExitStatus.h"
#include "NativeFile.h"
#include "TerminalStreams.h"

#include <cstdlib>
#include <cstring>

namespace parolex {

StandardOutput::StandardOutput(ErrorStream &errors)
    : m_errors(errors), m_encoder(QStringEncoder::System), m_buffer(bufferSize, Qt::Uninitialized)
{}

StandardOutput::~StandardOutput()
{
    flush();
}

void StandardOutput::writeLine(QStringView text)
{
    QByteArray bytes = m_encoder.encode(text);
    bytes.append('\n');
    append(bytes);
}

void StandardOutput::append(const QByteArray &bytes)
{
    if (m_used + bytes.size() > bufferSize) {
        flush();
        if (bytes.size() > bufferSize) {
            if (const int error =
                    terminal::writeAll(terminal::Stream::Output, bytes.constData(), bytes.size()))
                endAfterFailure(error);
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_used, bytes.constData(), size_t(bytes.size()));
    m_used += bytes.size();
}

void StandardOutput::prepareRows(const PasswordBlock &block)
{
    m_rowAlphabet = block.alphabet();
    m_rowsPrepared = true;
    m_rowBytesAreSingle = true;
    QStringEncoder encoder(QStringEncoder::System);
    for (qsizetype i = 0; i < m_rowAlphabet.size(); ++i) {
        const char32_t c = m_rowAlphabet.at(i);
        QByteArray bytes = encoder.encode(QString::fromUcs4(&c, 1));
        // A locale whose encoding spends more than four bytes on one character is not one
        // anybody runs; its characters become '?' rather than overrun the table.
        if (bytes.isEmpty() || bytes.size() > 4)
            bytes = QByteArrayLiteral("?");
        std::memcpy(m_rowBytes[size_t(i)].data(), bytes.constData(), size_t(bytes.size()));
        m_rowByteCounts[size_t(i)] = quint8(bytes.size());
        m_rowBytesAreSingle &= bytes.size() == 1;
    }
}

void StandardOutput::writeRows(const PasswordBlock &block, qsizetype first, qsizetype count)
{
    if (!m_rowsPrepared || block.alphabet() != m_rowAlphabet)
        prepareRows(block);
    const int width = block.width();
    // Room for four bytes a character: the slower path copies all four of every character.
    const qsizetype longestLine = qsizetype(width) * 4 + 1;
    for (qsizetype i = first; i < first + count; ++i) {
        if (m_used + longestLine > bufferSize)
            flush();
        const quint8 *row = block.row(i);
        char *out = m_buffer.data() + m_used;
        if (m_rowBytesAreSingle) {
            for (int k = 0; k < width; ++k)
                out[k] = m_rowBytes[row[k]][0];
            out += width;
        } else {
            for (int k = 0; k < width; ++k) {
                const quint8 index = row[k];
                std::memcpy(out, m_rowBytes[index].data(), 4);
                out += m_rowByteCounts[index];
            }
        }
        *out++ = '\n';
        m_used = out - m_buffer.data();
    }
}

void StandardOutput::flush()
{
    if (m_used == 0)
        return;
    const int error = terminal::writeAll(terminal::Stream::Output, m_buffer.constData(), m_used);
    m_used = 0;
    if (error)
        endAfterFailure(error);
}

void StandardOutput::endAfterFailure(int systemError)
{
    if (terminal::isBrokenPipe(systemError)) {
        m_errors.clearProgress();
        std::_Exit(int(ExitStatus::Success));
    }
    m_errors.reportFailure(NativeFile::failureOfSystemError(systemError));
    std::_Exit(int(ExitStatus::Failed));
}

} // namespace parolex
