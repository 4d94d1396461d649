#include "store/RepeatFilter.h"

#include <cstring>

#if defined(_MSC_VER)
#include <xmmintrin.h>
#define PAROLEX_PREFETCH(address) _mm_prefetch(reinterpret_cast<const char *>(address), _MM_HINT_T0)
#else
#define PAROLEX_PREFETCH(address) __builtin_prefetch(address)
#endif

namespace parolex {

namespace {

constexpr quint32 indexMask = 0x00ffffff;
constexpr int tagShift = 24;
// Slots are fetched this many candidates ahead, so that several cache misses overlap.
constexpr qsizetype prefetchDistance = 16;

quint64 mix(quint64 h)
{
    h ^= h >> 32;
    h *= 0xd6e8feb86659fd93ULL;
    h ^= h >> 32;
    return h;
}

} // namespace

RepeatFilter::RepeatFilter(qsizetype maxKept, int width) : m_width(width)
{
    Q_ASSERT(maxKept <= qsizetype(indexMask) + 1);
    m_slotBits = 4;
    while ((qsizetype(1) << m_slotBits) < 2 * maxKept)
        ++m_slotBits;
    m_slotMask = (quint64(1) << m_slotBits) - 1;
    m_table = LargeBuffer(qsizetype(sizeof(quint32)) << m_slotBits);
}

quint64 RepeatFilter::hashRow(const quint8 *row, int width)
{
    quint64 h = quint64(width) * 0x9e3779b97f4a7c15ULL;
    int at = 0;
    for (; at + 8 <= width; at += 8) {
        quint64 word;
        std::memcpy(&word, row + at, 8);
        h = (h ^ word) * 0x9e3779b97f4a7c15ULL;
        h ^= h >> 29;
    }
    if (at < width) {
        quint64 word = 0;
        std::memcpy(&word, row + at, size_t(width - at));
        h = (h ^ word) * 0x9e3779b97f4a7c15ULL;
    }
    return mix(h);
}

qsizetype RepeatFilter::admit(quint8 *rows, qsizetype first, qsizetype count, std::vector<quint8> &kept)
{
    auto *table = reinterpret_cast<quint32 *>(m_table.data());
    const size_t width = size_t(m_width);
    const int slotShift = 64 - m_slotBits;

    m_hashes.resize(size_t(count));
    for (qsizetype j = 0; j < count; ++j) {
        m_hashes[size_t(j)] = hashRow(rows + (first + j) * m_width, m_width);
        if (j < prefetchDistance)
            PAROLEX_PREFETCH(table + (m_hashes[size_t(j)] >> slotShift));
    }

    kept.assign(size_t(count), 0);
    qsizetype keptCount = 0;
    for (qsizetype j = 0; j < count; ++j) {
        if (j + prefetchDistance < count)
            PAROLEX_PREFETCH(table + (m_hashes[size_t(j + prefetchDistance)] >> slotShift));
        const quint64 h = m_hashes[size_t(j)];
        quint64 slot = h >> slotShift;
        // Tag 0 would read as an empty slot.
        const quint32 tag = quint32(h & 0xff) | 1;
        const quint8 *candidate = rows + (first + j) * m_width;
        bool repeat = false;
        for (quint32 entry; (entry = table[slot]) != 0; slot = (slot + 1) & m_slotMask) {
            if ((entry >> tagShift) == tag &&
                std::memcmp(rows + qsizetype(entry & indexMask) * m_width, candidate, width) == 0) {
                repeat = true;
                break;
            }
        }
        if (repeat)
            continue;
        const qsizetype target = first + keptCount;
        // Rows only ever move down, onto candidates already looked at.
        if (target != first + j)
            std::memcpy(rows + target * m_width, candidate, width);
        table[slot] = tag << tagShift | quint32(target);
        kept[size_t(j)] = 1;
        ++keptCount;
    }
    return keptCount;
}

} // namespace parolex
