#include "ErrorStream.h"

#include "LocaleText.h"
#include "TerminalFailureTexts.h"
#include "io/SystemFile.h"
#include "product/ProductInfo.h"

#include <QCoreApplication>

namespace parolex {

ErrorStream::ErrorStream()
    : m_stream(SystemFile::standard(SystemFile::Standard::Error)), m_isTerminal(m_stream->isTerminal())
{}

ErrorStream::~ErrorStream() = default;

void ErrorStream::message(const QString &text, const QString &title)
{
    clearProgress();
    write(u'[' + (title.isEmpty() ? product::title() : title) + QStringLiteral("] ") + text + u'\n');
}

void ErrorStream::failureNumber(Failure failure)
{
    note(tr("错误号 %1").arg(failure.number()));
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
    // Carriage return, the line, then "erase to the end of the line" for a shorter line.
    write(u'\r' + line + QStringLiteral("\x1b[K"));
    m_progressShown = true;
}

void ErrorStream::clearProgress()
{
    if (!m_progressShown)
        return;
    m_progressShown = false;
    write(QStringLiteral("\r\x1b[K"));
}

void ErrorStream::write(const QString &text)
{
    const QByteArray bytes = LocaleText::encode(text);
    // Nothing is left to tell when standard error itself fails.
    (void)m_stream->write(bytes);
}

} // namespace parolex
