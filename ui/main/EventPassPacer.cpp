#include "main/EventPassPacer.h"

#include <chrono>
#include <utility>

namespace parolex {
namespace {

// Reads about this far apart keep a pass within a twentieth of the interval of being due,
// at a few dozen reads per interval instead of one per password.
constexpr qint64 readSpacingNs = 500'000;
constexpr qint64 maxStride = 4096;

} // namespace

EventPassPacer::EventPassPacer(qint64 intervalNs, Clock clock)
    : m_clock(std::move(clock)), m_intervalNs(intervalNs)
{
    restart();
}

EventPassPacer::Clock EventPassPacer::steadyClock()
{
    return [] {
        return qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count());
    };
}

void EventPassPacer::restart()
{
    m_passEnded = m_lastRead = m_clock();
    m_stride = 1;
    m_questions = 0;
}

bool EventPassPacer::due()
{
    if (++m_questions < m_stride)
        return false;
    m_questions = 0;
    const qint64 now = m_clock();
    const qint64 sinceRead = now - m_lastRead;
    m_lastRead = now;
    if (sinceRead > readSpacingNs)
        m_stride = 1;
    else if (sinceRead < readSpacingNs / 2 && m_stride < maxStride)
        m_stride *= 2;
    return now - m_passEnded > m_intervalNs;
}

} // namespace parolex
