#include "ErrorStream.h"

#include "LocaleText.h"
#include "TerminalFailureTexts.h"
#include "io/SystemFile.h"
#include "product/ProductInfo.h"

#include <QCoreApplication>
#include <utility>

namespace parolex {

ErrorStream::ErrorStream()
    : m_stream(SystemFile::standard(SystemFile::Standard::Error)), m_isTerminal(m_stream->isTerminal()),
      m_escapes(m_isTerminal && m_stream->enableEscapeSequences())
{}

ErrorStream::~ErrorStream() = default;

void ErrorStream::message(const QString &text, const QString &title)
{
    clearProgress();
    write(u'[' + (title.isEmpty() ? product::title() : title) + QStringLiteral("] ") + text + u'\n');
}

void ErrorStream::failureNumber(Failure failure)
{
    QString text = tr("错误号 %1").arg(failure.number());
    // The system's own reason, for the user who reports it or looks it up.
    if (failure.systemCause() != 0)
        text += tr("（%1）").arg(SystemFile::systemCauseText(failure.systemCause()));
    note(text);
}

void ErrorStream::reportFailure(Failure failure)
{
    message(terminalFailureText(failure), QString());
    failureNumber(failure);
}

void ErrorStream::note(const QString &text)
{
    clearProgress();
    write(QCoreApplication::applicationName() + QStringLiteral(": ") + text + u'\n');
}

void ErrorStream::drawProgress(const QString &line)
{
    if (!m_isTerminal)
        return;
    // Carriage return, the line, then "erase to the end of the line" for a shorter line; a
    // terminal without escape sequences gets blanks over what the last line left.
    if (m_escapes) {
        write(u'\r' + line + QStringLiteral("\x1b[K"));
    } else {
        write(u'\r' + line.leftJustified(m_progressLength));
        m_progressLength = line.size();
    }
    m_progressShown = true;
}

void ErrorStream::clearProgress()
{
    if (!m_progressShown)
        return;
    m_progressShown = false;
    if (m_escapes)
        write(QStringLiteral("\r\x1b[K"));
    else
        write(u'\r' + QString(std::exchange(m_progressLength, 0), u' ') + u'\r');
}

void ErrorStream::write(const QString &text)
{
    const QByteArray bytes = LocaleText::encode(text);
    // Nothing is left to tell when standard error itself fails.
    (void)m_stream->write(bytes);
}

} // namespace parolex
