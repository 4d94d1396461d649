#include "TerminalRunUi.h"

#include "ErrorStream.h"
#include "StandardOutput.h"

namespace parolex {

TerminalRunUi::TerminalRunUi(ErrorStream &errors, StandardOutput *results, bool quiet)
    : m_results(results), m_progress(errors), m_quiet(quiet)
{}

void TerminalRunUi::showMessage(const QString &text, const QString &title, MessageIcon)
{
    // A message ends the run's visible work (a rejection, the error report, the
    // completion message): the progress line makes way for good.
    m_progress.stop();
    if (m_results)
        m_results->flush();
    m_message = Message{text, title};
}

void TerminalRunUi::showProgress()
{
    if (!m_quiet)
        m_progress.start();
}

void TerminalRunUi::setProgressText(const QString &text)
{
    m_progress.setPercentText(text);
}

void TerminalRunUi::closeProgress()
{
    m_progress.stop();
}

void TerminalRunUi::appendResults(const SharedPasswordBlock &block, qsizetype first, qsizetype count)
{
    if (m_results)
        m_results->writeRows(*block, first, count);
    m_progress.advance(count);
}

void TerminalRunUi::insertResultAtTop(QStringView password)
{
    // A Key run: the terminal prints in the order the passwords are made, the order of
    // the Key file's lines.
    if (m_results)
        m_results->writeLine(password);
    m_progress.advance(1);
}

} // namespace parolex
