#pragma once

#include "store/LargeBuffer.h"

#include <QtGlobal>
#include <vector>

namespace parolex {

/// The repeat filter of a random run: remembers every password kept so far and tells a new
/// one apart from them exactly, byte for byte. An open-addressing table of 32-bit entries
/// (a row index in the low 24 bits, a hash tag in the high 8) points into the run's
/// password rows; it is never more than half full, so a look-up touches about one slot,
/// and the tag spares almost every row comparison that would not match.
class RepeatFilter
{
public:
    /// Room for @p maxKept distinct passwords of @p width bytes (at most 16,777,216).
    /// Throws std::bad_alloc when the table does not fit in memory.
    RepeatFilter(qsizetype maxKept, int width);

    /// Candidates stand in rows [first, first + count) of @p rows (row r at rows + r × width,
    /// rows before @p first are the passwords kept so far). Keeps each candidate that equals
    /// no kept password and no earlier candidate, moves the kept ones down to rows
    /// first, first + 1, ... in their order, and sets @p kept[j] for each candidate j.
    /// Returns how many were kept.
    qsizetype admit(quint8 *rows, qsizetype first, qsizetype count, std::vector<quint8> &kept);

    /// Brings the next piece of the table's memory in; false once the whole table is there.
    /// Called between event passes before the first admit(), so that the system's first
    /// provision of 128 MiB never holds the interface up in one go.
    bool prepareNextPiece() { return m_table.touchNext(2 * 1024 * 1024); }

    /// The hash the table uses for one row.
    static quint64 hashRow(const quint8 *row, int width);

private:
    int m_width;
    int m_slotBits;
    quint64 m_slotMask;
    LargeBuffer m_table;
    std::vector<quint64> m_hashes;
};

} // namespace parolex
