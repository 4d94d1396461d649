#include "ErrorStream.h"

#include "TerminalFailureTexts.h"
#include "TerminalStreams.h"
#include "product/ProductInfo.h"

#include <QCoreApplication>

namespace parolex {

ErrorStream::ErrorStream()
    : m_isTerminal(terminal::isTerminal(terminal::Stream::Error)), m_encoder(QStringEncoder::System)
{}

void ErrorStream::message(const QString &text, const QString &title)
{
    clearProgress();
    write(u'[' + (title.isEmpty() ? product::title() : title) + QStringLiteral("] ") + text + u'\n');
}

void ErrorStream::failureNumber(int number)
{
    note(QStringLiteral("错误号 ") + QString::number(number));
}

void ErrorStream::reportFailure(int number)
{
    message(terminalFailureText(number), QString());
    failureNumber(number);
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
    const QByteArray bytes = m_encoder.encode(text);
    // Nothing is left to tell when standard error itself fails.
    terminal::writeAll(terminal::Stream::Error, bytes.constData(), bytes.size());
}

} // namespace parolex
