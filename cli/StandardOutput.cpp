#include "StandardOutput.h"

#include "ErrorStream.h"
#include "ExitStatus.h"
#include "LocaleText.h"
#include "io/SystemFile.h"

#include <cstdlib>
#include <cstring>

namespace parolex {

StandardOutput::StandardOutput(ErrorStream &errors)
    : m_errors(errors), m_stream(SystemFile::standard(SystemFile::Standard::Output)),
      m_buffer(bufferSize, Qt::Uninitialized)
{}

StandardOutput::~StandardOutput()
{
    flush();
}

void StandardOutput::writeLine(QStringView text)
{
    QByteArray bytes = LocaleText::encode(text);
    bytes.append('\n');
    append(bytes);
}

void StandardOutput::append(const QByteArray &bytes)
{
    if (m_used + bytes.size() > bufferSize) {
        flush();
        if (bytes.size() > bufferSize) {
            write(bytes);
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_used, bytes.constData(), size_t(bytes.size()));
    m_used += bytes.size();
}

void StandardOutput::writeRows(const PasswordBlock &block, qsizetype first, qsizetype count)
{
    if (!m_rows.isPreparedFor(block.alphabet())) {
        m_rows.prepare(block.alphabet(), [](QStringView character) { return LocaleText::encode(character); });
    }
    const int width = block.width();
    const qsizetype longestLine = m_rows.longestRow(width) + 1;
    for (qsizetype i = first; i < first + count; ++i) {
        if (m_used + longestLine > bufferSize)
            flush();
        char *out = m_rows.encode(block.row(i), width, m_buffer.data() + m_used);
        *out++ = '\n';
        m_used = out - m_buffer.data();
    }
}

void StandardOutput::flush()
{
    if (m_used == 0)
        return;
    const qsizetype used = m_used;
    m_used = 0;
    write(QByteArrayView(m_buffer.constData(), used));
}

void StandardOutput::write(QByteArrayView bytes)
{
    if (const Failure failure = m_stream->write(bytes))
        endAfterFailure(failure);
}

void StandardOutput::endAfterFailure(Failure failure)
{
    if (m_stream->readerHasGone()) {
        m_errors.clearProgress();
        std::_Exit(int(ExitStatus::Success));
    }
    m_errors.reportFailure(failure);
    std::_Exit(int(ExitStatus::Failed));
}

} // namespace parolex
