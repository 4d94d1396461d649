#pragma once

#include "run/CharacterPool.h"

#include <QByteArray>
#include <array>
#include <cstring>
#include <functional>

namespace parolex {

/// Turns password rows (indices into an alphabet) into the bytes of one text encoding with
/// a table look-up per character: how the output file and the terminal write millions of
/// rows without building a text for any of them.
class RowEncoder
{
public:
    /// @p encode gives the bytes of one character; a character it cannot give (no bytes, or
    /// more than four) is written as '?'.
    void prepare(const CharacterPool &alphabet, const std::function<QByteArray(QStringView)> &encode);
    bool isPreparedFor(const CharacterPool &alphabet) const { return m_prepared && alphabet == m_alphabet; }

    /// The most bytes one row of @p width characters can take.
    qsizetype longestRow(int width) const { return qsizetype(width) * (m_single ? 1 : 4); }

    /// Writes the bytes of @p row to @p out (room for longestRow() bytes) and returns the
    /// position after them.
    char *encode(const quint8 *row, int width, char *out) const
    {
        if (m_single) {
            for (int k = 0; k < width; ++k)
                out[k] = m_bytes[row[k]][0];
            return out + width;
        }
        for (int k = 0; k < width; ++k) {
            std::memcpy(out, m_bytes[row[k]].data(), 4);
            out += m_counts[row[k]];
        }
        return out;
    }

private:
    CharacterPool m_alphabet;
    bool m_prepared = false;
    bool m_single = true;
    std::array<std::array<char, 4>, 256> m_bytes{};
    std::array<quint8, 256> m_counts{};
};

} // namespace parolex
