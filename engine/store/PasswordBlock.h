#pragma once

#include "run/CharacterPool.h"
#include "store/LargeBuffer.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>

namespace parolex {

/// The passwords of one random run, all of one width, one byte per character: the byte is
/// an index into the block's alphabet. 16,777,216 passwords of 26 characters take 436 MB.
/// The run fills rows at the end; the result list shares the block instead of copying it.
/// Equal passwords have equal bytes, so rows can be compared byte for byte.
class PasswordBlock
{
public:
    /// @p alphabet has at most 255 distinct characters (should a character stand in it twice,
    /// its first place is the one used); the block reserves @p capacity rows but only touches
    /// the memory of rows actually written.
    PasswordBlock(CharacterPool alphabet, int width, qsizetype capacity);

    const CharacterPool &alphabet() const { return m_alphabet; }
    int width() const { return m_width; }
    qsizetype capacity() const { return m_capacity; }
    qsizetype size() const { return m_size; }

    const quint8 *row(qsizetype i) const { return m_data.data() + i * m_width; }
    QString text(qsizetype i) const;

    /// Index bytes of @p text in this block's alphabet; empty when a character is not in it
    /// or the width differs.
    QByteArray indicesOf(QStringView text) const;

    /// Room for the next row; commit() makes it part of the block. The rows after it, up to
    /// the capacity, are writable scratch space until committed.
    quint8 *nextRow() { return m_data.data() + m_size * m_width; }
    void commit() { ++m_size; }

private:
    static constexpr quint8 notInAlphabet = 0xff;

    CharacterPool m_alphabet;
    int m_width;
    qsizetype m_capacity;
    qsizetype m_size = 0;
    LargeBuffer m_data;
    /// The UTF-16 unit of each alphabet index when all lie in the Basic Multilingual Plane,
    /// for building texts without looking at surrogates.
    bool m_allSingleUnits = true;
    std::array<char16_t, 256> m_units{};
    std::array<quint8, 128> m_asciiIndex{};
};

using SharedPasswordBlock = std::shared_ptr<const PasswordBlock>;

} // namespace parolex
