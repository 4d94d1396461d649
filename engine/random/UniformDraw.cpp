#include "random/UniformDraw.h"

#include <algorithm>

namespace parolex {

UniformDraw::UniformDraw(const QList<quint8> &entryValues, RandomSource &random)
    : m_random(random), m_bytes(batchSize), m_pos(batchSize)
{
    const int n = int(entryValues.size());
    Q_ASSERT(n >= 1 && n <= 255);
    const int accepted = 256 - 256 % n;
    for (int b = 0; b < 256; ++b)
        m_valueOfByte[size_t(b)] = b < accepted ? entryValues[b % n] : rejected;
}

void UniformDraw::draw(quint8 *out, qsizetype count)
{
    while (count > 0) {
        if (m_pos == batchSize) {
            m_random.fill(m_bytes);
            m_pos = 0;
        }
        // Each byte yields at most one draw, so looking at no more bytes than draws are
        // still wanted keeps every write inside out[0, count).
        const qsizetype take = std::min(batchSize - m_pos, count);
        const quint8 *bytes = m_bytes.data() + m_pos;
        qsizetype written = 0;
        for (qsizetype j = 0; j < take; ++j) {
            const quint8 value = m_valueOfByte[bytes[j]];
            out[written] = value;
            written += value != rejected;
        }
        m_pos += take;
        out += written;
        count -= written;
    }
}

} // namespace parolex
