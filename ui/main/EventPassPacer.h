#pragma once

#include <QtGlobal>

#include <functional>

namespace parolex {

/// Tells a run on the user-interface thread when its next event pass is due. The run asks
/// before every password, and reading the clock costs about as much as making one, so the
/// clock is read only every so many questions: as many as take a fraction of a millisecond,
/// learnt from the clock itself. A question that took long brings the reads back to every
/// question, and so does every event pass, so slow work after fast work is not skipped past
/// the interval.
class EventPassPacer
{
public:
    /// Nanoseconds since any fixed moment, never going back.
    using Clock = std::function<qint64()>;

    explicit EventPassPacer(qint64 intervalNs, Clock clock = steadyClock());

    /// An event pass has just ended, or a run begins: the next one is due an interval from now.
    void restart();
    bool due();

    static Clock steadyClock();

private:
    Clock m_clock;
    qint64 m_intervalNs;
    qint64 m_passEnded = 0;
    qint64 m_lastRead = 0;
    qint64 m_stride = 1;
    qint64 m_questions = 0;
};

} // namespace parolex
