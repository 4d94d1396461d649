#pragma once

#include "random/RandomSource.h"

#include <QList>
#include <array>
#include <vector>

namespace parolex {

/// Draws pool entries, every entry with exactly the same chance, from random bytes in
/// large batches. A byte b is accepted when b < 256 − 256 mod n and then picks entry
/// b mod n: the accepted range holds every entry the same number of times. Scaling a
/// uniform r in [0, 1) to k = floor(r × 100) and retrying while k ≥ n would be uniform for
/// the same reason, but spends about 12 random bytes per character instead of 1.25.
class UniformDraw
{
public:
    /// @p entryValues holds, for each pool entry in pool order, the byte a draw of that
    /// entry writes (its index in the run's alphabet). 1 to 255 entries, values below 255.
    UniformDraw(const QList<quint8> &entryValues, RandomSource &random);

    /// Writes @p count independent draws to @p out.
    void draw(quint8 *out, qsizetype count);

    static constexpr qsizetype batchSize = 64 * 1024;

private:
    static constexpr quint8 rejected = 0xff;

    std::array<quint8, 256> m_valueOfByte;
    RandomSource &m_random;
    std::vector<quint8> m_bytes;
    qsizetype m_pos = 0;
};

} // namespace parolex
