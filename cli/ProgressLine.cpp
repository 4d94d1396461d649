#include "ProgressLine.h"

#include "ErrorStream.h"

namespace parolex {

ProgressLine::ProgressLine(ErrorStream &errors) : m_errors(errors) {}

void ProgressLine::start()
{
    if (m_running || !m_errors.isTerminal())
        return;
    m_running = true;
    m_made = 0;
    m_percent = -1;
    m_clock.start();
    m_nextDrawMs = firstDrawMs;
}

void ProgressLine::setPercentText(const QString &text)
{
    QStringView number = QStringView(text).trimmed();
    if (number.endsWith(u'%'))
        number.chop(1);
    bool ok = false;
    const double percent = number.toDouble(&ok);
    if (ok)
        m_percent = percent;
    advance(0);
}

void ProgressLine::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_errors.clearProgress();
}

void ProgressLine::draw()
{
    const qint64 elapsedMs = m_clock.elapsed();
    m_nextDrawMs = elapsedMs + redrawMs;
    QString line;
    if (m_percent >= 0)
        line = QString::number(m_percent, 'f', 1) + QStringLiteral("%  ");
    line += tr("已完成 %1 个密码，每秒 %2 个")
                .arg(m_made)
                .arg(qint64(double(m_made) * 1000.0 / double(qMax<qint64>(elapsedMs, 1))));
    m_errors.drawProgress(line);
}

} // namespace parolex
