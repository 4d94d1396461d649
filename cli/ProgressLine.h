#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

namespace parolex {

class ErrorStream;

/// The terminal's stand-in for the progress window: one line on standard error, redrawn in
/// place, with the run's percentage (when the run reports one), the passwords made so far
/// and the rate. Runs that end within half a second draw nothing, and nothing is drawn at
/// all when standard error is not a terminal.
class ProgressLine
{
    Q_DECLARE_TR_FUNCTIONS(ProgressLine)

public:
    explicit ProgressLine(ErrorStream &errors);

    void start();
    /// The percentage text the run would show in its progress window, such as " 66.6666666666667%".
    void setPercentText(const QString &text);
    void advance(qsizetype made)
    {
        m_made += made;
        if (m_running && m_clock.elapsed() >= m_nextDrawMs)
            draw();
    }
    void stop();

    static constexpr qint64 firstDrawMs = 500;
    static constexpr qint64 redrawMs = 200;

private:
    void draw();

    ErrorStream &m_errors;
    bool m_running = false;
    QElapsedTimer m_clock;
    qint64 m_nextDrawMs = 0;
    qint64 m_made = 0;
    double m_percent = -1;
};

} // namespace parolex
