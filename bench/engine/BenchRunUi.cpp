#include "BenchRunUi.h"

namespace parolex::bench {

BenchRunUi::BenchRunUi()
{
    m_sinceEvents.start();
}

void BenchRunUi::showMessage(const QString &text, const QString &, MessageIcon)
{
    m_messages << text;
}

void BenchRunUi::appendResults(const SharedPasswordBlock &block, qsizetype first, qsizetype count)
{
    m_results.append(block, first, count);
    ++m_deliveries;
}

void BenchRunUi::processPendingEvents()
{
    if (m_firstPassMs < 0)
        m_firstPassMs = m_sinceEvents.elapsed();
    else
        m_longestGapMs = qMax(m_longestGapMs, m_sinceEvents.elapsed());
    m_sinceEvents.restart();
}

void BenchRunUi::restartGapClock()
{
    m_longestGapMs = 0;
    m_firstPassMs = -1;
    m_sinceEvents.restart();
}

} // namespace parolex::bench
